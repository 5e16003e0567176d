#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through here: title "Zarcel v.3.0.2",
// exclamation icon, OK (or Yes/No for a question). The windows library installs
// the real boxes at start-up; tests install a recorder that answers them.
namespace Avisos {

using FuncionAviso = std::function<void(const QString &texto)>;
using FuncionPregunta = std::function<bool(const QString &texto)>;

void aviso(const QString &texto);
bool pregunta(const QString &texto);

// Returns the previous handlers so a caller can put them back.
std::pair<FuncionAviso, FuncionPregunta> instalar(FuncionAviso aviso, FuncionPregunta pregunta);

} // namespace Avisos
