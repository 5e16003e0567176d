#pragma once

#include <QString>

// Title of the main window, of every message box and the tray tip.
inline QString tituloPrograma() {
    return QStringLiteral("Zarcel v.3.0.2");
}
