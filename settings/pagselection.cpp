#include "settings/pagselection.h"

#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "app/herald.h"
#include "app/modaldialog.h"
#include "app/screenlook.h"
#include "app/theme.h"
#include "settings/breakblanks.h"
#include "ui_pagselection.h"

#include <QListView>
#include <QMessageBox>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

struct GatewayRow
{
    QString text;
    QString detail;
    QColor color;
    QColor detailColor;
    bool inService = true;
    // The gateway the agent has as the preferred one: the choice the list starts from.
    bool inUse = false;
    QString id;
    int type = 0;
};

// Row geometry: the radio indicator, the gateway's text beside it and the lines under it.
constexpr int rowPadding = 10;
constexpr int indicatorLeft = 15;
constexpr int indicatorGap = 8;
constexpr int detailLeft = 50;
constexpr int rightPadding = 15;
constexpr int lineGap = 4;

// The words read on white whatever the brand's pale colour is.
const QColor serviceColor(0x55, 0x55, 0x55);

QString outOfServiceText()
{
    return PagSelection::tr("Out of service");
}

QString inUseText()
{
    return PagSelection::tr("In use");
}

} // namespace

class GatewayModel : public RowListModel<GatewayRow>
{
public:
    using RowListModel::RowListModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const GatewayRow& gateway = row(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return gateway.text;
        case Qt::ForegroundRole:
            return gateway.color;
        case Qt::AccessibleTextRole: {
            QStringList lines{gateway.text, gateway.detail};
            lines.removeAll(QString());
            return lines.join(QStringLiteral(", "));
        }
        // Which row is chosen a screen reader learns from the selection; what the grey and the blue say, from this.
        case Qt::AccessibleDescriptionRole:
            return !gateway.inService ? outOfServiceText() : gateway.inUse ? inUseText() : QString();
        case PagSelection::DetailRole:
            return gateway.detail;
        case PagSelection::DetailColorRole:
            return gateway.detailColor;
        // The gateway in use is said in words as well, for whoever does not hear the screen reader's description.
        case PagSelection::ServiceRole:
            return !gateway.inService ? outOfServiceText() : gateway.inUse ? inUseText() : QString();
        case PagSelection::GatewayIdRole:
            return gateway.id;
        case PagSelection::GatewayTypeRole:
            return gateway.type;
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        // Shown for what it is, but neither a click nor an arrow key chooses it.
        if (index.isValid() && !row(index.row()).inService)
            return Qt::ItemNeverHasChildren;
        return RowListModel::flags(index);
    }
};

// Draws a gateway as a radio button (checked when its row is selected) with the lines under it: its location or
// the agent's name for it, and whether it is out of service.
class GatewayDelegate : public QAbstractItemDelegate
{
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        SubScreenList::paintCurrentRow(painter, option);
        const Layout layout = layOut(option, index);
        QStyleOptionButton indicator;
        indicator.initFrom(option.widget);
        indicator.rect = layout.indicator;
        indicator.state = (option.state & QStyle::State_Enabled) |
                          (option.state & QStyle::State_Selected ? QStyle::State_On : QStyle::State_Off);
        option.widget->style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &indicator, painter, option.widget);
        nameText.draw(painter, layout.name, index.data().toString(), index.data(Qt::ForegroundRole).value<QColor>());
        lineText.draw(painter, layout.detail, index.data(PagSelection::DetailRole).toString(),
                      index.data(PagSelection::DetailColorRole).value<QColor>());
        const QString service = index.data(PagSelection::ServiceRole).toString();
        lineText.draw(painter, layout.service, service,
                      service == inUseText() ? QColor(brand().primaryColor) : serviceColor);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const Layout layout = layOut(option, index);
        const int bottom = qMax(layout.name.bottom(), qMax(layout.detail.bottom(), layout.service.bottom()));
        return {0, bottom + 1 + rowPadding - option.rect.top()};
    }

