#include "settings/peerdevices.h"

#include "app/brandprofile.h"
#include "app/herald.h"
#include "app/highdpi.h"
#include "app/namedtimer.h"
#include "app/screenlook.h"
#include "ui_peerdevices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace {

struct PeerRow
{
    QString cloudAssignedName;
    QString deviceReportedName;
    QString address;
};

// Row geometry: names on the left, the address and its copy button on the right.
constexpr int leftPadding = 14;
constexpr int rowPadding = 9;
constexpr int spacing = 6;
constexpr int buttonSize = 24;
constexpr int iconSize = 18;

const QString copyConfirmationTimer = QStringLiteral("copyConfirmationTimer");

QString copiedText()
{
    return PeerDevices::tr("Copied");
}

} // namespace

class PeerModel : public RowListModel<PeerRow>
{
public:
    using RowListModel::RowListModel;

    // -1: no row confirms a copy. A row that confirms a copy again changes once more: each copy is confirmed.
    void setConfirmedRow(int row)
    {
        const int before = std::exchange(confirmedRow, row);
        if (before != row)
            tellChanged(before);
        tellChanged(row);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const PeerRow& peer = row(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return peer.cloudAssignedName;
        case PeerDevices::DeviceNameRole:
            return peer.deviceReportedName;
        case PeerDevices::AddressRole:
            return peer.address;
        case PeerDevices::CopyConfirmationRole:
            return index.row() == confirmedRow ? copiedText() : QString();
        // The copy button is painted, so a screen reader learns from the row what it holds and how to copy it, and
        // hears the copy confirmed where the address was.
        case Qt::AccessibleTextRole:
            return QStringLiteral("%1, %2, %3")
                .arg(peer.cloudAssignedName, peer.deviceReportedName,
                     index.row() == confirmedRow ? copiedText() : peer.address);
        case Qt::AccessibleDescriptionRole:
            return PeerDevices::tr("Press Enter to copy the address");
        default:
            return {};
        }
    }

private:
    void tellChanged(int row)
    {
        if (row >= 0 && row < rowCount())
            emit dataChanged(index(row), index(row), {PeerDevices::CopyConfirmationRole, Qt::AccessibleTextRole});
    }

    int confirmedRow = -1;
};

// Draws a peer with its copy button and reports a click on that button with the peer's row.
class PeerDelegate : public QAbstractItemDelegate
{
    Q_OBJECT
public:
    explicit PeerDelegate(QObject* parent) : QAbstractItemDelegate(parent)
    {
        // The icon keeps its shape and takes the brand's colour.
        copyIcon =
            loadPicture(QStringLiteral(":/images/copyIcon.png"), qApp->devicePixelRatio(), QSize(iconSize, iconSize));
        QPainter tint(&copyIcon);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(copyIcon.rect(), QColor(brand().primaryColor));
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        SubScreenList::paintCurrentRow(painter, option);
        const Layout layout = layOut(option, index);
        if (index.row() == pressedRow)
            painter->fillRect(layout.button, QColor(Qt::lightGray));
        const QRect icon(layout.button.center() - QPoint(iconSize / 2 - 1, iconSize / 2 - 1),
                         QSize(iconSize, iconSize));
        painter->drawPixmap(icon, copyIcon);
        nameText.draw(painter, layout.name, index.data().toString(), QColor(brand().primaryColor));
        smallText.draw(painter, layout.deviceName, index.data(PeerDevices::DeviceNameRole).toString(),
                       QColor(Qt::black));
        const QString confirmation = index.data(PeerDevices::CopyConfirmationRole).toString();
        smallText.drawLineRight(painter, layout.address,
                                confirmation.isEmpty() ? index.data(PeerDevices::AddressRole).toString() : confirmation,
                                QColor(Qt::black));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const Layout layout = layOut(option, index);
        return {0, layout.height};
    }

    bool editorEvent(QEvent* event, QAbstractItemModel*, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool onButton = mouse->button() == Qt::LeftButton && layOut(option, index).button.contains(mouse->pos());
        const bool clicked = event->type() == QEvent::MouseButtonRelease && onButton && pressedRow == index.row();
        pressedRow = event->type() == QEvent::MouseButtonPress && onButton ? index.row() : -1;
        if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
            view->viewport()->update(option.rect);
        if (clicked)
            emit copyClicked(index.row());
        return onButton;
    }

signals:
    void copyClicked(int row);

private:
    struct Layout
    {
        QRect name;
        QRect deviceName;
        QRect address;
        QRect button;
        int height;
    };

