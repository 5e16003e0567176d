#pragma once

#include <QColor>

// Stored colours are red + 256 x green + 65536 x blue: the reverse of QRgb's order.
QColor colorDesdeRegistro(quint32 valor);
quint32 colorARegistro(const QColor &color);