private:
    struct Layout
    {
        QRect indicator;
        QRect name;
        QRect detail;
        QRect service;
    };

    Layout layOut(const QStyleOptionViewItem& option, const QModelIndex& index) const
    {
        if (option.font != baseFont) {
            baseFont = option.font;
            QFont bold = option.font;
            bold.setBold(true);
            nameText = RowText(bold);
            lineText = RowText(option.font);
        }
        const QStyle* style = option.widget->style();
        const QSize indicatorSize(style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option.widget),
                                  style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, option.widget));
        const int width = SubScreenList::rowWidth(option);
        const int top = option.rect.top() + rowPadding;
        const int nameLeft = indicatorLeft + indicatorSize.width() + indicatorGap;
        const int nameWidth = width - nameLeft - rightPadding;
        const int nameHeight = qMax(nameText.height(index.data().toString(), nameWidth),
                                    qMax(indicatorSize.height(), nameText.lineHeight()));
        Layout layout;
        layout.indicator = QRect(
            QPoint(option.rect.left() + indicatorLeft, top + (nameText.lineHeight() - indicatorSize.height()) / 2),
            indicatorSize);
        layout.name = QRect(option.rect.left() + nameLeft, top, nameWidth, nameHeight);
        // Each line under the name follows the one above it; an empty one takes no room.
        const int lineWidth = width - detailLeft - rightPadding;
        auto lineUnder = [&](const QRect& above, const QString& text) {
            const int height = lineText.height(text, lineWidth);
            return QRect(option.rect.left() + detailLeft, above.bottom() + 1 + (height ? lineGap : 0), lineWidth,
                         height);
        };
        layout.detail = lineUnder(layout.name, index.data(PagSelection::DetailRole).toString());
        layout.service = lineUnder(layout.detail, index.data(PagSelection::ServiceRole).toString());
        return layout;
    }

    mutable QFont baseFont;
    mutable RowText nameText;
    mutable RowText lineText;
};

PagSelection::PagSelection(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::PagSelection>()), gateways(new GatewayModel(this)),
      delegate(new GatewayDelegate(this))
{
    ui->setupUi(this);
    widthLimit = window()->width() * 65 / 100;

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    applyThemeColors(ui->applyButton, StyleTemplate::gatewayButton);
    applyThemeColors(ui->cancelButton, StyleTemplate::gatewayButton, ThemeColors::darkColors());
    ui->statusMessage->setStyleSheet(QStringLiteral("color: %1; padding: 6px 15px;").arg(warningColor.name()));
    (new Herald(this))->follow(ui->statusMessage);
    ui->listArea->setModel(gateways, delegate, ui->titleBar->title(), AccessibleRows::RowUse::Choice);
    QListView* view = ui->listArea->view();
    view->setObjectName(QStringLiteral("pag list"));
    reset();

    connect(ui->titleBar, &SubScreenTitleBar::backClicked, this, &PagSelection::goBack);
    ScreenLook::escapeGoesBack(this, ui->titleBar->back());
    connect(ui->cancelButton, &QPushButton::clicked, this, &PagSelection::goBack);
    connect(ui->applyButton, &QPushButton::clicked, this, &PagSelection::applyPag);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &PagSelection::checkedChanged);
    connect(this, &PagSelection::setPrefPag, vexaintf::instance(), &vexaintf::setPrefPag);
}

PagSelection::~PagSelection() = default;

void PagSelection::reset()
{
    showStatus(QString());
    ui->listArea->hide();
    ui->listArea->setEnabled(false);
    ui->listArea->clear();
    preferredRow = -1;
    // Without a list there is nothing to apply, whatever was checked in the last one.
    ui->applyButton->setEnabled(false);
}

void PagSelection::clearListing()
{
    reset();
}

void PagSelection::showInformation(const QString& text)
{
    reset();
    ui->listArea->showInformation(text);
    ui->listArea->show();
    ui->listArea->setEnabled(true);
}

void PagSelection::goBack()
{
    reset();
    emit goSettings();
    emit stopSpinner();
}

