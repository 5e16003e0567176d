#pragma once

#include <QString>

namespace Dialogos {

// Turns the program's filter text, pairs of description and pattern separated by
// "|" ("Fichero de texto|*.txt|Agenda|zarcel.lst"), into a QFileDialog name filter
// ("Fichero de texto (*.txt);;Agenda (zarcel.lst)"). Several patterns of one pair
// may be separated by ";". "*.*" means every file, also those without a dot.
// A description left without a pattern is dropped.
QString filtroPlataforma(const QString &filtro);

} // namespace Dialogos
