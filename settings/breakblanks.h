#pragma once

#include <QString>

class QFont;

// Long unbroken runs (addresses, paths, gateway names) would stretch a word-wrapping label past the window, since
// a label wraps only at blanks. This inserts a blank wherever a line would overflow the available width without
// having met a blank of its own; a text narrower than the width comes back unchanged. Widths are measured with
// the default label font unless a font is given.
QString insertBreakBlanks(const QString& text, int availableWidth);
QString insertBreakBlanks(const QString& text, int availableWidth, const QFont& font);
