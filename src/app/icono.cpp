#include "app/icono.h"

QIcon iconoPrograma() {
    QIcon icono;
    for (int lado : {16, 32, 48, 64, 128, 256})
        icono.addFile(QStringLiteral(":/iconos/zarcel-%1.png").arg(lado), QSize(lado, lado));
    return icono;
}
