#include "app/startup.h"

#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "app/currentuser.h"
#include "app/highdpi.h"
#include "app/runguard.h"
#include "app/screenlook.h"
#include "app/splashscreen.h"
#include "mainwindow/mainwindow.h"
#include "status/statusreport.h"
#include "support/reportcommand.h"
#include "support/supportlog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QUrl>
#include <memory>

namespace {

// -r, -u and -a as the program has always read them, then the --help and --version a command-line user expects. The
// descriptions are built after the translation is installed, so --help answers in the user's language.
struct CommandLine
{
    QCommandLineParser parser;
    const QCommandLineOption remoteUrl{
        {QStringLiteral("r"), QStringLiteral("rurl")},
        QCoreApplication::translate("CommandLine", "Open <rurl> with the desktop's handler for it at start."),
        QStringLiteral("rurl")};
    const QCommandLineOption user{
        {QStringLiteral("u"), QStringLiteral("user")},
        QCoreApplication::translate("CommandLine", "Run for <user> instead of the user of the session."),
        QStringLiteral("user")};
    const QCommandLineOption allow{
        QStringLiteral("a"),
        QCoreApplication::translate("CommandLine", "If \"true\", allow another instance for the same user."),
        QStringLiteral("allow"), QStringLiteral("allow")};
    const QCommandLineOption supportReport{
        QStringLiteral("support-report"),
        QCoreApplication::translate("CommandLine", "Write a support report for the helpdesk to <file>."),
        QStringLiteral("file")};
    const QCommandLineOption status{
        QStringLiteral("status"),
        QCoreApplication::translate("CommandLine", "Print what the running window of this user shows, and exit.")};
    const QCommandLineOption json{QStringLiteral("json"),
                                  QCoreApplication::translate("CommandLine", "With --status, print it as JSON.")};

    CommandLine()
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine", "The desktop window of the Vexa secure-access agent."));
        parser.addOption(remoteUrl);
        parser.addOption(user);
        parser.addOption(allow);
        parser.addOption(supportReport);
        parser.addOption(status);
        parser.addOption(json);
        parser.addHelpOption();
        parser.addVersionOption();
    }

    // True only when the arguments parse and ask for help or the version. Anything else goes the usual way through
    // the QApplication: Qt's own options, which only it understands, and --help-all, which lists them.
    bool asksOnlyForHelpOrVersion(int argc, char** argv)
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        return parser.parse(arguments) &&
               (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")));
    }
    // After a parse: the report and the status need no window, and so no display.
    bool asksForTerminalAnswer() const { return parser.isSet(supportReport) || parser.isSet(status); }

    int answer() const
    {
        const QString name = parser.value(user);
        setCurrentUserName(name.isEmpty() ? systemUserName() : name);
        const QString doorbell = RunGuard::doorbellNameFor(instanceKey(currentUserName()));
        if (parser.isSet(status))
            return printStatusFromTerminal(doorbell, parser.isSet(json));
        return writeSupportReportFromTerminal(parser.value(supportReport), doorbell);
    }
};

QString& chosenLanguage()
{
    static QString language;
    return language;
}

// The user's languages in order of preference, each as the catalogue names it or shortened at its last "_" until a
// catalogue exists (pt_BR, then pt). Portuguese has only the Brazilian catalogue, which a reader in Portugal or Angola
// follows far better than English; Qt's own lookup would pass over it to the next language listed, often English
// (LANGUAGE=pt_PT:pt:en).
QString translationFile(const QStringList& uiLanguages)
{
    const QString pattern = QStringLiteral(":/lang/langFiles/vexaui_%1.qm");
    for (const QString& language : uiLanguages) {
        QString name = language.toLower().replace(QLatin1Char('-'), QLatin1Char('_'));
        for (;;) {
            if (QFileInfo::exists(pattern.arg(name)))
                return pattern.arg(name);
            const int cut = name.lastIndexOf(QLatin1Char('_'));
            if (cut <= 0)
                break;
            name.truncate(cut);
        }
        if (name == QLatin1String("pt"))
            return pattern.arg(QStringLiteral("pt_br"));
    }
    return {};
}

