#include "app/startup.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTime>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {
struct Entry
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QStringList translations; // one, or one per plural form
};

QList<Entry> readCatalogue(const QString& language)
{
    QFile file(QStringLiteral(VEXAUI_TRANSLATIONS_DIR "/vexaui_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entries.append(
                {context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), {}});
        } else if (xml.name() == QLatin1String("source")) {
            entries.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            entries.last().comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !entries.last().numerus) {
            entries.last().translations << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            entries.last().translations << xml.readElementText();
        }
    }
    return entries;
}

QString edge(const QString& text, bool leading)
{
    static const QRegularExpression leadingBlanks(QStringLiteral("^\\s*"));
    static const QRegularExpression trailingBlanks(QStringLiteral("\\s*$"));
    return (leading ? leadingBlanks : trailingBlanks).match(text).captured();
}

QStringList matches(const QRegularExpression& pattern, const QString& text)
{
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    return matches(placeholder, text);
}

// Where a sentence ends and another begins.
int sentenceBreaks(const QString& text)
{
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?](\\s+)\\S"));
    return matches(sentenceEnd, text).size();
}

QString catalogueFile(const QString& language)
{
    return QStringLiteral(":/lang/langFiles/vexaui_%1.qm").arg(language);
}

// A sentence with agent data or another text in it, each piece of data a placeholder: the sample data it is shown
// with. "{time}" is 1:05 or 13:05 as the language's locale writes it, "{notice}" the translated network notice.
struct Sentence
{
    const char* context;
    const char* source;
    QStringList samples;
    int count = -1;
};

QList<Sentence> sentencesWithData()
{
    const QString address = QStringLiteral("10.8.0.0/16");
    const QString time = QStringLiteral("{time}");
    const QString notice = QStringLiteral("{notice}");
    const QString product = QStringLiteral("Novalume");
    return {
        {"MainWindow", "Access to the network address %1 has been blocked.", {address}},
        {"MainWindow", "Internet access will be blocked at %1.", {time}},
        {"MainWindow", "Access to the network address %1 will be blocked at %2.", {address, time}},
        {"MainWindow", "%1 Open %2 to see the compliance details.", {notice, product}},
        {"MainWindow", "%1 requires a system restart. Click 'OK' to restart the system.", {product}},
        {"ActivationPending", "Checked at %1", {time}},
        {"AuthEmail",
         "Sign in using your %1 email address to access the enterprise network from this endpoint.",
         {QStringLiteral("Acme Industries")}},
        {"AuthEmail", "OTP attempts are blocked for %1.", {QStringLiteral("00:01:29")}},
        {"OtpScreen", "OTP attempts are blocked for %1.", {QStringLiteral("00:01:29")}},
        {"OtpScreen", "Your OTP is valid for %1.", {QStringLiteral("04:59")}},
        {"Feedback", "Your feedback has been submitted. Ticket ID: %1", {QStringLiteral("4711")}},
        {"FirstRunWords", "Unable to connect to the %1 service", {product}},
        {"FirstRunWords", "The %1 service did not answer. Please try again.", {product}},
        {"FirstRunWords", "The QR code is not available while the %1 service is unreachable.", {product}},
        {"SupportPreview", "The support report was saved as %1.", {QStringLiteral("/home/ann/Documents/report.zip")}},
        {"Settings", "%1 %2 [FULL]", {QStringLiteral("eth0"), QStringLiteral("10.1.2.3")}},
        {"Settings", "%1 %2 [SPLIT]", {QStringLiteral("eth0"), QStringLiteral("10.1.2.3")}},
        {"Notification", "Unexpected operating system found: %1", {QStringLiteral("Windows 7")}},
        {"Notification", "Expected operating system: %1", {QStringLiteral("Windows 11")}},
        {"Notification", "Expected Registry entry: %1", {QStringLiteral("HKLM\\Software\\Lock")}},
        {"Notification", "Unexpected Registry entry found: %1", {QStringLiteral("HKLM\\Software\\Lock")}},
        {"Notification", "Vendor: %1", {QStringLiteral("Acme")}},
        {"Notification", "Version: %1", {QStringLiteral("2.1")}},
        {"Notification", "Command: %1", {QStringLiteral("otherd --start")}},
        {"Notification", "Condition: %1", {QStringLiteral("EQUALS")}},
        {"Notification", "Protocol: %1", {QStringLiteral("TCP")}},
        {"Notification", "%1: %2", {QStringLiteral("Enabled"), QStringLiteral("1")}},
        {"Notification", "Key: %1", {QStringLiteral("Timeout")}},
        {"Notification", "Value: %1", {QStringLiteral("1.2")}},
        {"StatusWords", "Retrying every %n seconds.", {QStringLiteral("5")}, 5},
        {"StatusNotices",
         "The application service is unavailable. Retrying every %n seconds.",
         {QStringLiteral("5")},
         5},
    };
}

