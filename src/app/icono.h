#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon at the sizes windows and trays draw (16 to 64 px), from the one
// drawing that the launcher and the archive also ship; the tray and every window show it.
QIcon iconoPrograma();

// A PNG image read without guessing its format: to guess, Qt loads every image-format
// plugin it has, and their libraries, to ask each whether it reads the file.
QPixmap leerPng(const QString &ruta);
