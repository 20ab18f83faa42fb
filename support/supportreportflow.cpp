#include "support/supportreportflow.h"

#include "app/modaldialog.h"
#include "support/supportpreview.h"

SupportReportFlow::SupportReportFlow(StatusModel* status, QWidget* window) : QObject(window), window(window)
{
    SupportLog::instance()->watch(status);
}

void SupportReportFlow::open()
{
    if (preview) {
        preview->raise();
        preview->activateWindow();
        return;
    }
    preview = new SupportPreview(SupportReport::collect(*SupportLog::instance()), window);
    ModalDialog::open(preview);
}
