#pragma once

#include <QPixmap>

// The decorative pictures of the About and greetings windows, drawn at run time so
// that the program ships no image files.
QPixmap dibujoMoviles();
QPixmap dibujoSaludos();
