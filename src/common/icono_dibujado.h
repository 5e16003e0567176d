#pragma once

#include <QColor>
#include <QIcon>

#include <functional>

class QPainter;

// The small images of the trees, drawn at run time on a 16-unit square: sharp at any
// size and pixel ratio, in the colours of the program's own icon (packaging/zarcel.svg).
QIcon iconoDibujado(std::function<void(QPainter &)> dibujo);

namespace Paleta {
inline const QColor pizarra{0x37, 0x47, 0x4F};
inline const QColor cielo{0xB3, 0xE5, 0xFC};
inline const QColor gris{0x90, 0xA4, 0xAE};
inline const QColor azul{0x1F, 0x6F, 0xB5};
} // namespace Paleta
