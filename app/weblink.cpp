#include "app/weblink.h"

#include "app/brandprofile.h"
#include "app/modaldialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

void showAddress(const QString& hint, const QString& address, QWidget* parent)
{
    auto* box = new QMessageBox(QMessageBox::Information, brand().displayName, hint + QStringLiteral("\n\n") + address,
                                QMessageBox::Close, parent);
    // The address may come from the agent: text, never markup.
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPushButton* copy = box->addButton(QCoreApplication::translate("WebLink", "Copy address"), QMessageBox::AcceptRole);
    box->setDefaultButton(copy);
    ModalDialog::open(box, [box, copy, address](int) {
        if (box->clickedButton() == copy)
            QGuiApplication::clipboard()->setText(address);
    });
}

QString webAddressHint()
{
    return QCoreApplication::translate("WebLink",
                                       "No application could open this address. Copy it into your web browser:");
}

} // namespace

bool openWebLinkFromAgent(const QString& address, QWidget* parent)
{
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return false;
    if (QDesktopServices::openUrl(url))
        return true;
    if (parent)
        showAddress(webAddressHint(), url.toString(), parent);
    return false;
}

void openLink(const QUrl& url, QWidget* parent)
{
    if (url.isEmpty() || QDesktopServices::openUrl(url))
        return;
    // A folder is found by its path in a file manager, not in a web browser.
    if (url.isLocalFile())
        showAddress(QCoreApplication::translate("WebLink",
                                                "No application could open this folder. Open it in your file manager:"),
                    QDir::toNativeSeparators(url.toLocalFile()), parent);
    else
        showAddress(webAddressHint(), url.toString(), parent);
}
