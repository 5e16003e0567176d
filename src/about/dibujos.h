#pragma once

#include <QPixmap>

// The decorative pictures of the About and greetings windows, drawn at run time so
// that the program ships no image files. They are drawn at the screen's pixel ratio
// (the window's devicePixelRatioF()) so that they stay sharp on dense screens.
QPixmap dibujoMoviles(qreal proporcion);
QPixmap dibujoSaludos(qreal proporcion);
