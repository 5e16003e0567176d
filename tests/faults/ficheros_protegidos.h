#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One kind of data file as the fault tests see it: how to leave a previous
// version on disk, the save under test, and how the program reads it back.
struct FicheroProtegido {
    QString nombre;
    // Name patterns of the files of the application folder the program reads back.
    QStringList patrones;
    // Bytes the save writes into its largest file.
    qint64 tamano = 0;
    // Leaves the previous version on disk (no fault active).
    std::function<void()> grabarAnterior;
    // The save under test, done in the window where the user does it. Returns
    // whether the window took the save as done (it closed).
    std::function<bool()> grabarNueva;
    // Whether the program, reading the folder again, finds the previous version.
    std::function<bool()> leeAnterior;
    // Whether it finds the new version (checks that the save works without a fault).
    std::function<bool()> leeNueva;
};

// The kinds of file whose saves are checked.
QList<FicheroProtegido> ficherosProtegidos();
