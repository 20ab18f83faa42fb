#include "settings/feedback.h"

#include "agent/vexaintf.h"
#include "app/answerwait.h"
#include "app/brandprofile.h"
#include "app/herald.h"
#include "app/modaldialog.h"
#include "app/screenlook.h"
#include "app/theme.h"
#include "settings/subscreenframe.h"
#include "ui_feedback.h"

#include <QMessageBox>
#include <utility>

namespace {
// A counter reads like its field's caption until the field is full.
void showCounter(QLabel* counter, int length, int limit)
{
    counter->setText(QStringLiteral("[%1/%2]").arg(length).arg(limit));
    counter->setStyleSheet(QStringLiteral("font-size: 12px; font-weight: bold; color: %1; padding-bottom: -10px;")
                               .arg(length >= limit ? warningColor.name() : QStringLiteral("gray")));
}
} // namespace

Feedback::Feedback(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Feedback>()),
      submission(new AnswerWait(QStringLiteral("feedback"), this))
{
    ui->setupUi(this);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    ScreenLook::lightenPlaceholders(this);
    applyThemeColors(ui->pushButton, StyleTemplate::largeButton);
    ui->feedBackTitle->setMaxLength(subjectLimit);
    showCounter(ui->subjectWordCount, 0, subjectLimit);
    showCounter(ui->messageWordCount, 0, messageLimit);
    ui->subjectWarning->setStyleSheet(
        QStringLiteral("font-size: 12px; font-weight: bold; color: %1;").arg(warningColor.name()));
    showSubjectWarning(false);
    (new Herald(this))->follow(ui->statusMessage);

    connect(ui->titleBar, &SubScreenTitleBar::backClicked, this, &Feedback::backClicked);
    ScreenLook::escapeGoesBack(this, ui->titleBar->back());
    ScreenLook::focusOnShow(this, ui->feedBackTitle);
    connect(ui->pushButton, &QPushButton::clicked, this, &Feedback::submit);
    connect(ui->feedBackTitle, &QLineEdit::returnPressed, this, &Feedback::changeFocusToTextEdit);
    connect(ui->feedBackTitle, &QLineEdit::textChanged, this, qOverload<QString>(&Feedback::recalculateMessageSize));
    connect(ui->feedbackBodyText, &QPlainTextEdit::textChanged, this, qOverload<>(&Feedback::recalculateMessageSize));
    connect(this, &Feedback::feedback, vexaintf::instance(), &vexaintf::feedback);
    connect(submission, &AnswerWait::expired, this, [this] {
        // The agent may well have filed it and only be slow to say so.
        ui->statusMessage->setText(tr("The application service did not answer. Your feedback may still arrive; if "
                                      "it does, its ticket number will be shown."));
        ui->pushButton->setEnabled(true);
    });
}

Feedback::~Feedback() = default;

void Feedback::showAgentUnavailable()
{
    submission->finish(AnswerWait::Ending::LinkLost);
    ui->statusMessage->setText(tr("Unable to connect to the application service"));
    ui->pushButton->setEnabled(true);
}

void Feedback::clearAgentUnavailable()
{
    if (ui->statusMessage->text() == tr("Unable to connect to the application service"))
        ui->statusMessage->clear();
}

bool Feedback::isWaiting() const
{
    return submission->isWaiting();
}

void Feedback::stopWaiting()
{
    if (!submission->finish(AnswerWait::Ending::Left))
        return;
    ui->statusMessage->clear();
    ui->pushButton->setEnabled(true);
}

void Feedback::backClicked()
{
    // What was typed stays for the next visit: only a filed ticket or the user empties the form.
    stopWaiting();
    if (ui->statusMessage->text() != tr("Unable to connect to the application service"))
        ui->statusMessage->clear();
    showSubjectWarning(false);
    emit goSettings();
    emit stopSpinner();
}

