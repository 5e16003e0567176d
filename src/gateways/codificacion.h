#pragma once

#include <QString>

namespace Pasarelas {
// A form value: only ASCII letters and digits pass, a blank becomes "+", line
// breaks vanish and every other Windows-1252 code becomes "%XX" (uppercase hex).
QString codificarURL(const QString &texto);
} // namespace Pasarelas

namespace Tipos {
// Standard Base64 (with "=" padding, no line breaks) of the Windows-1252 codes of `texto`.
QString codificarBase64(const QString &texto);
} // namespace Tipos
