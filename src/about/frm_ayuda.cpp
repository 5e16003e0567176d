#include "about/frm_ayuda.h"

#include "common/campos.h"
#include "common/carpeta.h"
#include "common/ficheros.h"
#include "common/saltos.h"
#include "common/ventanas.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The help text, or the notice that there is none. An empty file is an empty text.
QString textoAyuda() {
    const QString ruta = rutaFichero(QStringLiteral("help.txt"));
    QByteArray datos;
    if (!QFileInfo(ruta).isFile() || !leerFichero(ruta, datos))
        return QStringLiteral("Fichero de ayuda no disponible");
    return desdeCRLF(desdeAnsi(datos));
}
} // namespace

frmAyuda::frmAyuda(QWidget *padre) : QDialog(padre) {
    setObjectName(QStringLiteral("frmAyuda"));
    setWindowTitle(QStringLiteral("Ayuda..."));

    txtAyuda = new QPlainTextEdit(this);
    txtAyuda->setObjectName(QStringLiteral("txtAyuda"));
    txtAyuda->setAccessibleName(QStringLiteral("Ayuda"));
    txtAyuda->setReadOnly(true);
    txtAyuda->setPlainText(textoAyuda());
    btnCerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    btnCerrar->setObjectName(QStringLiteral("btnCerrar"));
    btnCerrar->setDefault(true);

    auto *columna = new QVBoxLayout(this);
    columna->addWidget(txtAyuda, 1);
    columna->addWidget(btnCerrar, 0, Qt::AlignRight);

    connect(btnCerrar, &QPushButton::clicked, this, &QDialog::accept);
    resize(640, 480);
    centrarEnPantalla(this);
}
