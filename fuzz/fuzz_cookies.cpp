// Server answers through the cookie collection: any bytes, as the exchange decodes them.
#include "apoyo_fuzz.h"

#include "common/campos.h"
#include "gateways/cookies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano) {
    const QString original = desdeAnsi(QByteArray(reinterpret_cast<const char *>(datos), qsizetype(tamano)));
    QString respuesta = original;
    const QString cookies = Pasarelas::recogerCookies(respuesta);
    EXIGIR(original.endsWith(respuesta));
    // Values may overlap (each runs to the next ";" anywhere), but never add up to
    // more than twice the answer: memory stays linear in what the server sent.
    EXIGIR(cookies.size() <= 2 * original.size());
    if (!original.contains(QLatin1String("set-cookie:"), Qt::CaseInsensitive) &&
        !original.contains(QLatin1String("Cookie:")))
        EXIGIR(cookies.isEmpty() && respuesta == original);
    return 0;
}
