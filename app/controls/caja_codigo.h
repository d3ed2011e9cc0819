#pragma once
// A coded box: a text box for a code the user may type or pick (street type,
// province, member state, operation key, sign, period), the picture button
// beside it that opens the code-list drop-down, and the check of a typed
// code against the same list, which silently puts the previous code back
// when the list does not hold it.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class QAbstractButton;
class QLineEdit;
class QTreeWidget;
class QWidget;

namespace quelvo {

class PropietarioLista;

// The button's picture: the list image, and the one shown while the box or
// the button has the focus. Kept as the button's "Imagen" property.
inline constexpr int kImagenLista = 4;
inline constexpr int kImagenListaActiva = 5;

// Sizes of the drop-down in twips: the column, the scroll bar beside it and
// the height.
struct MedidasLista {
    int16_t ancho;
    int16_t margen;
    int16_t alto;
};

class CajaCodigo : public QObject {
    Q_OBJECT

public:
    // `ventana` owns the box and the button and receives the pick through
    // `propietario` (its SelValorLista). `lista` names the pick list as
    // InicializarListas knows it ("Siglas", "Prov", "PAIS", ...).
    CajaCodigo(QWidget* ventana, PropietarioLista* propietario, QLineEdit* caja, QAbstractButton* boton,
               const QString& lista, MedidasLista medidas);

    QLineEdit* caja() const { return caja_; }
    QAbstractButton* boton() const { return boton_; }
    const QString& lista() const { return lista_; }

    // Runs when the user leaves the box for another control of the window
    // (not when another window takes the focus), inside the event guard;
    // the button's picture goes back to the list image afterwards.
    void AlSalir(std::function<void()> salida) { salida_ = std::move(salida); }
    // Runs the leave handler now (the box's text is taken before Accept).
    void Salir();

    // Opens the drop-down under the button, modal, with the box's code
    // preselected; the owner's SelValorLista receives the pick.
    void AbrirLista();

    // The name (in capitals, current language) of the code in the list; ""
    // when the list does not hold it.
    QString Nombre(const QString& codigo) const;
    // Checks the box's code against the list: its name when known; when not,
    // the box gets `anterior` back without a word and "" is returned.
    QString ComprobarOReponer(const QString& anterior) const;

    // The picture the button shows now.
    int Imagen() const;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void MostrarImagen(int imagen);
    void Guardado(const QString& evento, const std::function<void()>& manejador);

    QWidget* ventana_;
    PropietarioLista* propietario_;
    QLineEdit* caja_;
    QAbstractButton* boton_;
    QString lista_;
    MedidasLista medidas_;
    std::function<void()> salida_;
};

// The code of the chosen item of a pick list (its key without the leading
// "c"), and its text in capitals; "" when nothing is chosen.
QString CodigoElegido(const QTreeWidget* lsv);
QString TextoElegido(const QTreeWidget* lsv);

// Gives the control the focus once the current event is over (a leave
// handler may not move the focus while the focus is moving).
void MoverFoco(QWidget* control);

}  // namespace quelvo
