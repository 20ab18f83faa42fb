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
        LocationRole = Qt::UserRole, // the location line, empty when there is none
        LocationColorRole,
        GatewayIdRole,
        GatewayTypeRole,
    };

    explicit PagSelection(QWidget* parent = nullptr);
    ~PagSelection() override;

    void clearListing() override;
    void showInformation(const QString& text) override;

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
    void reset();
    int checkedRow() const;
    void checkedChanged(const QItemSelection& selected, const QItemSelection& deselected);

    std::unique_ptr<Ui::PagSelection> ui;
    GatewayModel* gateways;
    GatewayDelegate* delegate;
    int preferredRow = -1;
    int widthLimit;
};
