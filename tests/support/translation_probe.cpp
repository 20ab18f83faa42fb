// Installs the translation for the system language exactly as start-up does and prints the two catalogues it chose,
// ours and Qt's, or "none", so tests can try real locale environments, which Qt reads once per process.
#include "app/startup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    initVexaResources();
    QTranslator translator;
    QTranslator qtTranslator;
    if (!installTranslation(translator, qtTranslator)) {
        QTextStream(stdout) << "none" << Qt::endl;
        return 0;
    }
    QTextStream(stdout) << translator.filePath() << ' ' << QFileInfo(qtTranslator.filePath()).fileName() << Qt::endl;
    return 0;
}
