#include "common/caja_log.h"

#include "common/saltos.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

CajaLog::CajaLog(QWidget *padre) : QPlainTextEdit(padre) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
}

void CajaLog::anotar(const QString &linea) {
    anadir(linea + QStringLiteral("\r\n"));
}

void CajaLog::anadir(const QString &texto) {
    if (pendiente.isEmpty())
        QTimer::singleShot(0, this, &CajaLog::volcar);
    contenido += texto;
    pendiente += texto;
}

void CajaLog::volcar() {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // The box shows one paragraph per line: CR LF would leave a stray CR in view.
    cursor.insertText(desdeCRLF(pendiente));
    pendiente.clear();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}
