#include "settings/notification.h"

#include "app/screenlook.h"
#include "settings/breakblanks.h"
#include "ui_notification.h"

#include <QAccessible>
#include <QListView>
#include <QMap>
#include <QPainter>

namespace {

struct FindingRow
{
    Notification::RowKind kind = Notification::Item;
    QString text;
    QString details;
    bool endsBlock = false;
};

struct Category
{
    ViolationCategory source;
    const char* name;
};

// The categories in the order they are shown. Their names are also the keys of the heading table.
constexpr Category categories[] = {
    {ViolationCategory::ManagedCertificates, QT_TRANSLATE_NOOP("Notification", "Device Management")},
    {ViolationCategory::Programs, QT_TRANSLATE_NOOP("Notification", "Programs")},
    {ViolationCategory::Processes, QT_TRANSLATE_NOOP("Notification", "Processes")},
    {ViolationCategory::Ports, QT_TRANSLATE_NOOP("Notification", "Ports")},
    {ViolationCategory::NetworkInterfaces, QT_TRANSLATE_NOOP("Notification", "Network Interfaces")},
    {ViolationCategory::OsInfo, QT_TRANSLATE_NOOP("Notification", "Operating System Information")},
    {ViolationCategory::HardwareInfo, QT_TRANSLATE_NOOP("Notification", "Hardware Information")},
    {ViolationCategory::Registry, QT_TRANSLATE_NOOP("Notification", "Registry")},
    {ViolationCategory::Firewall, QT_TRANSLATE_NOOP("Notification", "Windows Firewall")},
    {ViolationCategory::TrustedCertificates, QT_TRANSLATE_NOOP("Notification", "Trusted Certificates")},
    {ViolationCategory::ClientCertificates, QT_TRANSLATE_NOOP("Notification", "Client Certificate")},
    {ViolationCategory::Vpn, QT_TRANSLATE_NOOP("Notification", "VPN")},
    {ViolationCategory::Antivirus, QT_TRANSLATE_NOOP("Notification", "Windows Antivirus")},
    {ViolationCategory::Files, QT_TRANSLATE_NOOP("Notification", "Files")},
    {ViolationCategory::AutorunPrograms, QT_TRANSLATE_NOOP("Notification", "Windows Autorun")},
    {ViolationCategory::SmbShares, QT_TRANSLATE_NOOP("Notification", "SMB Shares")},
};

// Whether a setting is on or off is the whole finding in these categories: their groups show no items.
bool isStatusOnly(ViolationCategory category)
{
    return category == ViolationCategory::Firewall || category == ViolationCategory::Antivirus ||
           category == ViolationCategory::SmbShares;
}

struct Title
{
    const char* condition;
    const char* category;
    const char* heading;
};

constexpr Title titleEntries[] = {
    {"INSTALLED", "Programs", QT_TRANSLATE_NOOP("Notification", "Malicious Applications Installed")},
    {"INSTALLED", "Operating System Information",
     QT_TRANSLATE_NOOP("Notification", "Operating System Version Mismatch")},
    {"INSTALLED", "Trusted Certificates", QT_TRANSLATE_NOOP("Notification", "Risky Certificate Installed")},
    {"INSTALLED", "Client Certificate", QT_TRANSLATE_NOOP("Notification", "Risky Certificate Installed")},
    {"INSTALLED", "Device Management",
     QT_TRANSLATE_NOOP("Notification", "Malicious Client Certificate Signed by the CA Certificate(s)")},
    {"INSTALLED", "VPN", QT_TRANSLATE_NOOP("Notification", "VPN Installed on the System")},
    {"NOT_INSTALLED", "Programs", QT_TRANSLATE_NOOP("Notification", "Mandatory Applications Not Installed")},
    {"NOT_INSTALLED", "Operating System Information",
     QT_TRANSLATE_NOOP("Notification", "Operating System Version Mismatch")},
    {"NOT_INSTALLED", "Trusted Certificates", QT_TRANSLATE_NOOP("Notification", "Mandatory Certificate Not Installed")},
    {"NOT_INSTALLED", "Client Certificate", QT_TRANSLATE_NOOP("Notification", "Mandatory Certificate Not Installed")},
    {"NOT_INSTALLED", "Device Management",
     QT_TRANSLATE_NOOP("Notification", "No Client Certificate Signed by the CA Certificate(s)")},
    {"NOT_INSTALLED", "VPN", QT_TRANSLATE_NOOP("Notification", "VPN Not Installed on the System")},
    {"RUNNING", "Processes", QT_TRANSLATE_NOOP("Notification", "Malicious Processes Running")},
    {"NOT_RUNNING", "Processes", QT_TRANSLATE_NOOP("Notification", "Mandatory Processes Not Running")},
    {"LISTENING", "Ports", QT_TRANSLATE_NOOP("Notification", "Risky Ports Open")},
    {"NOT_LISTENING", "Ports", QT_TRANSLATE_NOOP("Notification", "Mandatory Ports Closed")},
    {"ENABLED", "Windows Firewall", QT_TRANSLATE_NOOP("Notification", "Windows Firewall Enabled on the System")},
    {"ENABLED", "Windows Autorun", QT_TRANSLATE_NOOP("Notification", "Windows Autorun Enabled")},
    {"ENABLED", "Windows Antivirus", QT_TRANSLATE_NOOP("Notification", "Windows Antivirus Enabled")},
    {"ENABLED", "SMB Shares", QT_TRANSLATE_NOOP("Notification", "SMB Sharing Enabled")},
    {"DISABLED", "Windows Firewall", QT_TRANSLATE_NOOP("Notification", "Windows Firewall Disabled on the System")},
    {"DISABLED", "Windows Autorun", QT_TRANSLATE_NOOP("Notification", "Windows Autorun Disabled")},
    {"DISABLED", "Windows Antivirus", QT_TRANSLATE_NOOP("Notification", "Windows Antivirus Disabled")},
    {"DISABLED", "SMB Shares", QT_TRANSLATE_NOOP("Notification", "SMB Sharing Disabled")},
    {"EXISTS", "Files", QT_TRANSLATE_NOOP("Notification", "File(s) Found on the System")},
    {"EXISTS", "Registry", QT_TRANSLATE_NOOP("Notification", "Registry Key Mismatch")},
    {"NOT_EXISTS", "Files", QT_TRANSLATE_NOOP("Notification", "File(s) Missing from the System")},
    {"NOT_EXISTS", "Registry", QT_TRANSLATE_NOOP("Notification", "Registry Key Mismatch")},
};

// Heading by condition word, then by category name. One table for the whole run, never changed.
const QMap<QString, QMap<QString, QString>>& violationTitles()
{
    static const QMap<QString, QMap<QString, QString>> titles = [] {
        QMap<QString, QMap<QString, QString>> table;
        for (const Title& title : titleEntries)
            table[QString::fromLatin1(title.condition)].insert(QString::fromLatin1(title.category),
                                                               QString::fromLatin1(title.heading));
        return table;
    }();
    return titles;
}

// Groups of one condition are merged into one, in the order of their condition words; groups without items go.
QList<ViolationUnit> regrouped(const QList<ViolationUnit>& groups)
{
    QMap<QString, QList<ViolationItem>> byCondition;
    for (const ViolationUnit& group : groups) {
        if (!group.items.isEmpty())
            byCondition[group.condition].append(group.items);
    }
    QList<ViolationUnit> result;
    for (auto group = byCondition.cbegin(); group != byCondition.cend(); ++group)
        result.append({group.key(), group.value()});
    return result;
}

QString itemBullet()
{
    return QStringLiteral(" \u2022  ");
}

bool isOneOf(const QString& word, const char* first, const char* second)
{
    return word == QLatin1String(first) || word == QLatin1String(second);
}

// Row geometry, after the labels of a block: a grey title bar, indented headings, items and their details.
constexpr int titleHeight = 35;
constexpr int titleIndent = 5;
constexpr int headingIndent = 10;
constexpr int headingTop = 7;
constexpr int itemIndent = 15;
constexpr int detailsIndent = 40;
constexpr int rightPadding = 5;
constexpr int blockGap = 7;

} // namespace