    Layout layOut(const QStyleOptionViewItem& option, const QModelIndex& index) const
    {
        if (option.font != baseFont) {
            baseFont = option.font;
            QFont font = option.font;
            font.setPixelSize(18);
            nameText = RowText(font);
            font.setPixelSize(12);
            smallText = RowText(font);
        }
        const QRect& row = option.rect;
        const int width = SubScreenList::rowWidth(option);
        const int contentWidth = width - leftPadding - rowPadding;
        // An address never wraps; a very long one gives up at most half the row and is shortened in the middle.
        // The column has room for the copy confirmation too, so that showing it moves nothing.
        const int addressWidth =
            qMin(qMax(smallText.width(index.data(PeerDevices::AddressRole).toString()), smallText.width(copiedText())),
                 contentWidth / 2);
        const int namesWidth = contentWidth - addressWidth - buttonSize - 2 * spacing;
        const int top = row.top() + rowPadding;
        const int nameHeight = nameText.height(index.data().toString(), namesWidth);
        const int deviceNameHeight = smallText.height(index.data(PeerDevices::DeviceNameRole).toString(), namesWidth);
        const int namesHeight = nameHeight + (nameHeight && deviceNameHeight ? spacing : 0) + deviceNameHeight;
        const int contentHeight = qMax(namesHeight, buttonSize);

        Layout layout;
        layout.name = QRect(row.left() + leftPadding, top, namesWidth, nameHeight);
        layout.deviceName =
            QRect(row.left() + leftPadding, top + namesHeight - deviceNameHeight, namesWidth, deviceNameHeight);
        const int right = row.left() + leftPadding + contentWidth;
        layout.button = QRect(right - buttonSize, top + (contentHeight - buttonSize) / 2, buttonSize, buttonSize);
        layout.address =
            QRect(layout.button.left() - spacing - addressWidth, top, addressWidth, layout.button.bottom() - top + 1);
        layout.height = contentHeight + 2 * rowPadding;
        return layout;
    }

    QPixmap copyIcon;
    int pressedRow = -1;
    mutable QFont baseFont;
    mutable RowText nameText;
    mutable RowText smallText;
};

PeerDevices::PeerDevices(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::PeerDevices>()), peers(new PeerModel(this)),
      delegate(new PeerDelegate(this)), herald(new Herald(this))
{
    ui->setupUi(this);
    ui->listArea->setModel(peers, delegate, ui->titleBar->title(), AccessibleRows::RowUse::Press);
    ui->listArea->view()->setObjectName(QStringLiteral("peer list"));

    connect(ui->titleBar, &SubScreenTitleBar::backClicked, this, &PeerDevices::backButtonClicked);
    ScreenLook::escapeGoesBack(this, ui->titleBar->back());
    connect(delegate, &PeerDelegate::copyClicked, this, &PeerDevices::copyButtonClicked);
    // Return on a row copies its address, as the row's copy button does for the mouse.
    connect(ui->listArea->view(), &QListView::activated, this,
            [this](const QModelIndex& index) { copyButtonClicked(index.row()); });
}

PeerDevices::~PeerDevices() = default;

void PeerDevices::clearListing()
{
    endCopyConfirmation();
    ui->listArea->clear();
}

void PeerDevices::showInformation(const QString& text)
{
    endCopyConfirmation();
    ui->listArea->showInformation(text);
}

void PeerDevices::backButtonClicked()
{
    clearListing();
    emit goSettings();
    emit stopSpinner();
}

void PeerDevices::listPeers(Response response, QString errorMessage)
{
    if (response.peers.isEmpty() || !errorMessage.isEmpty()) {
        showInformation(errorMessage.isEmpty() ? tr("Peer list is empty") : errorMessage);
        return;
    }
    endCopyConfirmation();
    QVector<PeerRow> rows;
    rows.reserve(response.peers.size());
    for (const PeerEntry& peer : qAsConst(response.peers))
        rows.append({peer.caname.trimmed(), peer.drname.trimmed(), peer.addr.trimmed()});
    peers->setRows(std::move(rows));
    ui->listArea->showRows();
}

void PeerDevices::copyButtonClicked(int index)
{
    if (index < 0 || index >= peers->rowCount())
        return;
    // What the row shows is what the user means to copy: the address without the blanks around it. A peer without
    // one leaves the clipboard as it was.
    const QString address = peers->index(index).data(AddressRole).toString();
    if (address.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(address, QClipboard::Clipboard);
    confirmCopy(index);
}

void PeerDevices::confirmCopy(int row)
{
    cancelNamedSingleShots(this, copyConfirmationTimer);
    peers->setConfirmedRow(row);
    // The row says it too, but Orca drops a list item's change of name: the copy is news of the screen.
    herald->say(copiedText());
    startNamedSingleShot(this, copyConfirmationMs, copyConfirmationTimer, [this] { peers->setConfirmedRow(-1); });
}

void PeerDevices::endCopyConfirmation()
{
    cancelNamedSingleShots(this, copyConfirmationTimer);
    peers->setConfirmedRow(-1);
}

#include "peerdevices.moc"
