#pragma once

class QWidget;

namespace PageMiddle {

// On a screen with less room than a page, a page keeps its title bar at the top and its bottom bar at the foot, and
// what lies between them scrolls. Pages that already scroll a part of their own are left as they are.
void scrollBetweenBars(QWidget* page);

} // namespace PageMiddle
