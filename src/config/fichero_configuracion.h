#pragma once

#include "config/configuracion.h"

// The settings as last read from "zarcel.cfg", shared by the whole program.
extern Configuracion configuracion;

QString rutaConfiguracion();

// Reads "zarcel.cfg" into `configuracion` when the file exists; otherwise leaves it.
// A file shorter than a record keeps the default value of every field it lacks.
void leerConfiguracion();

// Writes the default settings file and turns autostart on. Returns false, autostart
// untouched, when the file could not be written (the program then runs on the
// defaults in memory).
bool escribirConfiguracionPorDefecto();

// Replaces "zarcel.cfg" atomically with `registro`; `configuracion` is not touched.
// Returns false (old file intact) when the file could not be written.
bool grabarConfiguracion(const Configuracion &registro);

// The file bytes for a record, and a record from file bytes (scrambling included).
QByteArray configuracionABytes(const Configuracion &registro);
Configuracion configuracionDesdeBytes(const QByteArray &datos);
