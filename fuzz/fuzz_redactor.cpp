// Names and text into the support report's redactor: the first line lists names to learn, separated by '|', the rest
// is free text. Whatever the input, no learned name may be left standing as a whole word outside a placeholder.
#include "support/nametrie.h"
#include "support/redactor.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// As the redactor compares: one UTF-16 unit at a time.
QString folded(QString text)
{
    for (QChar& c : text)
        c = c.toCaseFolded();
    return text;
}

// Outside the placeholders the redactor wrote: their letters may spell a name ("<device-1>" for a device "device").
bool standsAsWord(const QString& text, const QString& name)
{
    static const QRegularExpression placeholders(QStringLiteral("<[a-z]+-\\d+>|<withheld>"));
    QList<QPair<int, int>> written;
    for (auto it = placeholders.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        written.append({match.capturedStart(), match.capturedEnd()});
    }
    const QString folded = ::folded(text);
    const QString wanted = ::folded(name);
    for (int at = folded.indexOf(wanted); at >= 0; at = folded.indexOf(wanted, at + 1)) {
        const int end = at + wanted.size();
        const bool startsWord = at == 0 || !NameTrie::isWordCharacter(folded.at(at - 1));
        const bool endsWord = end == folded.size() || !NameTrie::isWordCharacter(folded.at(end));
        const bool inPlaceholder = std::any_of(written.begin(), written.end(), [&](const QPair<int, int>& span) {
            return at < span.second && end > span.first;
        });
        if (startsWord && endsWord && !inPlaceholder)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const int newline = input.indexOf(QLatin1Char('\n'));
    if (newline < 0)
        return 0;
    Redactor redactor;
    QStringList learned;
    for (const QString& name : input.left(newline).split(QLatin1Char('|'))) {
        redactor.learn(Redactor::Kind::Device, name);
        learned.append(name.trimmed());
    }
    const QString redacted = redactor.text(input.mid(newline + 1));
    for (const QString& name : learned) {
        // Names the redactor leaves to the fields that hold them, and names a placeholder's letters could spell.
        if (name.size() < 2 || name.size() > NameTrie::longestName || name.contains(QLatin1Char('<')) ||
            name.contains(QLatin1Char('>')) || !NameTrie::isWordCharacter(name.front()) ||
            !NameTrie::isWordCharacter(name.back()) || Redactor::isOrdinaryWord(name))
            continue;
        if (standsAsWord(redacted, name))
            std::abort();
    }
    return 0;
}
