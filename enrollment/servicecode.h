#pragma once

#include "agent/records.h"
#include "enrollment/awaitedanswer.h"

#include <QWidget>
#include <memory>

namespace Ui {
class ServiceCode;
}
class QRCodeScreen;

// Service-ID enrollment: page 0 takes the account's service ID, page 1 shows the QR code the agent issues for it.
// Brands other than the one that asks for a service ID go straight to the QR page with an empty service ID.
class ServiceCode : public QWidget
{
    Q_OBJECT
public:
    explicit ServiceCode(QWidget* parent = nullptr);
    ~ServiceCode() override;

    // The agent answered an activation: the wait for it is over, and the claim says whether the answer is still
    // wanted here.
    AnswerClaim takeActivationAnswer();

signals:
    void showQR(QRActivationReq code);
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();

public slots:
    void showQRCode(QString code);
    void qrScreenSwitched();
    void activateQR(QString code);
    void agentConnectedNotification();
    void agentDisconnectedNotification();
    void switchToServiceCodeScreen();
    void clearServiceIDScreen();
    // The activation was refused, by the agent or by the administrator: the QR page says why and waits for the user.
    void showRefusal(const QString& reason);
    // A line of news for whoever comes to enroll the device, such as why it is not enrolled any more.
    void showNotice(const QString& text);

private slots:
    void submitClicked();
    void switchToQRScreen();

private:
    void showPage(int index);
    // A brand that asks for a service ID enrolls with none only by mistake: until the user gave one, no code is shown
    // or activated.
    bool serviceIdKnown() const;

    static constexpr int maxInputLength = 50;

    std::unique_ptr<Ui::ServiceCode> ui;
    QRCodeScreen* qrScreen;
    QString qrCode;
    QString serviceId;
    bool waitingOverCode = false;
};
