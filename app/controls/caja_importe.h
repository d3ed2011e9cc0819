#pragma once
// The amount box: a text box that holds an amount as text in Spanish
// conventions ("1234,56"), keeps every character the user types or pastes,
// shows the amount with thousands points while it is not being edited, and
// tells its window when the user leaves it. What was typed is read as
// LeerImporte reads it; a text that is no amount is kept as typed, for the
// window to refuse, never cut into another number. A value the program set
// and the user left as it was is given back as it was set, whatever its
// decimals (an amount converted from pesetas can hold fractions of a cent).
#include <QLineEdit>
#include <QString>

namespace quelvo {

class CajaImporte : public QLineEdit {
    Q_OBJECT

public:
    explicit CajaImporte(QWidget* parent = nullptr);

    // The amount as text with a decimal comma and no thousands points; ""
    // for a box without an amount; a text that is no amount as it stands.
    QString Valor() const;
    void Valor(const QString& valor);
    // Whether Valor is an amount (or empty).
    bool EsImporte() const;
    // Whether the user changed the text since the program last set Valor.
    bool Tecleado() const;

signals:
    // The user left the box for another control of the window, by `motivo`
    // (Tab, a click, a shortcut...); Valor holds what was left in it.
    void Salida(Qt::FocusReason motivo);

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Mostrar();

    QString valor_;
    bool tecleado_ = false;
    // Between entering the box and leaving it; the focus lent to an edit
    // menu or to another window does not end it.
    bool editando_ = false;
};

}  // namespace quelvo
