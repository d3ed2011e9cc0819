#include "controls/caja_importe.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "quelvort/convert.h"
#include "services/valores.h"

namespace quelvo {

namespace {

// What the box accepts, and what Valor may hold.
QRegularExpression patron() {
    return QRegularExpression(QString("^-?\\d{0,%1}(,\\d{0,%2})?$")
                                  .arg(CajaImporte::kDigitosEnteros)
                                  .arg(CajaImporte::kDecimales));
}

// A text without a digit ("-", ",") is no amount.
QString normalizado(const QString& texto) {
    for (QChar c : texto)
        if (c.isDigit()) return texto;
    return {};
}

}  // namespace

CajaImporte::CajaImporte(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new QRegularExpressionValidator(patron(), this));
}

QString CajaImporte::Valor() const { return hasFocus() ? normalizado(text()) : valor_; }

void CajaImporte::Valor(const QString& valor) {
    // A value the program sets that the box could not hold is shown as it
    // is; the entry's checks report it.
    valor_ = normalizado(valor.trimmed());
    if (hasFocus())
        setText(valor_);
    else
        Mostrar();
}

void CajaImporte::Mostrar() {
    const auto numero = rt::ParseSpanishNumber(valor_.toStdString());
    setText(valor_.isEmpty() || !numero ? valor_ : FormatoImporte(*numero));
}

void CajaImporte::focusInEvent(QFocusEvent* evento) {
    setText(valor_);
    QLineEdit::focusInEvent(evento);
    selectAll();
}

void CajaImporte::focusOutEvent(QFocusEvent* evento) {
    valor_ = normalizado(text());
    QLineEdit::focusOutEvent(evento);
    Mostrar();
    emit Salida();
}

void CajaImporte::keyPressEvent(QKeyEvent* evento) {
    // The keypad's point is the decimal separator here.
    if (evento->key() == Qt::Key_Period && (evento->modifiers() & Qt::KeypadModifier)) {
        insert(",");
        return;
    }
    QLineEdit::keyPressEvent(evento);
}

}  // namespace quelvo
