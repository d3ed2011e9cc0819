#pragma once
// The amount box: a text box that holds an amount as text in Spanish
// conventions ("1234,56"), takes at most the digits a submission record holds
// (eleven whole digits, two decimals, an optional minus), shows the amount
// with thousands points while it is not being edited, and tells its window
// when the user leaves it.
#include <QLineEdit>
#include <QString>

namespace quelvo {

class CajaImporte : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kDigitosEnteros = 11;
    static constexpr int kDecimales = 2;

    explicit CajaImporte(QWidget* parent = nullptr);

    // The amount as text with a decimal comma and no thousands points; ""
    // for a box without an amount.
    QString Valor() const;
    void Valor(const QString& valor);

signals:
    // The box lost the focus; Valor holds what the user left in it.
    void Salida();

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Mostrar();

    QString valor_;
};

}  // namespace quelvo
