#include "support/supportpreview.h"

#include "app/modaldialog.h"
#include "app/weblink.h"
#include "ui_supportpreview.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

SupportPreview::SupportPreview(SupportReport supportReport, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::SupportPreview>()), report(std::move(supportReport))
{
    ui->setupUi(this);
    copyButton = ui->buttons->addButton(tr("Copy summary"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("copySummaryButton"));
    saveButton = ui->buttons->addButton(tr("Save…"), QDialogButtonBox::AcceptRole);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setDefault(true);

    QStringList contents;
    for (const ReportFile& file : report.files())
        contents.append(QStringLiteral("•  %1: %2").arg(file.name, SupportReport::describe(file)));
    ui->contentsList->setText(contents.join(QLatin1Char('\n')));
    ui->summary->setPlainText(report.summary());
    ui->copiedLabel->hide();
    giveWrappedTextsTheirHeight();

    connect(copyButton, &QPushButton::clicked, this, &SupportPreview::copySummary);
    connect(ui->buttons, &QDialogButtonBox::accepted, this, &SupportPreview::chooseFile);
    connect(ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

SupportPreview::~SupportPreview() = default;

// A dialog's layout gives a wrapped label only the height of its text on one line; in a longer language the last
// files of the list went under the summary. Each label is given the height its text takes at the dialog's width.
void SupportPreview::giveWrappedTextsTheirHeight()
{
    ensurePolished();
    const QMargins margins = layout()->contentsMargins();
    const int width = qMax(minimumWidth(), this->width()) - margins.left() - margins.right();
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->wordWrap())
            label->setMinimumHeight(label->heightForWidth(width));
    }
}

QString SupportPreview::suggestedPath(const QDateTime& localTime)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(SupportReport::defaultFileName(localTime));
}

void SupportPreview::copySummary()
{
    QGuiApplication::clipboard()->setText(report.summary());
    ui->copiedLabel->setText(tr("The summary is on the clipboard."));
    ui->copiedLabel->show();
    giveWrappedTextsTheirHeight();
}

void SupportPreview::chooseFile()
{
    auto* chooser = new QFileDialog(this, tr("Save support report"), suggestedPath(QDateTime::currentDateTime()),
                                    tr("Zip archives (*.zip)"));
    chooser->setObjectName(QStringLiteral("supportReportChooser"));
    chooser->setAcceptMode(QFileDialog::AcceptSave);
    chooser->setDefaultSuffix(QStringLiteral("zip"));
    ModalDialog::open(chooser, [this, chooser](int result) {
        if (result == QDialog::Accepted && !chooser->selectedFiles().isEmpty())
            save(chooser->selectedFiles().constFirst());
    });
}

void SupportPreview::save(const QString& path)
{
    QString error;
    if (report.save(path, &error)) {
        tellWhereSaved(path);
        accept();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                                tr("The support report could not be saved: %1").arg(error), QMessageBox::Ok, this);
    box->setTextFormat(Qt::PlainText);
    ModalDialog::open(box);
}

// The helpdesk asks for the file next: the user is told where it went, and can open its folder to attach it.
void SupportPreview::tellWhereSaved(const QString& path)
{
    QWidget* window = parentWidget();
    auto* box = new QMessageBox(QMessageBox::Information, windowTitle(),
                                tr("The support report was saved as %1.").arg(QDir::toNativeSeparators(path)),
                                QMessageBox::Close, window);
    box->setObjectName(QStringLiteral("supportReportSaved"));
    // A path is text to copy, never markup.
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPushButton* showFolder = box->addButton(tr("Show in folder"), QMessageBox::ActionRole);
    box->setDefaultButton(showFolder);
    const QUrl folder = QUrl::fromLocalFile(QFileInfo(path).absolutePath());
    ModalDialog::open(box, [box, showFolder, folder, window = QPointer<QWidget>(window)](int) {
        if (box->clickedButton() == showFolder)
            openLink(folder, window);
    });
}
