#pragma once

#include <QByteArray>

// One record of "groups.lst": the group name, 25 bytes.
struct GrupoAgenda {
    static constexpr int tamano = 25;
    QByteArray nombre = QByteArray(25, ' ');

    QByteArray escribir() const;
    // `datos` must hold at least `tamano` bytes from `posicion`.
    static GrupoAgenda leer(const QByteArray &datos, qsizetype posicion = 0);
};

// One record of "contacts.lst", 87 bytes: four text fields and the reverse-order flag.
struct ContactoAgenda {
    static constexpr int tamano = 87;
    // Offset and width of each field: the one statement of the layout, for leer and
    // escribir and for readers that decode straight from the file.
    struct Campo {
        int posicion;
        int ancho;
    };
    static constexpr Campo campoNombre{0, 25}, campoPrefijo{25, 10}, campoTelefono{35, 25},
        campoGrupo{60, 25};
    static constexpr int posicionFlag = 85;
    QByteArray nombre = QByteArray(25, ' ');   // offset 0
    QByteArray prefijo = QByteArray(10, ' ');  // offset 25
    QByteArray telefono = QByteArray(25, ' '); // offset 35
    QByteArray grupo = QByteArray(25, ' ');    // offset 60
    qint16 envioReves = 0;                     // offset 85, -1 true

    QByteArray escribir() const;
    static ContactoAgenda leer(const QByteArray &datos, qsizetype posicion = 0);
};

// Scramble (or unscramble) every text field of a record in place, over its full width.
namespace Cifrado {
void cifrarContacto(ContactoAgenda &registro);
void cifrarGrupo(GrupoAgenda &registro);
} // namespace Cifrado
