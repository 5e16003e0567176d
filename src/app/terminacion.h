#pragma once

#include <functional>

// Ends the process at once, from however deep in nested event loops: a quit()
// would let the code after each wait run on (a send would go on). Tests replace it.
namespace Terminacion {
void terminar(int codigo = 0);
void fijar(std::function<void(int)> funcion); // empty restores the real exit
// Run just before the process ends (releasing the single-instance lock).
void alTerminar(std::function<void()> funcion);
} // namespace Terminacion
