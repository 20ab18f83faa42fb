#include "settings/breakblanks.h"

#include <QApplication>
#include <QFontMetrics>

QString insertBreakBlanks(const QString& text, int availableWidth)
{
    return insertBreakBlanks(text, availableWidth, QFontMetrics(QApplication::font("QLabel")));
}

QString insertBreakBlanks(const QString& text, int availableWidth, const QFontMetrics& metrics)
{
    QString result;
    result.reserve(text.size() + text.size() / 8);
    int lineWidth = 0;
    bool breakable = false;
    for (int i = 0; i < text.size();) {
        // A surrogate pair is one character: a blank between its halves would corrupt the text.
        const int length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length;
        result += character;
        lineWidth += metrics.horizontalAdvance(character);
        if (character == QLatin1String(" ") && lineWidth < availableWidth)
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
