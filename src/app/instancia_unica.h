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

    bool adquirir(); // false when another copy holds the lock
    void liberar();

    static QString rutaPorDefecto();

private:
    std::unique_ptr<QLockFile> bloqueo;
};