void Feedback::submit()
{
    if (!vexaintf::instance()->isConnected()) {
        showAgentUnavailable();
        return;
    }
    clearAgentUnavailable();
    const Sent texts = typed();
    if (texts.subject.isEmpty()) {
        // Blanks are no subject either. The warning stays in sight under the field, where a placeholder would be
        // gone with the first key and easily taken for a hint.
        ui->feedBackTitle->clear();
        showSubjectWarning(true);
        ui->feedBackTitle->setFocus();
        return;
    }
    if (!(outstanding == texts)) {
        send(texts);
        return;
    }
    // The same text went out before and its answer never came: a second ticket is the user's choice, not a retry.
    auto* box = new QMessageBox(QMessageBox::Question, brand().displayName,
                                tr("Your earlier feedback may still reach the support desk. Send the same message "
                                   "again?"),
                                QMessageBox::Yes | QMessageBox::No, window());
    box->setDefaultButton(QMessageBox::No);
    ModalDialog::open(box, [this, texts](int result) {
        // The form may have changed or the link dropped while the question was open.
        if (result == QMessageBox::Yes && typed() == texts && vexaintf::instance()->isConnected() &&
            !submission->isWaiting())
            send(texts);
    });
}

Feedback::Sent Feedback::typed() const
{
    return {ui->feedBackTitle->text().trimmed(), ui->feedbackBodyText->toPlainText().trimmed()};
}

void Feedback::send(const Sent& texts)
{
    emit feedback(texts.subject, texts.message);
    outstanding = texts;
    submission->start();
    // An empty message is allowed, but the user may have meant to write one.
    ui->statusMessage->setText(texts.message.isEmpty() ? tr("The message is empty: only the subject is sent.")
                                                       : tr("Submitting feedback…"));
    ui->pushButton->setEnabled(false);
}

void Feedback::processResponse(Response response)
{
    const bool awaited = submission->finish();
    const std::optional<Sent> answered = std::exchange(outstanding, std::nullopt);
    const bool late = !awaited && answered;
    bool emptied = false;
    QString text;
    if (response.code == FeedbackFailed) {
        text = tr("Failed to submit your feedback");
    } else if (response.code == AgentNotActivated) {
        text = tr("Agent not activated");
    } else if (!response.ticketId.isEmpty()) {
        // A form that holds another text by now was typed after the answered one went out: it stays.
        emptied = !late || typed() == *answered;
        if (emptied)
            clearFeedback();
        //: %1 is the ticket number the support desk gave the feedback.
        text = tr("Your feedback has been submitted. Ticket ID: %1").arg(response.ticketId);
    } else {
        text = tr("Failed to submit your feedback");
    }
    tell(text, late);
    ui->statusMessage->clear();
    ui->pushButton->setEnabled(true);
    // Told first, on the form that sent it; then the settings page may move on.
    if (emptied)
        emit filed();
}

void Feedback::tell(const QString& text, bool late)
{
    // A late answer finds the user anywhere, the window perhaps in the tray; a box there would wait unseen.
    if (late && (!window()->isVisible() || window()->isMinimized())) {
        emit notice(text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, brand().displayName, text, QMessageBox::Ok, this);
    // The ticket id comes from the agent: text, never markup.
    box->setTextFormat(Qt::PlainText);
    ModalDialog::open(box);
}

void Feedback::clearFeedback()
{
    ui->feedbackBodyText->clear();
    ui->feedBackTitle->clear();
    ui->statusMessage->clear();
    showSubjectWarning(false);
}

void Feedback::showSubjectWarning(bool shown)
{
    ui->subjectWarning->setVisible(shown);
    // The field says what is wrong with it, read with the field when the keyboard lands there: Qt 5 has no
    // described-by or error-message relation to tie the line under it to it.
    const QString description = shown ? ui->subjectWarning->text() : QString();
    if (ui->feedBackTitle->accessibleDescription() != description)
        ui->feedBackTitle->setAccessibleDescription(description);
}

void Feedback::changeFocusToTextEdit()
{
    ui->feedbackBodyText->setFocus();
}

void Feedback::recalculateMessageSize(QString text)
{
    showCounter(ui->subjectWordCount, text.size(), subjectLimit);
    // The user is writing a subject: the warning has done its work.
    if (!text.isEmpty())
        showSubjectWarning(false);
}

void Feedback::recalculateMessageSize()
{
    const QString text = ui->feedbackBodyText->toPlainText();
    if (text.size() > messageLimit) {
        // Cutting between the halves of a surrogate pair would leave half a character behind.
        const int keep = text.at(messageLimit - 1).isHighSurrogate() ? messageLimit - 1 : messageLimit;
        // Raises textChanged again, which counts the shortened text.
        ui->feedbackBodyText->setPlainText(text.left(keep));
        ui->feedbackBodyText->moveCursor(QTextCursor::End);
        return;
    }
    showCounter(ui->messageWordCount, text.size(), messageLimit);
}
