#pragma once

#include <QObject>
#include <QPointer>

class StatusModel;
class SupportPreview;
class QWidget;

// The way from the settings page and the tray to a saved report: the preview over the window, one at a time. The
// report tells the window's status in words.
class SupportReportFlow : public QObject
{
    Q_OBJECT
public:
    SupportReportFlow(StatusModel* status, QWidget* window);

    void open();

private:
    QWidget* window;
    QPointer<SupportPreview> preview;
};
