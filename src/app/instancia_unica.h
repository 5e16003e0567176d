#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running copy per user: a lock file in the user's runtime folder. A lock
// left by a crashed copy, even one that never got its owner written, is taken over.
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
    bool propietarioLegible() const;

    std::unique_ptr<QLockFile> bloqueo;
    QString descripcionFallo;
};
