#pragma once

#include "agent/records.h"
#include "enrollment/awaitedanswer.h"

#include <QWidget>
#include <memory>

namespace Ui {
class QRCodeScreen;
}

// Shows the QR code the agent issued and, with every code it shows, asks the agent to activate with it.
class QRCodeScreen : public QWidget
{
    Q_OBJECT
public:
    explicit QRCodeScreen(QWidget* parent = nullptr);
    ~QRCodeScreen() override;

    // Asks the agent for the current code; until it answers, the code area is empty with the spinner turning in it.
    // While a refusal is shown nothing is asked: asking again would only be refused again.
    void requestQRCode();
    // The agent refused the activation, or the administrator declined it. The reason stays on screen, and no code is
    // asked for or activated on the window's own account until the user asks for a new one.
    void showRefusal(const QString& reason);
    // The user asked for a fresh start (Regenerate, or another service ID).
    void clearRefusal();
    // A line of news that is no refusal: codes are asked for and activated as ever.
    void showNotice(const QString& text);
    bool isRefused() const { return refused; }
    void showAgentUnavailable();
    void clearAgentUnavailable();
    // Where the code is drawn, or the text that stands in for it.
    QWidget* codeArea() const;
    // Asks the agent to activate with a code shown here, and waits for its answer.
    void sendActivation(const QRActivationReq& code);
    // The agent answered an activation: the wait for it is over, and the claim says whether the answer is still
    // wanted here.
    AnswerClaim takeActivationAnswer();

    static constexpr int qrImageSize = 258;
    static constexpr int qrBorder = 2;

signals:
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();
    void generateQR(bool regenerate);
    void activate(ActivationReq request);
    void backButtonClicked();

public slots:
    void regenerateQRCode();
    void showQRCode(QRActivationReq code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void answerMissed();
    void codeMissed();
    void awaitCode();
    void describeCodeArea();

    std::unique_ptr<Ui::QRCodeScreen> ui;
    bool refused = false;
    QString refusalReason;
    bool awaitingCode = false;
    QString shownCode;
    AwaitedAnswer* activationAnswer;
    AnswerWait* codeWait;
};
