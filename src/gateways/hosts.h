#pragma once

#include <QString>

namespace Pasarelas {

// Where each gateway lives: the host that receives the form, the host named in
// the Referer, and the page host some gateways' Referer points at.
struct HostsPasarela {
    QString nombre;
    QString formulario;
    QString referer;
};

// The host table for a gateway with a template; nullptr for any other name.
const HostsPasarela *hostsDe(const QString &nombre);

} // namespace Pasarelas