// Help, version, the support report and the status are for a terminal, which may have no display to build a
// QApplication on.
int answerOnTerminal(int& argc, char** argv)
{
    QCoreApplication app(argc, argv);
    initVexaResources();
    setApplicationIdentity();
    QTranslator translator;
    QTranslator qtTranslator;
    installTranslation(translator, qtTranslator);
    CommandLine commandLine;
    commandLine.parser.process(app); // prints and ends the process for help and version
    return commandLine.answer();
}

} // namespace

bool installTranslation(QTranslator& translator, QTranslator& qtTranslator)
{
    // Layout checks (scripts/screenshots pseudo) name a catalogue of their own, the pseudo-language the build makes
    // beside the program and never installs; the application itself carries only the real languages.
    const QString named = qEnvironmentVariable("VEXAUI_TRANSLATION_FILE");
    const QString file = named.isEmpty() ? translationFile(QLocale().uiLanguages()) : named;
    if (file.isEmpty() || !translator.load(file))
        return false;
    QCoreApplication::installTranslator(&translator);
    chosenLanguage() = translator.language();
    // Qt's own texts in the same language: the standard buttons our prompts ask the user to click, the input
    // dialog's buttons, the text fields' context menus.
    if (qtTranslator.load(QStringLiteral("qtbase_") + translator.language(),
                          QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
    return true;
}

void initVexaResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
}

QString installedLanguage()
{
    return chosenLanguage();
}

QString instanceKey(const QString& userName)
{
    return QStringLiteral("KdPsXvBm") + userName;
}

QString applicationId()
{
    return QStringLiteral(VEXAUI_APP_ID);
}

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(brand().companyWord);
    QCoreApplication::setApplicationName(brand().displayName);
    QCoreApplication::setApplicationVersion(brand().appVersion);
    QGuiApplication::setDesktopFileName(applicationId());
}

void answerShowRequests(RunGuard& guard, MainWindow& window)
{
    QObject::connect(guard.doorbell(), &InstanceDoorbell::rung, &window, [&guard, &window] {
        if (guard.takeShowRequest())
            window.bringToFront();
    });
}

int runVexaUi(int& argc, char** argv)
{
    SupportLog::installMessageHandler();
    if (CommandLine early; early.asksOnlyForHelpOrVersion(argc, argv) || early.asksForTerminalAnswer())
        return answerOnTerminal(argc, argv);

    // The window paints with the raster engine only. On X11 Qt would still load the OpenGL driver to probe it, and
    // with Mesa that alone is some 50 MB resident for the whole session; a user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    enableHighDpiScaling();
    QApplication app(argc, argv);
    // Before the first window: Wayland takes the app id when a window is created, the splash included.
    setApplicationIdentity();
    initVexaResources();

    ScreenLook::useBundledFont();

    QTranslator translator;
    QTranslator qtTranslator;
    installTranslation(translator, qtTranslator);

    CommandLine commandLine;
    commandLine.parser.process(app);
    // Asked for beside Qt's own options, which only the QApplication above understood.
    if (commandLine.asksForTerminalAnswer())
        return commandLine.answer();

    QDesktopServices::openUrl(QUrl(commandLine.parser.value(commandLine.remoteUrl), QUrl::TolerantMode));

    const QString user = commandLine.parser.value(commandLine.user);
    setCurrentUserName(user.length() != 0 ? user : systemUserName());
    const QString allow = commandLine.parser.value(commandLine.allow);

    RunGuard guard(instanceKey(currentUserName()));
    if (allow != QLatin1String("true") && !guard.tryToRun())
        return 0;

    SplashHandOff splash;

    SupportLog::instance()->watch(vexaintf::instance());
    answerSupportReportRequests(*guard.doorbell());

    auto window = std::make_unique<MainWindow>();
    window->setWindowTitle(brand().displayName);
    window->setWindowIcon(QIcon(brand().logoIconPath));
    window->fitInto(window->screen()->availableGeometry());
    QObject::connect(window.get(), &MainWindow::quitRequested, &app, &QCoreApplication::quit);
    answerStatusRequests(*guard.doorbell(), *new StatusReport(*window, *vexaintf::instance()));

    // Before the splash lets events in: a start that rings meanwhile must not go unanswered.
    answerShowRequests(guard, *window);
    splash.finish(window.get());

    window->show();
    const int status = QApplication::exec();

    window.reset();
    return status;
}
