#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running copy per user: a lock file in the user's runtime folder. A lock
// left by a crashed copy is recognised as stale and taken over.
class InstanciaUnica {
public:
    explicit InstanciaUnica(const QString &rutaBloqueo = rutaPorDefecto());
    ~InstanciaUnica();

    // False only when another copy holds the lock. Any other failure lets the
    // program run without the lock; fallo() then says, in Spanish, what failed.
    bool adquirir();
    void liberar();
    QString fallo() const { return descripcionFallo; }

    static QString rutaPorDefecto();

private:
    std::unique_ptr<QLockFile> bloqueo;
    QString descripcionFallo;
};
