#include "app/waitingspinnerwidget.h"

#include "app/assistiveroles.h"

#include <QPainter>
#include <cmath>

WaitingSpinnerWidget::WaitingSpinnerWidget(QWidget* parent, bool centerOnParent, bool disableParentWhenSpinning)
    : QWidget(parent), centerOnParent(centerOnParent), disableParentWhenSpinning(disableParentWhenSpinning), timer(this)
{
    const int side = (innerRadius + lineLength) * 2;
    setFixedSize(side, side);
    timer.setInterval(static_cast<int>(1000 / (lineCount * revolutionsPerSecond)));
    connect(&timer, &QTimer::timeout, this, &WaitingSpinnerWidget::rotate);
    AssistiveRoles::markBusyIndicator(this);
    setAccessibleName(tr("Please wait"));
    hide();
}

void WaitingSpinnerWidget::start()
{
    updatePosition();
    if (!timer.isActive())
        counter = 0;
    spinning = true;
    // Starts the turning through showEvent, at once or, under a hidden ancestor, once that is shown.
    show();
    if (parentWidget() && disableParentWhenSpinning) {
        QWidget* focus = window()->focusWidget();
        focusBefore = focus && parentWidget()->isAncestorOf(focus) ? focus : nullptr;
        parentWidget()->setEnabled(false);
        focusPushedTo = window()->focusWidget();
    }
}

void WaitingSpinnerWidget::stop()
{
    const bool wasSpinning = spinning;
    spinning = false;
    hide();
    if (parentWidget() && disableParentWhenSpinning) {
        parentWidget()->setEnabled(true);
        // Disabling pushed the keyboard out of the field; unless the user has put it elsewhere since, it goes back,
        // so that whatever is typed next after an answer is not lost.
        if (focusBefore && focusBefore->isVisible() && focusBefore->isEnabled() &&
            window()->focusWidget() == focusPushedTo)
            focusBefore->setFocus(Qt::OtherFocusReason);
        focusBefore = nullptr;
    }
    timer.stop();
    if (wasSpinning)
        counter = 0;
}

void WaitingSpinnerWidget::showEvent(QShowEvent*)
{
    if (spinning && !timer.isActive())
        timer.start();
}

// Also for a page switched away, a window hidden in the tray or minimised (a spontaneous hide).
void WaitingSpinnerWidget::hideEvent(QHideEvent*)
{
    timer.stop();
}

void WaitingSpinnerWidget::rotate()
{
    counter = (counter + 1) % lineCount;
    update();
}

void WaitingSpinnerWidget::updatePosition()
{
    if (parentWidget() && centerOnParent)
        move(parentWidget()->width() / 2 - width() / 2, parentWidget()->height() / 2 - height() / 2);
}

QColor WaitingSpinnerWidget::lineColorAt(int index) const
{
    int distance = counter - index;
    if (distance < 0)
        distance += lineCount;
    QColor color = lineColor;
    if (distance == 0)
        return color;
    const qreal minAlpha = minimumTrailOpacity / 100.0;
    const int threshold = static_cast<int>(std::ceil((lineCount - 1) * trailFadePercentage / 100.0));
    if (distance > threshold) {
        color.setAlphaF(minAlpha);
    } else {
        const qreal alpha = color.alphaF();
        const qreal faded = alpha - distance * (alpha - minAlpha) / (threshold + 1);
        color.setAlphaF(qBound(0.0, faded, 1.0));
    }
    return color;
}

void WaitingSpinnerWidget::paintEvent(QPaintEvent*)
{
    updatePosition();
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (counter >= lineCount)
        counter = 0;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < lineCount; ++i) {
        painter.save();
        painter.translate(innerRadius + lineLength, innerRadius + lineLength);
        painter.rotate(360.0 * i / lineCount);
        painter.translate(innerRadius, 0);
        painter.setBrush(lineColorAt(i));
        painter.drawRoundedRect(QRect(0, -(lineWidth / 2), lineLength, lineWidth), roundness, roundness,
                                Qt::RelativeSize);
        painter.restore();
    }
}
