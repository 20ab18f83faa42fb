#include "app/herald.h"

#include "app/livelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>
#include <utility>

namespace {

const char* const newsProperty = "vexauiNews";

class VoiceAccessible : public QAccessibleWidget
{
public:
    explicit VoiceAccessible(QWidget* voice) : QAccessibleWidget(voice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return widget()->property(newsProperty).toString();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* voiceFactory(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && object->property(newsProperty).isValid())
        return new VoiceAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

Herald::Herald(QWidget* screen) : QObject(screen), voice(new QWidget(screen))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(voiceFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    voice->setObjectName(QStringLiteral("herald"));
    voice->setProperty(newsProperty, QString());
    voice->setGeometry(0, 0, 0, 0);
    voice->hide();
    pending.setSingleShot(true);
    pending.setInterval(0);
    connect(&pending, &QTimer::timeout, this, &Herald::gatherNews);
    screen->installEventFilter(this);
}

bool Herald::eventFilter(QObject* watched, QEvent* event)
{
    // A voice left showing would become showing again with its screen and say its old news once more.
    if (watched == voice->parentWidget() && event->type() == QEvent::Hide)
        voice->hide();
    return QObject::eventFilter(watched, event);
}

void Herald::follow(LiveLabel* line)
{
    lines.append({line, spokenText(line)});
    connect(line, &LiveLabel::textChanged, &pending, qOverload<>(&QTimer::start));
}

QString Herald::spokenText(const LiveLabel* label)
{
    // A line whose text moves (the loading dots) names what it says once, as its accessible name.
    const QString named = label->accessibleName();
    return named.isEmpty() ? label->text() : named;
}

void Herald::screenArrives()
{
    arriving = true;
    pending.start();
}

QString Herald::spokenForm(const QString& shown)
{
    // A separating dot reads as the pause it stands for; the ellipsis and the bullet are for the eye alone.
    static const QRegularExpression separator(QStringLiteral("\\s*\\x{00B7}\\s*"));
    static const QRegularExpression marks(QStringLiteral("[\\x{2026}\\x{2022}]"));
    QString spoken = shown;
    spoken.replace(separator, QStringLiteral(", "));
    spoken.remove(marks);
    return spoken.trimmed();
}

void Herald::gatherNews()
{
    const bool told = !std::exchange(arriving, false);
    QStringList news;
    for (Line& line : lines) {
        const QString now = spokenText(line.label);
        // The headline and the status line may say the same words ("You're connected!"): once is enough.
        if (now != line.heard && !now.isEmpty() && !line.label->isHidden() && !news.contains(now))
            news << now;
        line.heard = now;
    }
    if (told && !news.isEmpty())
        say(news.join(QLatin1Char(' ')));
}

void Herald::say(const QString& news)
{
    const QString spoken = spokenForm(news);
    // News of a screen out of sight would be said when the screen comes, as if it were new.
    if (spoken.isEmpty() || !voice->parentWidget()->isVisible())
        return;
    voice->setProperty(newsProperty, spoken);
    // Orca speaks a notification when it becomes showing, not when its text changes.
    voice->hide();
    voice->show();
}
