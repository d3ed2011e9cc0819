#include "services/texto_valor.h"

#include <QRegularExpression>

namespace quelvo {

namespace {

// The catalog marks the place of a value with a run of dots; three dots alone
// are an ellipsis ("Grabatzen ari da...").
const QRegularExpression kHueco(QStringLiteral("\\.{4,}"));

}  // namespace

QString ConValor(const QString& texto, const QString& valor, const QString& resto) {
    QString mensaje = texto;
    const auto hueco = kHueco.match(mensaje);
    if (hueco.hasMatch()) mensaje.replace(hueco.capturedStart(), hueco.capturedLength(), valor);
    else mensaje = mensaje.trimmed() + QLatin1Char(' ') + valor;
    mensaje = mensaje.trimmed();
    const QString despues = resto.trimmed();
    if (!despues.isEmpty()) mensaje += QLatin1Char(' ') + despues;
    return mensaje;
}

QString ConPregunta(const QString& texto, const QString& pregunta) {
    return texto.trimmed() + QLatin1Char('\n') + pregunta.trimmed();
}

}  // namespace quelvo
