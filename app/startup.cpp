#include "app/startup.h"

#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "app/currentuser.h"
#include "app/runguard.h"
#include "app/splashscreen.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <memory>

void initVexaResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
}

std::unique_ptr<QTimer> watchShowRequests(RunGuard& guard, MainWindow& window)
{
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(100);
    QObject::connect(poll.get(), &QTimer::timeout, &window, [&guard, &window] {
        if (guard.takeShowRequest())
            window.bringToFront();
    });
    poll->start();
    return poll;
}

int runVexaUi(int& argc, char** argv)
{
    QApplication app(argc, argv);
    initVexaResources();

    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Ubuntu-R.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Ubuntu-B.ttf"));

    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("vexaui"), QStringLiteral("_"), QStringLiteral(":/lang/langFiles")))
        QCoreApplication::installTranslator(&translator);

    QCommandLineParser parser;
    const QCommandLineOption remoteUrlOption({QStringLiteral("r"), QStringLiteral("rurl")},
                                             QStringLiteral("passing remote url <rurl>"), QStringLiteral("rurl"));
    const QCommandLineOption userOption({QStringLiteral("u"), QStringLiteral("user")},
                                        QStringLiteral("passing the user <user>"), QStringLiteral("user"));
    const QCommandLineOption allowOption(QStringLiteral("a"), QStringLiteral("allow multiple instance"),
                                         QStringLiteral("allow"), QStringLiteral("allow"));
    parser.addOption(remoteUrlOption);
    parser.addOption(userOption);
    parser.addOption(allowOption);
    parser.process(app);

    QDesktopServices::openUrl(QUrl(parser.value(remoteUrlOption), QUrl::TolerantMode));

    const QString user = parser.value(userOption);
    setCurrentUserName(user.length() != 0 ? user : systemUserName());
    const QString allow = parser.value(allowOption);

    RunGuard guard(QStringLiteral("KdPsXvBm") + currentUserName());
    if (allow != QLatin1String("true") && !guard.tryToRun())
        return 0;

    SplashHandOff splash;

    QCoreApplication::setOrganizationName(brand().companyWord);
    QCoreApplication::setApplicationName(brand().displayName);
    QCoreApplication::setApplicationVersion(brand().appVersion);

    vexaintf::instance();

    auto window = std::make_unique<MainWindow>();
    window->setWindowTitle(brand().displayName);
    window->setWindowIcon(QIcon(brand().logoIconPath));
    window->setFixedSize(376, 699);

    splash.finish(window.get());

    auto showRequestPoll = watchShowRequests(guard, *window);

    window->show();
    const int status = QApplication::exec();

    showRequestPoll.reset();
    window.reset();
    return status;
}
