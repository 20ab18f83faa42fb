// Writes the pseudo-language catalogue: each text of the English catalogue about 40 % longer, its letters accented
// and the whole in brackets, so a layout check shows at a glance where a longer language would clip, which text
// escaped translation (it stays plain), and where a text is cut (a bracket missing). Placeholders and accelerators
// stay as they are, so every text still works where the code puts it.
//
// Usage: vexaui-pseudo-translation ENGLISH.ts PSEUDO.ts
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTextStream>
#include <QVector>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>

namespace {

struct Message
{
    QString source;
    QString comment;
    bool numerus = false;
};

struct Context
{
    QString name;
    QVector<Message> messages;
};

QChar accented(QChar letter)
{
    static const QHash<QChar, QChar> table = [] {
        const QString plain = QStringLiteral("aAcCdDeEgGhHiIkKlLnNoOrRsStTuUwWyYzZ");
        const QString marked = QStringLiteral("áÅçÇďĎéÉĝĜĥĤíÍķĶľĽñÑöÖŕŔšŠţŢüÜŵŴýÝžŽ");
        QHash<QChar, QChar> map;
        for (int i = 0; i < plain.size(); ++i)
            map.insert(plain.at(i), marked.at(i));
        return map;
    }();
    return table.value(letter, letter);
}

bool isVowel(QChar letter)
{
    return QStringLiteral("aeiouyAEIOUY").contains(letter);
}

// Placeholders (%1, %L2, %n) and accelerators (&O, and && for an ampersand) pass through untouched.
QString pseudo(const QString& english)
{
    static const QRegularExpression untouchable(QStringLiteral("%L?(\\d{1,2}|n)|&."));
    static const QRegularExpression edges(QStringLiteral("^(\\s*)(.*?)(\\s*)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch parts = edges.match(english);
    const QString core = parts.captured(2);
    if (core.isEmpty())
        return english;

    int vowels = 0;
    for (const QChar c : core)
        vowels += isVowel(c) ? 1 : 0;
    // Two brackets, then doubled vowels spread over the text, then tildes until the text is 40 % longer.
    const int growth = static_cast<int>(std::ceil(core.size() * 0.4));
    const int toDouble = qMin(vowels, qMax(0, growth - 2));
    int vowelsSeen = 0;
    QString result = QStringLiteral("[");
    auto append = [&](QChar c) {
        result += accented(c);
        if (!isVowel(c))
            return;
        ++vowelsSeen;
        if (vowelsSeen * toDouble / vowels > (vowelsSeen - 1) * toDouble / vowels)
            result += accented(c);
    };
    int at = 0;
    for (auto it = untouchable.globalMatch(core); it.hasNext();) {
        const QRegularExpressionMatch kept = it.next();
        for (; at < kept.capturedStart(); ++at)
            append(core.at(at));
        result += kept.captured();
        at = kept.capturedEnd();
    }
    for (; at < core.size(); ++at)
        append(core.at(at));
    const int missing = core.size() + growth - 1 - result.size();
    if (missing > 0)
        result += QString(missing, QLatin1Char('~'));
    result += QLatin1Char(']');
    return parts.captured(1) + result + parts.captured(3);
}

QVector<Context> readCatalogue(QFile& file)
{
    QVector<Context> contexts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("context")) {
            contexts.append(Context());
        } else if (xml.name() == QLatin1String("name") && !contexts.isEmpty()) {
            contexts.last().name = xml.readElementText();
        } else if (xml.name() == QLatin1String("message") && !contexts.isEmpty()) {
            Message message;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            contexts.last().messages.append(message);
        } else if (xml.name() == QLatin1String("source") && !contexts.isEmpty()) {
            contexts.last().messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment") && !contexts.isEmpty()) {
            contexts.last().messages.last().comment = xml.readElementText();
        }
    }
    if (xml.hasError())
        contexts.clear();
    return contexts;
}

void writeCatalogue(const QVector<Context>& contexts, QFile& file)
{
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    // English plural rules: one form for one, one for the rest.
    xml.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    for (const Context& context : contexts) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), context.name);
        for (const Message& message : context.messages) {
            xml.writeStartElement(QStringLiteral("message"));
            if (message.numerus)
                xml.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            xml.writeTextElement(QStringLiteral("source"), message.source);
            if (!message.comment.isEmpty())
                xml.writeTextElement(QStringLiteral("comment"), message.comment);
            xml.writeStartElement(QStringLiteral("translation"));
            if (message.numerus) {
                for (int form = 0; form < 2; ++form)
                    xml.writeTextElement(QStringLiteral("numerusform"), pseudo(message.source));
            } else {
                xml.writeCharacters(pseudo(message.source));
            }
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
}

} // namespace

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: vexaui-pseudo-translation ENGLISH.ts PSEUDO.ts\n";
        return 2;
    }
    QFile english(QString::fromLocal8Bit(argv[1]));
    if (!english.open(QIODevice::ReadOnly)) {
        err << english.fileName() << ": " << english.errorString() << '\n';
        return 1;
    }
    const QVector<Context> contexts = readCatalogue(english);
    if (contexts.isEmpty()) {
        err << english.fileName() << ": no texts read\n";
        return 1;
    }
    QFile pseudoFile(QString::fromLocal8Bit(argv[2]));
    if (!pseudoFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        err << pseudoFile.fileName() << ": " << pseudoFile.errorString() << '\n';
        return 1;
    }
    writeCatalogue(contexts, pseudoFile);
    return 0;
}
