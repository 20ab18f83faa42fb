#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {
struct Entry
{
    QString context;
    QString source;
    QString translation;
};

QList<Entry> readCatalogue(const QString& language)
{
    QFile file(QStringLiteral(VEXAUI_TRANSLATIONS_DIR "/vexaui_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entries.append({context, {}, {}});
        else if (xml.name() == QLatin1String("source"))
            entries.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            entries.last().translation = xml.readElementText();
    }
    return entries;
}

QString edge(const QString& text, bool leading)
{
    static const QRegularExpression leadingBlanks(QStringLiteral("^\\s*"));
    static const QRegularExpression trailingBlanks(QStringLiteral("\\s*$"));
    return (leading ? leadingBlanks : trailingBlanks).match(text).captured();
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}
} // namespace

// The code glues many texts to agent data and to each other ("Access to the network address " + subnets + ...), and
// prompts name the buttons beside them: a translation that loses a blank, a placeholder or a button's name breaks the
// sentence the user reads, while lupdate and lrelease accept it without a word. (scripts/check-translations checks
// that every text has a translation at all.)
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void translationsKeepWhatTheCodeRelies_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"ko", "es", "tr", "pt_br"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void translationsKeepWhatTheCodeRelies()
    {
        QFETCH(QString, language);
        const QList<Entry> entries = readCatalogue(language);
        QVERIFY(entries.size() > 100);
        QHash<QString, QString> translated; // context + source -> translation
        for (const Entry& entry : entries)
            translated.insert(entry.context + QLatin1Char('\n') + entry.source, entry.translation);

        static const QRegularExpression quoted(QStringLiteral("'([^']+)'"));
        QStringList faults;
        for (const Entry& entry : entries) {
            const QString where = entry.context + QStringLiteral(": \"") + entry.source + QStringLiteral("\": ");
            if (entry.translation.trimmed().isEmpty() && !entry.source.trimmed().isEmpty())
                faults << where + QStringLiteral("empty");
            if (edge(entry.translation, true) != edge(entry.source, true) ||
                edge(entry.translation, false) != edge(entry.source, false))
                faults << where + QStringLiteral("leading or trailing blanks differ");
            if (placeholders(entry.translation) != placeholders(entry.source))
                faults << where + QStringLiteral("placeholders differ");
            if (entry.translation.count(QLatin1Char('\n')) != entry.source.count(QLatin1Char('\n')))
                faults << where + QStringLiteral("line breaks differ");
            for (auto it = quoted.globalMatch(entry.source); it.hasNext();) {
                const QString button = translated.value(entry.context + QLatin1Char('\n') + it.next().captured(1));
                if (!button.isEmpty() && !entry.translation.contains(QLatin1Char('\'') + button + QLatin1Char('\'')))
                    faults << where + QStringLiteral("does not name the button as '%1'").arg(button);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
