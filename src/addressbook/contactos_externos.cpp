#include "addressbook/contactos_externos.h"

#include "addressbook/ajuste_campo.h"
#include "common/campos.h"

#include <QStringDecoder>

namespace Importacion {

QString etiquetaTelefono(const QString &tipo) {
    // Checked in this order: "Business Fax" is a fax and "Work Mobile" a mobile.
    static const std::pair<const char16_t *, const char16_t *> palabras[]{
        {u"fax", u"fax"},          {u"pager", u"busca"},
        {u"busca", u"busca"},      {u"cell", u"móvil"},
        {u"mobile", u"móvil"},     {u"móvil", u"móvil"},
        {u"movil", u"móvil"},      {u"iphone", u"móvil"},
        {u"home", u"casa"},        {u"casa", u"casa"},
        {u"particular", u"casa"},  {u"work", u"trabajo"},
        {u"business", u"trabajo"}, {u"trabajo", u"trabajo"},
        {u"main", u"principal"},   {u"principal", u"principal"},
        {u"other", u"otro"},       {u"otro", u"otro"}};
    for (const auto &[palabra, etiqueta] : palabras) {
        if (tipo.contains(QStringView(palabra), Qt::CaseInsensitive))
            return QString::fromUtf16(etiqueta);
    }
    return QString();
}

void anadirTelefonos(QList<Entrada> &entradas, const QString &nombre, const QString &grupo,
                     const QList<TelefonoLeido> &telefonos) {
    Entrada entrada;
    entrada.nombre = nombre;
    entrada.grupo = grupo;
    QStringList usadas;
    for (const TelefonoLeido &telefono : telefonos) {
        if (telefono.numero.trimmed().isEmpty())
            continue;
        const QString etiqueta = etiquetaTelefono(telefono.tipo);
        if (!usadas.isEmpty())
            entrada.sufijo = etiqueta.isEmpty() || usadas.contains(etiqueta)
                                 ? QString::number(usadas.size() + 1)
                                 : etiqueta;
        usadas.append(etiqueta.isEmpty() ? QStringLiteral("-") : etiqueta);
        entrada.telefono = telefono.numero;
        entradas.append(entrada);
    }
    if (usadas.isEmpty())
        entradas.append(entrada);
}

QString primerGrupo(const QStringList &grupos) {
    for (const QString &grupo : grupos) {
        const QString nombre = sinControles(grupo).trimmed(); // as the group will be kept
        if (nombre.isEmpty() || nombre.startsWith(u'*') ||
            nombre.compare(QLatin1String("myContacts"), Qt::CaseInsensitive) == 0 ||
            nombre.compare(QLatin1String("starred"), Qt::CaseInsensitive) == 0)
            continue;
        return nombre;
    }
    return QString();
}

QString decodificarTexto(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8.decode(bytes);
    return utf8.hasError() ? desdeAnsi(bytes) : texto;
}

} // namespace Importacion
