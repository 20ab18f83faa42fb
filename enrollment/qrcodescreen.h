#pragma once

#include "agent/records.h"

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

    // Asks the agent for the current code, with the spinner covering the screen until the agent answers.
    void requestQRCode();

    // The activation request that goes with a code shown on this screen.
    static ActivationReq activationRequest(const QRActivationReq& code);

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

private:
    std::unique_ptr<Ui::QRCodeScreen> ui;
};
