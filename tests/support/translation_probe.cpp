// Installs the translation for the system language exactly as start-up does and prints the catalogue it chose, or
// "none", so tests can try real locale environments, which Qt reads once per process.
#include "app/startup.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    initVexaResources();
    QTranslator translator;
    QTextStream(stdout) << (installTranslation(translator) ? translator.filePath() : QStringLiteral("none"))
                        << Qt::endl;
    return 0;
}
