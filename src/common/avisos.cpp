#include "common/avisos.h"

#include <QDebug>

namespace Avisos {
namespace {
// Without an installed handler (a core-only tool), a box would have nowhere to go:
// the text goes to the diagnostic output and a question is answered No.
FuncionAviso manejadorAviso = [](const QString &texto) { qWarning().noquote() << texto; };
FuncionPregunta manejadorPregunta = [](const QString &texto) {
    qWarning().noquote() << texto;
    return false;
};
} // namespace

void aviso(const QString &texto) {
    manejadorAviso(texto);
}

bool pregunta(const QString &texto) {
    return manejadorPregunta(texto);
}

std::pair<FuncionAviso, FuncionPregunta> instalar(FuncionAviso aviso, FuncionPregunta pregunta) {
    auto anteriores = std::make_pair(manejadorAviso, manejadorPregunta);
    manejadorAviso = std::move(aviso);
    manejadorPregunta = std::move(pregunta);
    return anteriores;
}

} // namespace Avisos
