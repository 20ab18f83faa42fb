#pragma once

#include "agent/records.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace Ui {
class Feedback;
}
class AnswerWait;

// The user writes a subject and a message that the agent forwards as a support ticket.
class Feedback : public QWidget
{
    Q_OBJECT
public:
    explicit Feedback(QWidget* parent = nullptr);
    ~Feedback() override;

    // Called by the settings page when the agent link drops and when it is back. A submission that was waiting for
    // its answer will get none over a dropped link, so the screen takes Submit back and keeps the texts.
    void showAgentUnavailable();
    void clearAgentUnavailable();
    // A submission is out and its answer not yet in, nor its deadline past.
    bool isWaiting() const;
    // The user left the form: a submission still out gives Submit back, so the next visit is not stuck waiting.
    void stopWaiting();
    // A submission went out and no answer has come for it, awaited or not: one may still come, late.
    bool expectsAnswer() const { return outstanding.has_value(); }

signals:
    void goSettings();
    void feedback(QString title, QString description);
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();
    // What was sent has been filed and the form emptied.
    void filed();
    // A late answer came while the window is out of sight: said as a desktop notice instead of a box.
    void notice(QString text);

public slots:
    void backClicked();
    void submit();
    void processResponse(Response response);
    void clearFeedback();
    void changeFocusToTextEdit();
    void recalculateMessageSize(QString text);
    void recalculateMessageSize();

private:
    struct Sent
    {
        QString subject;
        QString message;
        bool operator==(const Sent& other) const { return subject == other.subject && message == other.message; }
    };
    Sent typed() const;
    void send(const Sent& texts);
    void tell(const QString& text, bool late);
    void showSubjectWarning(bool shown);

    std::unique_ptr<Ui::Feedback> ui;
    AnswerWait* submission;
    // Answers carry no request identity: the last text sent stands for whichever submission is answered next.
    std::optional<Sent> outstanding;
    const int messageLimit = 1500;
    const int subjectLimit = 300;
};
