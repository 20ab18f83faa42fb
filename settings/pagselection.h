#pragma once

#include "agent/records.h"
#include "settings/subscreenframe.h"

#include <QWidget>
#include <memory>

namespace Ui {
class PagSelection;
}
class GatewayDelegate;
class GatewayModel;
class QItemSelection;

// The user picks the preferred access gateway from the agent's list. Each acceptable gateway is a radio row of
// "pag list"; the row that is selected is the one checked.
class PagSelection : public QWidget, public ListingScreen
{
    Q_OBJECT
public:
    // What a row of "pag list" holds besides its button text (Qt::DisplayRole) and its colour (Qt::ForegroundRole).
    enum Role
    {
        // The line under the text, empty when there is none: the location, or the agent's name for a gateway that
        // the row names by its place.
        DetailRole = Qt::UserRole,
        DetailColorRole,
        // "Out of service" for a gateway that cannot be chosen, "In use" for the preferred one, empty otherwise.
        ServiceRole,
        GatewayIdRole,
        GatewayTypeRole,
    };

    explicit PagSelection(QWidget* parent = nullptr);
    ~PagSelection() override;

    void clearListing() override;
    void showInformation(const QString& text) override;
    // The choice sent with Apply did not take: the list stays to choose again, and a line under it says why.
    void showChoiceFailure(const QString& text);
    // The agent took the choice: the screen is done and leads home.
    void choiceAccepted();
    // Whether Secure Access is connected: switching the gateway then drops the tunnel, which is asked first.
    void setTunnelUp(bool up) { tunnelUp = up; }

signals:
    void goSettings();
    void goMainWin();
    void setPrefPag(PAG pag);
    void stopSpinner();
    // The list is gone without a choice sent (the link was down); the screen needs a fresh list once it is back.
    void needsListing();

public slots:
    void goBack();
    void listPags(Response response, PAG preferred, QString errorMessage);
    void applyPag();
    void pagChangeEvent(int id);

private:
    void sendChoice(const PAG& choice);
    void reset();
    void showStatus(const QString& text);
    int checkedRow() const;
    void checkedChanged(const QItemSelection& selected, const QItemSelection& deselected);

    std::unique_ptr<Ui::PagSelection> ui;
    GatewayModel* gateways;
    GatewayDelegate* delegate;
    int preferredRow = -1;
    int widthLimit;
    bool tunnelUp = false;
};
