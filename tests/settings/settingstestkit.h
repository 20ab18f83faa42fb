#pragma once

#include "app/brandprofile.h"
#include "app/modaldialog.h"
#include "settings/settings.h"
#include "tests/support/agentlink.h"
#include "tests/support/testsupport.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <functional>
#include <memory>
#include <optional>

// A session as the agent reports it for a signed-in user with the tunnel up: every row of the page has a value.
inline AgentInfo connectedUser()
{
    AgentInfo info;
    info.activationState = 1;
    info.email = QStringLiteral("ann@acme.example");
    info.devName = QStringLiteral("laptop-7");
    info.dataAvailable = true;
    info.edrEnabled = true;
    info.edrStatus = 2;
    info.dpmEnabled = true;
    info.userIdMethod = 1;
    info.deactCfg = 1;
    SecconnInfo& s = info.secconn;
    s.enabled = true;
    s.status = 2;
    s.intfName = QStringLiteral("eth0");
    s.privateIp = QStringLiteral("10.1.2.3");
    s.publicIp = QStringLiteral("198.51.100.7");
    s.pagName = QStringLiteral("Frankfurt 1");
    s.pagIp = QStringLiteral("203.0.113.9");
    s.tryMe = QStringLiteral("https://tryme.example/");
    s.tunnelIp = QStringLiteral("100.64.0.2");
    s.pagSelectionAllowed = true;
    s.peerDiscoveryAllowed = true;
    return info;
}

// The settings page under a chosen brand, linked to a fake agent over loopback; snapshots are handed to it the way
// the main window does, each with the one before.
class SettingsPage
{
public:
    explicit SettingsPage(const char* brandName = "dovrin")
        : scope(brandProfileNamed(QString::fromLatin1(brandName))), page(std::make_unique<Settings>())
    {}

    void update(const AgentInfo& info)
    {
        page->updateInfo(info, previous ? &*previous : nullptr);
        previous = info;
    }

    // The page's own widget of that name: the sub-screens reuse names such as "backButton" and "statusMessage".
    template <typename T = QWidget> T* child(const char* name) const
    {
        const auto* stack = page->findChild<QStackedWidget*>(QStringLiteral("settingsStack"));
        for (T* candidate : page->findChildren<T*>(QString::fromLatin1(name))) {
            bool inSubScreen = false;
            for (int index = Settings::FeedbackPage; index < stack->count(); ++index)
                inSubScreen = inSubScreen || stack->widget(index)->isAncestorOf(candidate);
            if (!inSubScreen)
                return candidate;
        }
        return nullptr;
    }
    QLabel* label(const char* name) const { return child<QLabel>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    // Hidden by the page itself (the page is never shown, so visibility cannot be asked).
    bool shown(const char* name) const { return !child(name)->isHidden(); }
    // A caption and value pair: its value when shown, empty when the row is hidden.
    QString row(const char* valueName) const
    {
        const QLabel* value = label(valueName);
        const QLabel* caption = label((QByteArray(valueName) + "Label").constData());
        if (value->isHidden() != caption->isHidden())
            return QStringLiteral("<caption and value disagree>");
        return value->isHidden() ? QString() : value->text();
    }

    ScopedBrandProfile scope;
    AgentLink link;
    std::unique_ptr<Settings> page;
    std::optional<AgentInfo> previous;
};

// What a dialog showed when it was opened.
struct Prompt
{
    QString kind; // "box" or "input"
    QString title;
    QString text;
    QWidget* parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QMessageBox::StandardButtons standardButtons;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    QString initialText;
    QString informativeText;
    QString defaultButton;
    QString refusal; // what an input dialog said when it stayed open on OK; empty when OK closed it
};

// Answers every dialog instead of a person: presses the button with the given text, or types a text into an input
// dialog and presses OK. An empty answer closes the dialog without a choice, and so does a person whose OK the
// input dialog refused.
class Dialogs
{
public:
    Dialogs()
    {
        ModalDialog::setAnswerer([this](QDialog& dialog) {
            if (beforeAnswer)
                beforeAnswer();
            return answer(dialog);
        });
    }
    ~Dialogs() { ModalDialog::setAnswerer({}); }

    QString press;      // button text for message boxes
    QString type;       // text for input dialogs
    bool accept = true; // for input dialogs
    std::function<void()> beforeAnswer;
    QList<Prompt> seen;

private:
    int answer(QDialog& dialog)
    {
        Prompt prompt;
        prompt.title = dialog.windowTitle();
        prompt.parent = dialog.parentWidget();
        if (auto* input = qobject_cast<QInputDialog*>(&dialog)) {
            prompt.kind = QStringLiteral("input");
            prompt.text = input->labelText();
            prompt.echo = input->textEchoMode();
            prompt.initialText = input->textValue();
            if (!accept) {
                seen.append(prompt);
                return QDialog::Rejected;
            }
            input->setTextValue(type);
            input->accept();
            if (input->result() != QDialog::Accepted)
                prompt.refusal = input->labelText();
            seen.append(prompt);
            return input->result();
        }
        auto& box = static_cast<QMessageBox&>(dialog);
        prompt.kind = QStringLiteral("box");
        prompt.text = box.text();
        prompt.icon = box.icon();
        prompt.standardButtons = box.standardButtons();
        prompt.informativeText = box.informativeText();
        if (box.defaultButton())
            prompt.defaultButton = box.defaultButton()->text().remove(QLatin1Char('&'));
        for (QAbstractButton* button : box.buttons())
            prompt.buttons.append(button->text().remove(QLatin1Char('&')));
        QAbstractButton* chosen = buttonNamed(box, press);
        seen.append(prompt);
        if (!chosen)
            return QMessageBox::Escape;
        chosen->click();
        return box.standardButton(chosen);
    }
};
