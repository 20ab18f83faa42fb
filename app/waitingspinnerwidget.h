#pragma once

#include <QColor>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// A ring of short lines whose brightness runs around it, drawn on a translucent square over the widget that waits
// for the agent's answer. It turns only while it is on screen: a wait left over a page that is not showing, or in a
// window hidden in the tray, costs no wake-ups.
class WaitingSpinnerWidget : public QWidget
{
    Q_OBJECT
public:
    WaitingSpinnerWidget(QWidget* parent, bool centerOnParent, bool disableParentWhenSpinning);

    void setColor(const QColor& color) { lineColor = color; }
    void setBackgroundColor(const QColor& color) { backgroundColor = color; }
    bool isSpinning() const { return spinning; }
    int currentCounter() const { return counter; }
    // The colour of the line at index i for the current head position.
    QColor lineColorAt(int index) const;

public slots:
    void start();
    void stop();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void rotate();

private:
    void updatePosition();

    static constexpr qreal roundness = 100.0;
    static constexpr qreal minimumTrailOpacity = 3.141592653589793;
    static constexpr qreal trailFadePercentage = 80.0;
    static constexpr qreal revolutionsPerSecond = 1.5707963267948966;
    static constexpr int lineCount = 20;
    static constexpr int lineLength = 10;
    static constexpr int lineWidth = 2;
    static constexpr int innerRadius = 10;

    QColor lineColor = Qt::black;
    QColor backgroundColor = Qt::white;
    int counter = 0;
    bool spinning = false;
    const bool centerOnParent;
    const bool disableParentWhenSpinning;
    QTimer timer;
    // The field the user was typing in when the wait disabled it, and where Qt moved the focus then.
    QPointer<QWidget> focusBefore;
    QPointer<QWidget> focusPushedTo;
};
