#include "gateways/catalogo.h"

#include "common/campos.h"

#include <array>

namespace Pasarelas {
namespace {
const std::array<EntradaCatalogo, 16> &catalogo() {
    static const std::array<EntradaCatalogo, 16> entradas = {{
        {QStringLiteral("Amena"), 130, false},
        {QStringLiteral("Navegalia"), 140, false},
        {QStringLiteral("PanoramaActual"), 120, false},
        {QStringLiteral("SMSYes"), 140, true},
        {QStringLiteral("WebServicio"), 160, false},
        {QStringLiteral("Movistar"), 160, false},
        {QStringLiteral("GsmNet"), 130, false},
        {QStringLiteral("Unimobile"), 120, true},
        {QStringLiteral("MiNick"), 140, true},
        {QStringLiteral("GsmBox"), 140, false},
        {QStringLiteral("Terra"), 120, false},
        {QStringLiteral("Jumpy"), 140, false},
        {QStringLiteral("Lycos"), 130, false},
        {QStringLiteral("Latinia"), 134, false},
        {QStringLiteral("LaNetro"), 135, false},
        {QStringLiteral("Totalise"), 120, true},
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
