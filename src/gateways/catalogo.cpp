#include "gateways/catalogo.h"

#include "common/campos.h"

#include <array>

namespace Pasarelas {
namespace {
const std::array<EntradaCatalogo, 16> &catalogo() {
    static const std::array<EntradaCatalogo, 16> entradas = {{
        {QStringLiteral("Amena"), 130, false, pasarelaAmena},
        {QStringLiteral("Navegalia"), 140, false, pasarelaNavegalia},
        {QStringLiteral("PanoramaActual"), 120, false, pasarelaPanoramaActual},
        {QStringLiteral("SMSYes"), 140, true, pasarelaSMSYes},
        {QStringLiteral("WebServicio"), 160, false, pasarelaWebServicio},
        {QStringLiteral("Movistar"), 160, false, pasarelaMovistar},
        {QStringLiteral("GsmNet"), 130, false, pasarelaGsmNet},
        {QStringLiteral("Unimobile"), 120, true, nullptr},
        {QStringLiteral("MiNick"), 140, true, nullptr},
        {QStringLiteral("GsmBox"), 140, false, nullptr},
        {QStringLiteral("Terra"), 120, false, nullptr},
        {QStringLiteral("Jumpy"), 140, false, nullptr},
        {QStringLiteral("Lycos"), 130, false, nullptr},
        {QStringLiteral("Latinia"), 134, false, nullptr},
        {QStringLiteral("LaNetro"), 135, false, nullptr},
        {QStringLiteral("Totalise"), 120, true, nullptr},
    }};
    return entradas;
}
} // namespace

const EntradaCatalogo *buscarPasarela(const QString &nombre) {
    const QString buscado = recortarEspacios(nombre);
    for (const EntradaCatalogo &entrada : catalogo()) {
        if (entrada.nombre == buscado)
            return &entrada;
    }
    return nullptr;
}

QStringList pasarelasDisponibles() {
    return {QStringLiteral("Amena"),       QStringLiteral("Movistar"),       QStringLiteral("Navegalia"),
            QStringLiteral("WebServicio"), QStringLiteral("PanoramaActual"), QStringLiteral("GsmNet"),
            QStringLiteral("SMSYes")};
}

} // namespace Pasarelas