class FindingModel : public RowListModel<FindingRow>
{
public:
    using RowListModel::RowListModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const FindingRow& finding = row(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return finding.text;
        // The bullet marks an item for the eye; a screen reader would say "bullet" before each one.
        case Qt::AccessibleTextRole:
            return finding.kind == Notification::Item && finding.text.startsWith(itemBullet())
                       ? finding.text.mid(itemBullet().size())
                       : finding.text;
        // Titles and headings are heard as what they are, and a screen reader counts only the items as the list's.
        case AccessibleRows::AccessibleRoleRole:
            return finding.kind == Notification::Item ? QVariant() : QVariant(int(QAccessible::Heading));
        case Notification::KindRole:
            return finding.kind;
        case Notification::DetailsRole:
            return finding.details;
        // Each line of the details ends with a break, the last one too: nothing after it is to be read.
        case Qt::AccessibleDescriptionRole:
            return finding.details.trimmed();
        default:
            return {};
        }
    }

    bool endsBlock(const QModelIndex& index) const { return row(index.row()).endsBlock; }
};

class FindingDelegate : public QAbstractItemDelegate
{
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        useFont(option.font);
        const int width = SubScreenList::rowWidth(option);
        const QRect& row = option.rect;
        const QString text = index.data().toString();
        const QColor black(Qt::black);
        switch (index.data(Notification::KindRole).toInt()) {
        case Notification::CategoryTitle: {
            const QRect bar(row.left(), row.top(), row.width(), titleHeight);
            painter->fillRect(bar, QColor(Qt::lightGray));
            const int textHeight = qMin(titleText.height(text, width - titleIndent - rightPadding), titleHeight);
            titleText.draw(painter,
                           QRect(row.left() + titleIndent, row.top() + (titleHeight - textHeight) / 2,
                                 width - titleIndent - rightPadding, textHeight),
                           text, black);
            break;
        }
        case Notification::Heading:
            headingText.draw(painter,
                             QRect(row.left() + headingIndent, row.top() + headingTop,
                                   width - headingIndent - rightPadding, row.height()),
                             text, black);
            break;
        default: {
            const int nameHeight = itemText.height(text, width - itemIndent - rightPadding);
            itemText.draw(painter,
                          QRect(row.left() + itemIndent, row.top(), width - itemIndent - rightPadding, nameHeight),
                          text, black);
            itemText.draw(painter,
                          QRect(row.left() + detailsIndent, row.top() + nameHeight,
                                width - detailsIndent - rightPadding, row.height() - nameHeight),
                          index.data(Notification::DetailsRole).toString(), black);
            break;
        }
        }
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        useFont(option.font);
        const int width = SubScreenList::rowWidth(option);
        const QString text = index.data().toString();
        int height = 0;
        switch (index.data(Notification::KindRole).toInt()) {
        case Notification::CategoryTitle:
            height = titleHeight;
            break;
        case Notification::Heading:
            height = headingTop + headingText.height(text, width - headingIndent - rightPadding);
            break;
        default:
            height =
                itemText.height(text, width - itemIndent - rightPadding) +
                itemText.height(index.data(Notification::DetailsRole).toString(), width - detailsIndent - rightPadding);
            break;
        }
        if (static_cast<const FindingModel*>(index.model())->endsBlock(index))
            height += blockGap;
        return {0, height};
    }

