#pragma once

#include <QPointer>
#include <QSplashScreen>
#include <QWidget>

class MySplashScreen : public QSplashScreen
{
    Q_OBJECT
public:
    using QSplashScreen::QSplashScreen;
};

// Off-screen canvas for the splash picture: the brand's splash image centred on the primary colour. It is rendered
// once with grab() and handed to the splash screen as a pixmap.
class SplashWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Builds and shows the splash; the screen is closed by finish() once the main window exists, and then goes with its
// picture and window, which would otherwise stay in memory for the whole run.
class SplashHandOff
{
public:
    SplashHandOff();
    void finish(QWidget* mainWindow);

private:
    QPointer<MySplashScreen> splash;
};
