#pragma once

#include "agent/records.h"
#include "settings/subscreenframe.h"

#include <QWidget>
#include <memory>

namespace Ui {
class Notification;
}
class FindingDelegate;
class FindingModel;

// The compliance findings of the device, one block per category, grouped under headings by condition.
class Notification : public QWidget, public ListingScreen
{
    Q_OBJECT
public:
    // Rows of "violations list": the text is Qt::DisplayRole; an item row carries its details text as well.
    enum Role
    {
        KindRole = Qt::UserRole,
        DetailsRole,
    };
    enum RowKind
    {
        CategoryTitle,
        Heading,
        Item,
    };

    explicit Notification(QWidget* parent = nullptr);
    ~Notification() override;

    void clearListing() override;
    void showInformation(const QString& text) override;

signals:
    void goSettings();
    void stopSpinner();

public slots:
    void backClicked();
    void listViolations(Response VexaResp, QString errorMessage);

private:
    std::unique_ptr<Ui::Notification> ui;
    FindingModel* findings;
    FindingDelegate* delegate;
    int widthLimit;
};