private:
    void useFont(const QFont& font) const
    {
        if (font == baseFont)
            return;
        baseFont = font;
        QFont bold = font;
        bold.setBold(true);
        headingText = RowText(bold);
        bold.setPixelSize(16);
        titleText = RowText(bold);
        itemText = RowText(font);
    }

    mutable QFont baseFont;
    mutable RowText titleText;
    mutable RowText headingText;
    mutable RowText itemText;
};

Notification::Notification(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Notification>()), findings(new FindingModel(this)),
      delegate(new FindingDelegate(this))
{
    ui->setupUi(this);
    widthLimit = window()->width() * 80 / 100;

    ui->listArea->setModel(findings, delegate, ui->titleBar->title(), AccessibleRows::RowUse::Read);
    ui->listArea->view()->setObjectName(QStringLiteral("violations list"));

    connect(ui->titleBar, &SubScreenTitleBar::backClicked, this, &Notification::backClicked);
    ScreenLook::escapeGoesBack(this, ui->titleBar->back());
}

Notification::~Notification() = default;

void Notification::clearListing()
{
    ui->listArea->clear();
}

void Notification::showInformation(const QString& text)
{
    ui->listArea->showInformation(text);
}

void Notification::backClicked()
{
    clearListing();
    emit goSettings();
    emit stopSpinner();
}

