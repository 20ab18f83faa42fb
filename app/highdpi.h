#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// Lets Qt follow the desktop's scale (X11 Xft.dpi, the Wayland output scale) without environment variables, and
// load the @2x pictures on a dense screen. Qt reads these settings once, when the application object is built, so
// this must run before it exists.
void enableHighDpiScaling();

// The picture at `path` for a screen of the given device pixel ratio: its "@2x" sibling where the ratio asks for more
// than the plain file holds, sized to the plain file's size (fitted into `box`, aspect kept, when one is given) times
// the ratio, and marked with that ratio so it takes the same room on every screen. QPixmap alone never looks for
// the sibling, and a picture scaled to a size in points without the ratio comes out blurred on a dense screen.
QPixmap loadPicture(const QString& path, qreal ratio, const QSize& box = QSize());
// The same, for artwork that several screens show at the same size: they share one copy of its pixels.
QPixmap sharedPicture(const QString& path, qreal ratio, const QSize& box = QSize());