// The text as the code shows it: the translated text, its placeholders filled in one pass.
QString rendered(const Sentence& sentence, const QStringList& samples)
{
    QString text = QCoreApplication::translate(sentence.context, sentence.source, nullptr, sentence.count);
    if (sentence.count >= 0)
        return text;
    for (const QString& sample : samples)
        text = text.arg(sample);
    return text;
}
} // namespace

// Each language orders its own sentences, so the code glues no translated pieces together: a sentence with agent data
// in it is one text with placeholders. A translation that loses a blank, a placeholder or a button's name breaks the
// text the user reads, while lupdate and lrelease accept it without a word. (scripts/check-translations checks that
// every text has a translation at all.)
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initVexaResources(); }

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
            translated.insert(entry.context + QLatin1Char('\n') + entry.source, entry.translations.value(0));

        static const QRegularExpression quoted(QStringLiteral("'([^']+)'"));
        QStringList faults;
        for (const Entry& entry : entries) {
            const QString where = entry.context + QStringLiteral(": \"") + entry.source + QStringLiteral("\": ");
            if (entry.translations.isEmpty())
                faults << where + QStringLiteral("no translation");
            for (const QString& translation : entry.translations) {
                if (translation.trimmed().isEmpty() && !entry.source.trimmed().isEmpty())
                    faults << where + QStringLiteral("empty");
                if (edge(translation, true) != edge(entry.source, true) ||
                    edge(translation, false) != edge(entry.source, false))
                    faults << where + QStringLiteral("leading or trailing blanks differ");
                if (placeholders(translation) != placeholders(entry.source))
                    faults << where + QStringLiteral("placeholders differ");
                if (translation.count(QLatin1Char('\n')) != entry.source.count(QLatin1Char('\n')))
                    faults << where + QStringLiteral("line breaks differ");
                for (auto it = quoted.globalMatch(entry.source); it.hasNext();) {
                    const QString button = translated.value(entry.context + QLatin1Char('\n') + it.next().captured(1));
                    if (!button.isEmpty() && !translation.contains(QLatin1Char('\'') + button + QLatin1Char('\'')))
                        faults << where + QStringLiteral("does not name the button as '%1'").arg(button);
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Every sentence with data in it, in every language and with the time as each locale writes it (Spanish of the
    // United States writes "1:05 P. M.", which must not end up as "P. M.."), comes out as the language's own sentence.
    // The times are in the one-o'clock hour, at night and after noon, where a plural article before the time is wrong
    // ("a las 1:05", "às 01:05" want "a la", "à"): a time follows a label instead ("hora prevista: %1").
    void sentencesWithDataReadAsOne_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QTime>("clock");
        for (const auto& [language, locale] :
             {std::pair{"en", "en_US"}, std::pair{"ko", "ko_KR"}, std::pair{"es", "es_ES"}, std::pair{"es", "es_US"},
              std::pair{"es", "es_MX"}, std::pair{"es", "es_CO"}, std::pair{"tr", "tr_TR"}, std::pair{"pt_br", "pt_BR"},
              std::pair{"pt_br", "pt_PT"}}) {
            for (const QTime& clock : {QTime(1, 5, 9), QTime(13, 5, 9)})
                QTest::addRow("%s %s", locale, qPrintable(clock.toString(QStringLiteral("H:mm"))))
                    << QString::fromLatin1(language) << QString::fromLatin1(locale) << clock;
        }
    }
    void sentencesWithDataReadAsOne()
    {
        QFETCH(QString, language);
        QFETCH(QString, locale);
        QFETCH(QTime, clock);
        QTranslator english;
        QVERIFY(english.load(catalogueFile(QStringLiteral("en"))));
        QTranslator translator;
        QVERIFY(translator.load(catalogueFile(language)));
        const bool translates = language != QLatin1String("en");
        const QString time = QLocale(locale).toString(clock, QLocale::ShortFormat);
        static const QRegularExpression doubledStop(QStringLiteral("[.:,;!?](?<!\\.\\.\\.)[.:,;!?](?!\\.)"));
        static const QRegularExpression blankBeforeStop(QStringLiteral("\\s[.:,;!?]"));
        static const QRegularExpression gluedBracket(QStringLiteral("\\S\\["));
        static const QRegularExpression pluralArticleAtEnd(QStringLiteral("(^|\\s)(las|as|às)\\s+$"),
                                                           QRegularExpression::CaseInsensitiveOption);

        QStringList faults;
        for (const Sentence& sentence : sentencesWithData()) {
            const QString where =
                QStringLiteral("%1: \"%2\": ").arg(QLatin1String(sentence.context), QLatin1String(sentence.source));
            QCoreApplication::installTranslator(&english);
            const QString englishText =
                rendered(sentence,
                         QStringList(sentence.samples).replaceInStrings(QRegularExpression(QStringLiteral(".+")), "X"));
            QCoreApplication::removeTranslator(&english);
            QCoreApplication::installTranslator(&translator);
            const QString notice = QCoreApplication::translate("MainWindow", "Internet access is blocked.");
            QStringList samples = sentence.samples;
            samples.replaceInStrings(QStringLiteral("{time}"), time)
                .replaceInStrings(QStringLiteral("{notice}"), notice);
            const QString text = rendered(sentence, samples);
            const QString skeleton =
                rendered(sentence,
                         QStringList(sentence.samples).replaceInStrings(QRegularExpression(QStringLiteral(".+")), "X"));
            const bool found =
                !translator.translate(sentence.context, sentence.source, nullptr, sentence.count).isEmpty();
            QCoreApplication::removeTranslator(&translator);

            if (translates && !found)
                faults << where + QStringLiteral("not translated");
            for (const QString& sample : samples) {
                if (text.count(sample) != 1)
                    faults << where + QStringLiteral("\"%1\" not once in \"%2\"").arg(sample, text);
            }
            if (text.contains(QLatin1String("  ")) || text != text.trimmed())
                faults << where + QStringLiteral("stray blanks in \"%1\"").arg(text);
            if (text.contains(doubledStop) || text.contains(blankBeforeStop) || text.contains(gluedBracket))
                faults << where + QStringLiteral("doubled or loose punctuation in \"%1\"").arg(text);
            if (sentenceBreaks(skeleton) != sentenceBreaks(englishText))
                faults << where + QStringLiteral("\"%1\" does not read as the English's sentences").arg(skeleton);
            if (samples.contains(time) && text.left(text.indexOf(time)).contains(pluralArticleAtEnd))
                faults << where + QStringLiteral("a plural article before the time in \"%1\"").arg(text);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The pseudo-language of layout checks stands in for a longer language: every text must still work where the code
    // puts it, and be longer, accented and in brackets so that a clipped or untranslated text shows.
    void pseudoLanguageIsLongerAndKeepsWhatTheCodeRelies()
    {
        QTranslator pseudo;
        QVERIFY(pseudo.load(QStringLiteral(VEXAUI_PSEUDO_CATALOGUE)));
        const QList<Entry> entries = readCatalogue(QStringLiteral("en"));
        QVERIFY(entries.size() > 100);
        static const QRegularExpression accelerator(QStringLiteral("&."));
        static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
        QStringList faults;
        for (const Entry& entry : entries) {
            const QString text =
                pseudo.translate(qPrintable(entry.context), qPrintable(entry.source),
                                 entry.comment.isEmpty() ? nullptr : qPrintable(entry.comment), entry.numerus ? 2 : -1);
            const QString where = entry.context + QStringLiteral(": \"") + entry.source + QStringLiteral("\": ");
            if (!entry.source.contains(letter)) {
                if (!text.isEmpty() && placeholders(text) != placeholders(entry.source))
                    faults << where + QStringLiteral("placeholders differ");
                continue;
            }
            const QString core = text.trimmed();
            if (!core.startsWith(QLatin1Char('[')) || !core.endsWith(QLatin1Char(']')) ||
                core == entry.source.trimmed())
                faults << where + QStringLiteral("not made pseudo: \"%1\"").arg(text);
            if (core.size() < entry.source.trimmed().size() * 13 / 10)
                faults << where + QStringLiteral("not longer: \"%1\"").arg(text);
            if (edge(text, true) != edge(entry.source, true) || edge(text, false) != edge(entry.source, false) ||
                text.count(QLatin1Char('\n')) != entry.source.count(QLatin1Char('\n')))
                faults << where + QStringLiteral("blanks or line breaks differ");
            if (placeholders(text) != placeholders(entry.source) ||
                matches(accelerator, text) != matches(accelerator, entry.source))
                faults << where + QStringLiteral("placeholders or accelerators differ: \"%1\"").arg(text);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
