#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Helpers shared by the fuzz targets.

// Inputs that hold several values separate them with this pair of bytes, so the
// seeds stay readable and the fuzzer can still put any byte inside a value.
inline const QByteArray separadorFuzz("\xFE\xFF", 2);

// The input cut at each separator, padded with empty values up to `minimo`.
QList<QByteArray> trocearEntrada(const uint8_t *datos, size_t tamano, int minimo);
QByteArray juntarValores(const QList<QByteArray> &valores);

// Starts the program's environment once per process (every fuzz target gets it
// through LLVMFuzzerInitialize, defined with these helpers): a QCoreApplication, an
// application folder of its own in the temporary folder, short waits, and
// message boxes that are only counted (`avisosFuzz`).
void iniciarEntornoFuzz();
extern int avisosFuzz;

// Stops the process with a message: a broken invariant is a finding.
[[noreturn]] void fallo(const char *motivo);
#define EXIGIR(condicion)                                                                                    \
    do {                                                                                                     \
        if (!(condicion))                                                                                    \
            fallo(#condicion);                                                                               \
    } while (false)
