#pragma once

#include "agent/records.h"
#include "settings/subscreenframe.h"

#include <QWidget>
#include <memory>

namespace Ui {
class PeerDevices;
}
class Herald;
class PeerDelegate;
class PeerModel;

// The other devices of the account that the agent discovered, each with a button that copies its address.
class PeerDevices : public QWidget, public ListingScreen
{
    Q_OBJECT
public:
    // Rows of "peer list", as their labels show them (trimmed): the cloud-assigned name is Qt::DisplayRole.
    enum Role
    {
        DeviceNameRole = Qt::UserRole,
        AddressRole,
        // What the row says in place of its address for a while after a copy; empty otherwise.
        CopyConfirmationRole,
    };

    // How long a row confirms a copy, on the single shot "copyConfirmationTimer".
    static constexpr int copyConfirmationMs = 2000;

    explicit PeerDevices(QWidget* parent = nullptr);
    ~PeerDevices() override;

    void clearListing() override;
    void showInformation(const QString& text) override;

signals:
    void goSettings();
    void stopSpinner();

public slots:
    void backButtonClicked();
    void listPeers(Response response, QString errorMessage);
    void copyButtonClicked(int index);

private:
    void confirmCopy(int row);
    void endCopyConfirmation();

    std::unique_ptr<Ui::PeerDevices> ui;
    PeerModel* peers;
    PeerDelegate* delegate;
    Herald* herald;
};
