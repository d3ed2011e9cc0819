#include "controls/caja_importe.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include "controls/controles.h"
#include "services/valores.h"

namespace quelvo {

namespace {

// The amount read, or the text as it stands when it is no amount.
QString leido(const QString& texto) { return LeerImporte(texto).value_or(texto); }

// Refuses nothing, so no keystroke is lost; says whether the text is an
// amount. Being a filter, it also keeps the window's key filter off the box.
class ValidadorImporte : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texto, int&) const override {
        return LeerImporte(texto) ? Acceptable : Intermediate;
    }
};

}  // namespace

CajaImporte::CajaImporte(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new ValidadorImporte(this));
}

QString CajaImporte::Valor() const { return editando_ && Tecleado() ? leido(text()) : valor_; }

// While the box is edited, its text is the value as set until the user
// changes it.
bool CajaImporte::Tecleado() const { return tecleado_ || (editando_ && text() != valor_); }

bool CajaImporte::EsImporte() const { return LeerImporte(Valor()).has_value(); }

void CajaImporte::Valor(const QString& valor) {
    // A value the program sets that is no amount is shown as it is; the
    // entry's checks report it.
    valor_ = leido(valor);
    tecleado_ = false;
    if (editando_)
        setText(valor_);
    else
        Mostrar();
}

void CajaImporte::Mostrar() { setText(FormatoImporte(valor_)); }

void CajaImporte::focusInEvent(QFocusEvent* evento) {
    const bool entra = !editando_;
    if (entra) {
        editando_ = true;
        setText(valor_);
    }
    QLineEdit::focusInEvent(evento);
    if (entra) selectAll();
}

void CajaImporte::focusOutEvent(QFocusEvent* evento) {
    QLineEdit::focusOutEvent(evento);
    if (!FocoSaleDentro(evento)) return;
    if (text() != valor_) {
        tecleado_ = true;
        valor_ = leido(text());
    }
    editando_ = false;
    Mostrar();
    emit Salida(evento->reason());
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
