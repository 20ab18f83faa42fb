#include "app/screenlook.h"

#include "app/assistiveroles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QResource>
#include <QTextEdit>

namespace {

// Grey on white at 4.6:1: lighter than typed text yet still readable.
const QColor placeholderColor(0x75, 0x75, 0x75);

class PlaceholderTint : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::Polish)
            tint(static_cast<QWidget*>(watched));
        return false;
    }

    static void tint(QWidget* field)
    {
        // The check ends the recursion: setPalette raises another PaletteChange.
        if (field->palette().color(QPalette::PlaceholderText) == placeholderColor)
            return;
        QPalette palette = field->palette();
        palette.setColor(QPalette::PlaceholderText, placeholderColor);
        field->setPalette(palette);
    }
};

class EscapeGoesBack : public QObject
{
public:
    EscapeGoesBack(QObject* screen, QAbstractButton* back) : QObject(screen), back(back) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        if (!back || !back->isVisible() || !back->isEnabled())
            return false;
        back->click();
        return true;
    }

private:
    QPointer<QAbstractButton> back;
};

// A frame drawn around the focused control, in the control's parent so that it scrolls and hides with it.
// Whoever comes to a screen with a field comes to type: a code typed at once must not go to a button instead.
class FocusOnShow : public QObject
{
public:
    FocusOnShow(QWidget* screen, QWidget* field) : QObject(screen), field(field) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && field->isEnabled())
            field->setFocus(Qt::OtherFocusReason);
        return false;
    }

private:
    QWidget* field;
};

class FocusRing : public QWidget
{
public:
    explicit FocusRing(QWidget* window) : QWidget(window), window(window)
    {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        // Only the frame is drawn: the screens' style sheets would otherwise fill the ring over the control.
        setStyleSheet(QStringLiteral("background: transparent;"));
        hide();
    }

    QWidget* followed() const { return target; }

    void follow(QWidget* focused)
    {
        if (target)
            target->removeEventFilter(this);
        target = focused;
        if (!focused || focused->window() != window || !focused->parentWidget()) {
            hide();
            return;
        }
        focused->installEventFilter(this);
        setParent(focused->parentWidget());
        place();
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == target && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
            place();
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        // Dark inside, white outside: seen on the white pages and on the brand-coloured title bars alike.
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(QPen(QColor(0x1A, 0x1A, 0x1A), 2));
        painter.drawRect(rect().adjusted(2, 2, -2, -2));
    }

private:
    static constexpr int ringWidth = 3;

    void place()
    {
        // Kept inside the parent, where a control filling it would otherwise lose the ring to clipping.
        setGeometry(target->geometry()
                        .adjusted(-ringWidth, -ringWidth, ringWidth, ringWidth)
                        .intersected(parentWidget()->rect()));
        raise();
    }

    QWidget* window;
    QPointer<QWidget> target;
};

// Shows the ring while the keyboard is in use (from the first key pressed in the window until the next mouse
// press), the way focus is shown only to keyboard users elsewhere. The ring lives in the focused control's parent and
// goes when that parent goes; a new one takes its place.
int& followUpMs()
{
    // Long enough for a key's own screen change (Return on a button) to keep the ring; an agent's comes later.
    static int milliseconds = 1500;
    return milliseconds;
}

class KeyboardFocusWatch : public QObject
{
public:
    explicit KeyboardFocusWatch(QWidget* window) : QObject(window), window(window)
    {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { update(now); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool key = event->type() == QEvent::KeyPress;
        if ((key || event->type() == QEvent::MouseButtonPress) && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window) {
            if (key)
                lastKey.start();
            if (keyboardInUse != key) {
                keyboardInUse = key;
                update(QApplication::focusWidget());
            }
        }
        return false;
    }

private:
    void update(QWidget* focused)
    {
        if (!ring)
            ring = new FocusRing(window);
        // Focus that moves long after the last key moved because the screen changed on its own (the agent's
        // doing): whoever sits there now may be using the mouse. The ring comes back with the next key.
        if (keyboardInUse && focused != ring->followed() && lastKey.isValid() && lastKey.elapsed() > followUpMs())
            keyboardInUse = false;
        ring->follow(keyboardInUse ? focused : nullptr);
    }

    QWidget* window;
    QPointer<FocusRing> ring;
    bool keyboardInUse = false;
    QElapsedTimer lastKey;
};

class ReturnPressesButtons : public QObject
{
public:
    explicit ReturnPressesButtons(QWidget* window) : QObject(window), window(window) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || button->window() != window || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }

private:
    QWidget* window;
};

void watch(QWidget* field)
{
    field->installEventFilter(new PlaceholderTint(field));
    PlaceholderTint::tint(field);
}

} // namespace

namespace ScreenLook {

void showFitted(QLabel* label, const QPixmap& image, const QSize& box)
{
    // The screens' artwork illustrates what their words say; a screen reader skips it.
    AssistiveRoles::markDecorative(label);
    label->setScaledContents(false);
    label->setAlignment(Qt::AlignCenter);
    // Sizes in points: a picture already fitted at the screen's pixel ratio keeps its pixels.
    const qreal ratio = image.devicePixelRatioF();
    const QSizeF points = QSizeF(image.size()) / ratio;
    if (points.width() <= box.width() && points.height() <= box.height()) {
        label->setPixmap(image);
        return;
    }
    QPixmap fitted = image.scaled(box * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    label->setPixmap(fitted);
}

void lightenPlaceholders(QWidget* screen)
{
    for (QLineEdit* field : screen->findChildren<QLineEdit*>())
        watch(field);
    for (QTextEdit* field : screen->findChildren<QTextEdit*>())
        watch(field);
    for (QPlainTextEdit* field : screen->findChildren<QPlainTextEdit*>())
        watch(field);
}

void escapeGoesBack(QWidget* screen, QAbstractButton* back)
{
    screen->installEventFilter(new EscapeGoesBack(screen, back));
}

void focusOnShow(QWidget* screen, QWidget* field)
{
    screen->installEventFilter(new FocusOnShow(screen, field));
}

void showKeyboardFocus(QWidget* window)
{
    new KeyboardFocusWatch(window);
}

void setKeyboardFollowUpMs(int milliseconds)
{
    followUpMs() = milliseconds;
}

void returnPressesButtons(QWidget* window)
{
    new ReturnPressesButtons(window);
}

void showMark(QAbstractButton* button, const QIcon& icon, QWidget* told, const QString& words)
{
    if (button->icon().cacheKey() != icon.cacheKey())
        button->setIcon(icon);
    if (told->accessibleDescription() != words)
        told->setAccessibleDescription(words);
}

void useBundledFont()
{
    for (const QString& path : {QStringLiteral(":/fonts/Ubuntu-R.ttf"), QStringLiteral(":/fonts/Ubuntu-B.ttf")}) {
        // Straight from the program's own bytes: added by its path, a face would be read into memory twice, once by
        // the font database and once more by the font engine.
        const QResource face(path);
        if (face.compressionAlgorithm() == QResource::NoCompression)
            QFontDatabase::addApplicationFontFromData(
                QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()), int(face.size())));
        else
            QFontDatabase::addApplicationFont(path);
    }
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Ubuntu"));
    QApplication::setFont(font);
}

} // namespace ScreenLook
