#pragma once

#include "support/supportreport.h"

#include <QDialog>
#include <memory>

namespace Ui {
class SupportPreview;
}
class QPushButton;

// Shows what the support report holds before anything is written: its files, the summary and what was left out
// for privacy. The user copies the summary or saves the report where they choose.
class SupportPreview : public QDialog
{
    Q_OBJECT
public:
    SupportPreview(SupportReport report, QWidget* parent);
    ~SupportPreview() override;

    // The file chooser's first suggestion: `<brand>-support-<date>-<time>.zip` in Documents, or home without one.
    static QString suggestedPath(const QDateTime& localTime);

private:
    void copySummary();
    void chooseFile();
    void save(const QString& path);
    void tellWhereSaved(const QString& path);
    void giveWrappedTextsTheirHeight();

    std::unique_ptr<Ui::SupportPreview> ui;
    const SupportReport report;
    QPushButton* copyButton;
    QPushButton* saveButton;
};
