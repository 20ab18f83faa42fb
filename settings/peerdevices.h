#pragma once

#include "agent/records.h"

#include <QWidget>
#include <memory>

namespace Ui {
class PeerDevices;
}
class PeerDelegate;
class PeerModel;

// The other devices of the account that the agent discovered, each with a button that copies its address.
class PeerDevices : public QWidget
{
    Q_OBJECT
public:
    // Rows of "peer list", as their labels show them (trimmed): the cloud-assigned name is Qt::DisplayRole.
    enum Role
    {
        DeviceNameRole = Qt::UserRole,
        AddressRole,
    };

    explicit PeerDevices(QWidget* parent = nullptr);
    ~PeerDevices() override;

signals:
    void goSettings();
    void stopSpinner();

public slots:
    void backButtonClicked();
    void listPeers(Response response, QString errorMessage);
    void copyButtonClicked(int index);

private:
    std::unique_ptr<Ui::PeerDevices> ui;
    PeerModel* peers;
    PeerDelegate* delegate;
};
