#include "settings/breakblanks.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHash>

namespace {

template <typename Advance> QString wrap(const QString& text, int availableWidth, Advance&& advanceOf)
{
    QString result;
    result.reserve(text.size() + text.size() / 8);
    int lineWidth = 0;
    bool breakable = false;
    for (int i = 0; i < text.size();) {
        // A surrogate pair is one character: a blank between its halves would corrupt the text.
        const int length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const bool blank = text.at(i) == QLatin1Char(' ');
        result.append(text.constData() + i, length);
        lineWidth += advanceOf(text, i, length);
        i += length;
        if (blank && lineWidth < availableWidth)
            breakable = true;
        if (lineWidth > availableWidth) {
            if (!breakable)
                result += QLatin1Char(' ');
            lineWidth = 0;
            breakable = false;
        }
    }
    return result;
}

// Listings wrap thousands of texts at once, and the font engine takes microseconds for each character it measures:
// each character of the label font is measured once, and again only after that font has changed.
class LabelFontAdvances
{
public:
    int operator()(const QString& text, int at, int length)
    {
        const uint key = length == 2 ? QChar::surrogateToUcs4(text.at(at), text.at(at + 1)) : text.at(at).unicode();
        auto known = advances.constFind(key);
        if (known == advances.constEnd())
            known = advances.insert(key, metrics.horizontalAdvance(text.mid(at, length)));
        return *known;
    }

    static LabelFontAdvances& current()
    {
        static LabelFontAdvances cache;
        const QFont font = QApplication::font("QLabel");
        if (font != cache.font)
            cache = LabelFontAdvances(font);
        return cache;
    }

private:
    explicit LabelFontAdvances(const QFont& font = QFont()) : font(font), metrics(font) {}

    QFont font;
    QFontMetrics metrics;
    QHash<uint, int> advances;
};

} // namespace

QString insertBreakBlanks(const QString& text, int availableWidth)
{
    return wrap(text, availableWidth, LabelFontAdvances::current());
}

QString insertBreakBlanks(const QString& text, int availableWidth, const QFontMetrics& metrics)
{
    return wrap(text, availableWidth, [&metrics](const QString& source, int at, int length) {
        return metrics.horizontalAdvance(source.mid(at, length));
    });
}
