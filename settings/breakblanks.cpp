#include "settings/breakblanks.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <memory>

namespace {

// Listings wrap thousands of texts at once and the settings page re-wraps its rows on every change, and the font
// engine takes microseconds for each character it measures: each character of a font is measured once.
class FontAdvances
{
public:
    explicit FontAdvances(const QFont& font) : metrics(font) {}

    int operator()(const QString& text, int at, int length)
    {
        const uint key = length == 2 ? QChar::surrogateToUcs4(text.at(at), text.at(at + 1)) : text.at(at).unicode();
        auto known = advances.constFind(key);
        if (known == advances.constEnd())
            known = advances.insert(key, metrics.horizontalAdvance(text.mid(at, length)));
        return *known;
    }

    // A font changed in any way is another font, measured afresh.
    static FontAdvances& of(const QFont& font)
    {
        // The label font and the settings values' font, and one more after each change of either: a handful.
        static QHash<QString, std::shared_ptr<FontAdvances>> fonts;
        constexpr int mostFonts = 16;
        const QString key = font.key();
        auto known = fonts.constFind(key);
        if (known == fonts.constEnd()) {
            if (fonts.size() >= mostFonts)
                fonts.clear();
            known = fonts.insert(key, std::make_shared<FontAdvances>(font));
        }
        return **known;
    }

private:
    QFontMetrics metrics;
    QHash<uint, int> advances;
};

} // namespace

QString insertBreakBlanks(const QString& text, int availableWidth, const QFont& font)
{
    FontAdvances& advanceOf = FontAdvances::of(font);
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

QString insertBreakBlanks(const QString& text, int availableWidth)
{
    return insertBreakBlanks(text, availableWidth, QApplication::font("QLabel"));
}