void PagSelection::listPags(Response response, PAG preferred, QString errorMessage)
{
    reset();

    const bool serviceIdEdition = brand().editionCode == QLatin1String("zq");
    const bool anyPlaceEdition = brand().editionCode == QLatin1String("vr");
    const QColor primary(brand().primaryColor);
    const QColor secondary(brand().secondaryColor);
    QVector<GatewayRow> rows;
    int preferredIndex = -1;
    if (errorMessage.isEmpty()) {
        rows.reserve(response.pags.size());
        for (const PagEntry& entry : qAsConst(response.pags)) {
            if (!serviceIdEdition && entry.name.isEmpty())
                continue;
            if (!anyPlaceEdition && entry.country.isEmpty() && entry.city.isEmpty())
                continue;
            GatewayRow row;
            if (serviceIdEdition && !entry.city.isEmpty() && !entry.country.isEmpty()) {
                const QString city = entry.replicaNumber != 0
                                         ? entry.city + QLatin1Char(' ') + QString::number(entry.replicaNumber)
                                         : entry.city;
                const QString place = city + QStringLiteral(", ") + entry.country;
                row.text = insertBreakBlanks(place, widthLimit);
                // The settings page names the gateway as the agent does; with that name under the place the user
                // can tell which row is the gateway named there. A name the place already says is not repeated, to
                // the eye or to a screen reader ("Frankfurt 1, DE, Frankfurt 1").
                if (!entry.name.isEmpty() && entry.name.compare(place, Qt::CaseInsensitive) != 0 &&
                    entry.name.compare(city, Qt::CaseInsensitive) != 0)
                    row.detail = insertBreakBlanks(entry.name, widthLimit);
            } else {
                row.text = insertBreakBlanks(entry.name, widthLimit);
                if (!entry.location.isEmpty())
                    row.detail = insertBreakBlanks(entry.location, widthLimit);
            }
            row.inService = entry.status == 1;
            row.color = row.inService ? primary : secondary;
            row.detailColor = row.inService ? QColor(Qt::black) : secondary;
            row.id = entry.id;
            row.type = entry.type;
            // No preference must not check a gateway that merely lacks an id.
            if (!preferred.id.isEmpty() && entry.id == preferred.id) {
                preferredIndex = rows.size();
                row.inUse = true;
            }
            rows.append(row);
        }
    }

    if (rows.isEmpty()) {
        showInformation(errorMessage.isEmpty() ? tr("No gateways available") : errorMessage);
        return;
    }
    gateways->setRows(std::move(rows));
    ui->listArea->showRows();
    preferredRow = preferredIndex;
    if (preferredRow >= 0) {
        QListView* view = ui->listArea->view();
        const QModelIndex checked = gateways->index(preferredRow);
        view->selectionModel()->setCurrentIndex(checked, QItemSelectionModel::ClearAndSelect);
        view->scrollTo(checked, QAbstractItemView::PositionAtCenter);
    }
    ui->listArea->show();
    ui->listArea->setEnabled(true);
}

void PagSelection::applyPag()
{
    if (!vexaintf::instance()->isConnected()) {
        // Going home now would look as if the choice had been sent.
        showInformation(tr("Unable to connect to the application service"));
        emit needsListing();
        return;
    }
    // Exactly the gateway the user checked: two listed entries may share an id.
    const int row = checkedRow();
    if (row < 0)
        return;
    const QModelIndex checked = gateways->index(row);
    const PAG choice{checked.data(GatewayIdRole).toString(), checked.data(GatewayTypeRole).toInt()};
    if (!tunnelUp) {
        sendChoice(choice);
        return;
    }
    // The agent drops the tunnel to switch: that is the user's to agree to, not a side effect of Apply.
    auto* box = new QMessageBox(QMessageBox::Question, brand().displayName,
                                tr("Secure Access disconnects while it switches to the chosen gateway. Switch now?"),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setDefaultButton(QMessageBox::No);
    ModalDialog::open(box, [this, row, choice](int answer) {
        // The list may have been emptied or answered while the question was open.
        if (answer == QMessageBox::Yes && checkedRow() == row && vexaintf::instance()->isConnected())
            sendChoice(choice);
    });
}

void PagSelection::sendChoice(const PAG& choice)
{
    // The list stays until the agent answers: a refused choice is then told here, beside the list to choose again
    // from.
    showStatus(QString());
    emit setPrefPag(choice);
}

void PagSelection::showChoiceFailure(const QString& text)
{
    showStatus(text);
}

void PagSelection::choiceAccepted()
{
    reset();
    emit goMainWin();
}

void PagSelection::showStatus(const QString& text)
{
    ui->statusMessage->setText(text);
    ui->statusMessage->setVisible(!text.isEmpty());
}

void PagSelection::pagChangeEvent(int)
{
    const int checked = checkedRow();
    ui->applyButton->setEnabled(checked >= 0 && checked != preferredRow);
}

int PagSelection::checkedRow() const
{
    const QModelIndexList checked = ui->listArea->view()->selectionModel()->selectedIndexes();
    return checked.isEmpty() ? -1 : checked.first().row();
}

void PagSelection::checkedChanged(const QItemSelection&, const QItemSelection& deselected)
{
    // As with radio buttons, a checked row cannot be unchecked, only another row checked.
    if (checkedRow() < 0 && !deselected.isEmpty() && gateways->rowCount() > 0) {
        ui->listArea->view()->selectionModel()->select(deselected, QItemSelectionModel::Select);
        return;
    }
    pagChangeEvent(checkedRow());
}
