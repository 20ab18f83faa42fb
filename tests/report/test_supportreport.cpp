#include "app/modaldialog.h"
#include "app/startup.h"
#include "status/statuswords.h"
#include "status/traystatus.h"
#include "support/supportpreview.h"
#include "tests/report/reporttestkit.h"
#include "tests/support/mainwindowharness.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <functional>

namespace {

QAction* trayItem(const MainWindowHarness& h, const char* name)
{
    return h.window->findChild<TrayStatus*>()->menu()->findChild<QAction*>(QString::fromLatin1(name));
}

QString reportText(const SupportReport& report)
{
    return QString::fromUtf8(report.files().constFirst().bytes);
}

// The line of report.txt that starts with the label.
QString fact(const SupportReport& report, const QString& label)
{
    for (const QString& line : reportText(report).split(QLatin1Char('\n')))
        if (line.startsWith(label + QStringLiteral(": ")))
            return line.mid(label.size() + 2);
    return QString();
}

// Answers the preview as a user would: reads what it shows, then acts on it; the file chooser and any message box
// are answered too.
class PreviewUser
{
public:
    PreviewUser()
    {
        ModalDialog::setAnswerer([this](QDialog& dialog) { return answer(dialog); });
    }
    ~PreviewUser() { ModalDialog::setAnswerer({}); }

    std::function<void(SupportPreview&)> act; // what the user does in the preview
    QString saveAs;                           // what they pick in the file chooser; empty cancels it
    QString contents;
    QString summary;
    QString privacy;
    QString suggestedFile;
    QStringList boxes;
    int previews = 0;

private:
    int answer(QDialog& dialog)
    {
        if (auto* preview = qobject_cast<SupportPreview*>(&dialog)) {
            ++previews;
            contents = preview->findChild<QLabel*>(QStringLiteral("contentsList"))->text();
            summary = preview->findChild<QPlainTextEdit*>(QStringLiteral("summary"))->toPlainText();
            privacy = preview->findChild<QLabel*>(QStringLiteral("privacyLabel"))->text();
            if (act)
                act(*preview);
            return preview->result();
        }
        if (auto* chooser = qobject_cast<QFileDialog*>(&dialog)) {
            suggestedFile = chooser->selectedFiles().value(0);
            if (saveAs.isEmpty())
                return QDialog::Rejected;
            chooser->selectFile(saveAs);
            return QDialog::Accepted;
        }
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            boxes << box->text();
        return QDialog::Rejected;
    }
};

// Stands in for the desktop's file manager, or for its absence.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    explicit UrlCatcher(bool handles) : handles(handles)
    {
        if (handles)
            QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
    }
    ~UrlCatcher() override
    {
        if (handles)
            QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }

private:
    bool handles;
};

void press(SupportPreview& preview, const char* button)
{
    preview.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

} // namespace

class TestSupportReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initVexaResources(); }

    // The archive holds exactly the report's files, report.txt first, and KArchive reads every byte back.
    void archiveReadsBack()
    {
        ScopedSupportLog scope;
        MainWindowHarness h;
        scope.log.watch(&h.link);
        h.deliver(agentMessage(0));
        h.link.getPeerList();
        const SupportReport report = SupportReport::collect(scope.log);
        const QByteArray archive = report.archive();
        QCOMPARE(firstEntryName(archive), QByteArray("report.txt"));
        const QMap<QString, QByteArray> files = readArchive(archive);
        QStringList names;
        for (const ReportFile& file : report.files()) {
            names << file.name;
            QCOMPARE(files.value(file.name), file.bytes);
        }
        QCOMPARE(QStringList(files.keys()), QStringList({"agent-messages.jsonl", "link-history.txt", "report.txt",
                                                         "requests.jsonl", "snapshot.json", "warnings.txt"}));
        QCOMPARE(names.first(), QStringLiteral("report.txt"));
        QVERIFY(files.value(QStringLiteral("requests.jsonl")).contains("\"type\":14"));
        QVERIFY(files.value(QStringLiteral("snapshot.json")).contains("\"dev_name\": \"<device-"));
        QVERIFY(reportText(report).startsWith(report.summary() + QLatin1Char('\n')));
    }

    // The summary goes into the Feedback form: it stays under the form's limit however much happened, and keeps
    // the facts, giving up the oldest link events first.
    void summaryFitsTheFeedbackForm()
    {
        ScopedSupportLog scope;
        MainWindowHarness h;
        scope.log.watch(&h.link);
        for (int i = 0; i < 50; ++i)
            emit h.link.socket()->untrustedListener(100000 + i);
        const SupportReport report = SupportReport::collect(scope.log);
        QVERIFY2(report.summary().size() <= SupportReport::summaryLimit, qPrintable(report.summary()));
        for (const char* label :
             {"Product", "Qt", "Platform plugin", "OS release", "Language", "Link", "Trust", "Status", "Errors"})
            QVERIFY2(report.summary().contains(QLatin1String(label) + QStringLiteral(": ")), label);
        QVERIFY(report.summary().contains(QLatin1String("uid 100049")));
    }

    // The agent never answered: the report says the link is down and why the window shows what it shows, and the
    // settings page still offers the report.
    void reportWithTheAgentDown()
    {
        ScopedSupportLog scope;
        MainWindowHarness h(false);
        scope.log.watch(&h.link);
        h.link.socket()->Connect();
        QTRY_COMPARE(scope.log.contents().counts.failedAttempts, 1);

        PreviewUser user;
        h.showPage(MainWindow::SettingsPage);
        auto* row = h.window->findChild<QPushButton*>(QStringLiteral("supportReportLabel"));
        QVERIFY(!row->isHidden() && !row->parentWidget()->isHidden());
        QVERIFY(h.window->findChild<QWidget*>(QStringLiteral("feedbackRow"))->isHidden());
        row->click();
        QCOMPARE(user.previews, 1);
        QVERIFY2(user.summary.contains(QStringLiteral("Link: down, retrying")), qPrintable(user.summary));
        QVERIFY(user.summary.contains(QStringLiteral("Status: ") + words("Application service unavailable")));
        QVERIFY(user.summary.contains(QLatin1String("connection attempt failed, retrying in 5 s")));
        QVERIFY(user.summary.contains(QLatin1String("1 failed connection attempts")));
    }

    // Another user's program on the agent's port: the report names the verdict and the owner's uid, and tells each
    // refusal once, not also as a failed attempt.
    void reportWithAnUntrustedListener()
    {
        ScopedSupportLog scope;
        MainWindowHarness h(false);
        scope.log.watch(&h.link);
        for (int i = 0; i < 2; ++i) {
            emit h.link.socket()->connectFailed();
            emit h.link.socket()->untrustedListener(4242);
        }
        const SupportReport report = SupportReport::collect(scope.log);
        QCOMPARE(fact(report, QStringLiteral("Link")), QStringLiteral("refused"));
        QVERIFY2(fact(report, QStringLiteral("Trust"))
                     .startsWith(QLatin1String("not trusted: the agent's port is held "
                                               "by uid 4242")),
                 qPrintable(fact(report, QStringLiteral("Trust"))));
        QVERIFY(
            fact(report, QStringLiteral("Status")).startsWith(words("Application service port held by another user")));
        const QByteArray history = report.files().at(1).bytes;
        QCOMPARE(report.files().at(1).name, QStringLiteral("link-history.txt"));
        QVERIFY2(history.contains("refused: the agent's port is held by an untrusted listener, uid 4242"),
                 history.constData());
        QVERIFY(history.contains("(2 times"));
        QVERIFY2(!history.contains("connection attempt failed"), history.constData());
        QVERIFY(
            fact(report, QStringLiteral("Errors")).contains(QLatin1String("0 failed connection attempts, 2 refused")));
    }

    // From the tray: the preview lists every file and shows the summary and the privacy sentence; the summary is
    // copied, and the report is saved where the user chose, named after the brand and the time by default.
    void trayPreviewCopiesAndSaves()
    {
        ScopedSupportLog scope;
        MainWindowHarness h;
        scope.log.watch(&h.link);
        h.deliver(agentMessage(0));
        QTemporaryDir folder;
        PreviewUser user;
        user.saveAs = folder.filePath(QStringLiteral("for-helpdesk.zip"));
        user.act = [](SupportPreview& preview) {
            press(preview, "copySummaryButton");
            press(preview, "saveButton");
        };
        trayItem(h, "traySupportReport")->trigger();

        QCOMPARE(user.previews, 1);
        QVERIFY(h.window->isVisible());
        for (const char* file : {"report.txt", "link-history.txt", "agent-messages.jsonl", "requests.jsonl",
                                 "snapshot.json", "warnings.txt"})
            QVERIFY2(user.contents.contains(QLatin1String(file) + QStringLiteral(": ")), file);
        QVERIFY(user.contents.contains(QStringLiteral("the last messages from the application service: 1")));
        QVERIFY(user.privacy.contains(QLatin1String("passwords")));
        QVERIFY(user.summary.startsWith(QStringLiteral("Support report of ") + brand().displayName));
        QCOMPARE(QGuiApplication::clipboard()->text(), user.summary);
        QVERIFY2(
            QFileInfo(user.suggestedFile)
                .fileName()
                .contains(QRegularExpression(QStringLiteral("^novalume-support-\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.zip$"))),
            qPrintable(user.suggestedFile));

        QFile saved(user.saveAs);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QMap<QString, QByteArray> files = readArchive(saved.readAll());
        QVERIFY(QString::fromUtf8(files.value(QStringLiteral("report.txt"))).startsWith(user.summary));
        QVERIFY(files.value(QStringLiteral("agent-messages.jsonl")).contains("<device-"));
        QCOMPARE(user.boxes, QStringList{QStringLiteral("The support report was saved as %1.").arg(user.saveAs)});
    }

    // After saving, the user learns where the file went and can open its folder; a desktop that opens nothing shows
    // the folder's path to copy, as links do.
    void savedReportShowsItsFolder_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("fileManager");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("pathShown");
        QTest::newRow("show in folder") << "Show in folder" << true << true << false;
        QTest::newRow("no file manager") << "Show in folder" << false << false << true;
        QTest::newRow("closed") << "Close" << true << false << false;
    }
    void savedReportShowsItsFolder()
    {
        QFETCH(QString, press);
        QFETCH(bool, fileManager);
        QFETCH(bool, opened);
        QFETCH(bool, pathShown);
        ScopedSupportLog scope;
        MainWindowHarness h;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.zip"));
        UrlCatcher catcher(fileManager);
        QStringList boxes;
        ModalDialog::setAnswerer([&](QDialog& dialog) {
            if (auto* preview = qobject_cast<SupportPreview*>(&dialog)) {
                preview->findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
                return preview->result();
            }
            if (auto* chooser = qobject_cast<QFileDialog*>(&dialog)) {
                chooser->selectFile(path);
                return int(QDialog::Accepted);
            }
            auto& box = static_cast<QMessageBox&>(dialog);
            boxes << box.text();
            for (QAbstractButton* button : box.buttons()) {
                if (button->text() == press && boxes.size() == 1) {
                    button->click();
                    return 0;
                }
            }
            return int(QMessageBox::Close);
        });
        const auto realDialogs = qScopeGuard([] { ModalDialog::setAnswerer({}); });
        trayItem(h, "traySupportReport")->trigger();

        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(boxes.value(0), QStringLiteral("The support report was saved as %1.").arg(path));
        QCOMPARE(catcher.opened, opened ? QList<QUrl>{QUrl::fromLocalFile(folder.path())} : QList<QUrl>());
        QCOMPARE(boxes.size(), pathShown ? 2 : 1);
        if (pathShown)
            QCOMPARE(boxes.at(1),
                     QStringLiteral("No application could open this folder. Open it in your file manager:\n\n") +
                         folder.path());
    }

    // A folder that cannot be written: the user is told why, and nothing is left behind.
    void failedSaveIsTold()
    {
        ScopedSupportLog scope;
        MainWindowHarness h;
        PreviewUser user;
        user.saveAs = QStringLiteral("/nonexistent-folder/report.zip");
        user.act = [](SupportPreview& preview) {
            press(preview, "saveButton");
        };
        h.showPage(MainWindow::SettingsPage);
        h.window->findChild<QPushButton*>(QStringLiteral("supportReportButton"))->click();
        QCOMPARE(user.boxes.size(), 1);
        QVERIFY2(user.boxes.first().startsWith(QStringLiteral("The support report could not be saved: ")),
                 qPrintable(user.boxes.first()));
        QVERIFY(!QFileInfo::exists(user.saveAs));
    }

    // The preview lists every file of the report in full, in every language and in the pseudo-language that stands
    // in for a longer one.
    void previewListsEveryFile_data()
    {
        QTest::addColumn<QString>("catalogue");
        for (const char* language : {"en", "ko", "es", "tr", "pt_br"})
            QTest::newRow(language) << QStringLiteral(":/lang/langFiles/vexaui_%1.qm").arg(QLatin1String(language));
        QTest::newRow("pseudo") << QStringLiteral(VEXAUI_PSEUDO_CATALOGUE);
    }
    void previewListsEveryFile()
    {
        QFETCH(QString, catalogue);
        QTranslator translator;
        QVERIFY(translator.load(catalogue));
        QCoreApplication::installTranslator(&translator);
        const auto removal = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        ScopedSupportLog scope;
        MainWindowHarness h;
        scope.log.watch(&h.link);
        h.deliver(agentMessage(0));
        h.link.getPeerList();
        SupportPreview preview(SupportReport::collect(scope.log), nullptr);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QCOMPARE(preview.findChild<QLabel*>(QStringLiteral("contentsList"))->text().count(QLatin1Char('\n')), 5);
        // Every wrapped text has the height it needs, and none runs into the next control.
        const QList<QWidget*> order{preview.findChild<QLabel*>(QStringLiteral("introLabel")),
                                    preview.findChild<QLabel*>(QStringLiteral("contentsList")),
                                    preview.findChild<QLabel*>(QStringLiteral("summaryLabel")),
                                    preview.findChild<QPlainTextEdit*>(QStringLiteral("summary")),
                                    preview.findChild<QLabel*>(QStringLiteral("privacyLabel")),
                                    preview.findChild<QDialogButtonBox*>()};
        for (int i = 0; i < order.size(); ++i) {
            const QString name = order.at(i)->objectName();
            if (auto* label = qobject_cast<QLabel*>(order.at(i)))
                QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(name));
            if (i + 1 < order.size())
                QVERIFY2(order.at(i)->geometry().bottom() < order.at(i + 1)->geometry().top(), qPrintable(name));
        }
        QVERIFY(preview.rect().contains(order.last()->geometry()));
    }

private:
    static QString words(const char* text) { return StatusWords::tr(text); }
};

QTEST_MAIN(TestSupportReport)
#include "test_supportreport.moc"