void Notification::listViolations(Response VexaResp, QString errorMessage)
{
    if (!errorMessage.isEmpty()) {
        ui->listArea->showInformation(errorMessage);
        return;
    }
    const QString bullet = itemBullet();
    auto itemText = [&](ViolationCategory category, const QString& condition, const ViolationItem& item) -> QString {
        if (category == ViolationCategory::Files)
            return bullet + item.path;
        if (category == ViolationCategory::OsInfo) {
            if (isOneOf(condition, "MATCH", "INSTALLED"))
                return bullet + tr("Unexpected operating system found: %1").arg(item.name);
            if (isOneOf(condition, "NOT_MATCH", "NOT_INSTALLED"))
                return bullet + tr("Expected operating system: %1").arg(item.name);
            return insertBreakBlanks(bullet + item.name, widthLimit);
        }
        if (category == ViolationCategory::Registry) {
            if (condition == QLatin1String("NOT_EXISTS"))
                return bullet + tr("Expected Registry entry: %1").arg(item.path);
            if (condition == QLatin1String("EXISTS"))
                return bullet + tr("Unexpected Registry entry found: %1").arg(item.path);
            return insertBreakBlanks(bullet + item.name, widthLimit);
        }
        return bullet + item.name;
    };
    auto details = [](ViolationCategory category, const ViolationItem& item) -> QString {
        QString text;
        for (const ViolationAttribute& attribute : item.attributes) {
            // Each attribute starts on a line of its own, also after a key and value that end without a break.
            if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
                text += QLatin1Char('\n');
            if (!attribute.vendor.isEmpty())
                text += tr("Vendor: %1").arg(attribute.vendor) + QLatin1Char('\n');
            if (!attribute.version.isEmpty())
                text += (category == ViolationCategory::OsInfo ? attribute.version
                                                               : tr("Version: %1").arg(attribute.version)) +
                        QLatin1Char('\n');
            if (!attribute.command.isEmpty())
                text += tr("Command: %1").arg(attribute.command) + QLatin1Char('\n');
            if (!attribute.condition.isEmpty())
                text += tr("Condition: %1").arg(attribute.condition) + QLatin1Char('\n');
            if (!attribute.protocol.isEmpty())
                text += tr("Protocol: %1").arg(attribute.protocol) + QLatin1Char('\n');
            if (!attribute.key.isEmpty() && !attribute.value.isEmpty())
                //: A registry key and its value.
                text += tr("%1: %2").arg(attribute.key, attribute.value);
            else if (!attribute.key.isEmpty())
                text += tr("Key: %1").arg(attribute.key);
            else if (!attribute.value.isEmpty())
                text += tr("Value: %1").arg(attribute.value);
        }
        return text;
    };

    QVector<FindingRow> rows;
    for (const Category& category : categories) {
        const QList<ViolationUnit>& groups = VexaResp.violationsOf(category.source);
        if (groups.isEmpty())
            continue;
        const QString name = QString::fromLatin1(category.name);
        rows.append({CategoryTitle, insertBreakBlanks(tr(category.name), widthLimit), {}, false});
        const bool statusOnly = isStatusOnly(category.source);
        for (const ViolationUnit& group : statusOnly ? groups : regrouped(groups)) {
            const QMap<QString, QString> headings = violationTitles().value(group.condition);
            const auto heading = headings.constFind(name);
            rows.append({Heading,
                         insertBreakBlanks(heading != headings.cend() ? tr(qUtf8Printable(*heading))
                                                                      : tr("Condition: %1").arg(group.condition),
                                           widthLimit),
                         {},
                         false});
            if (statusOnly)
                continue;
            for (const ViolationItem& item : group.items)
                rows.append({Item, itemText(category.source, group.condition, item),
                             insertBreakBlanks(details(category.source, item), widthLimit), false});
        }
        rows.last().endsBlock = true;
    }

    if (rows.isEmpty()) {
        ui->listArea->showInformation(tr("No notifications"));
        return;
    }
    findings->setRows(std::move(rows));
    ui->listArea->showRows();
}
