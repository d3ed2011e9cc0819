#pragma once
// Making the controls of a window by their names, the read-only boxes that
// show a long text, and the two event facts the windows' handlers share.
#include <QLabel>
#include <QStringList>
#include <functional>
#include <vector>

class QAbstractButton;
class QTreeWidget;
class QEvent;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quelvo {

// A label, a bold title label, a command button, each named.
QLabel* NuevaEtiqueta(QWidget* padre, const char* nombre);
QLabel* NuevoTitulo(QWidget* padre, const char* nombre);
QPushButton* NuevoBoton(QWidget* padre, const char* nombre);

// Shows the text whole: a value longer than what may be typed (an imported
// one) is neither cut on screen nor, when the box is read back, in the record.
void MostrarSinCortar(QLineEdit* caja, const QString& texto);

// Runs the handler on each click of the button, inside the event guard of
// the window, with `evento` ("frmX_794T.cmdY_Click") as its location.
void AlPulsar(QAbstractButton* boton, QWidget* ventana, const char* evento, std::function<void()> manejador);

// Empties the list and gives it these columns, widths in twips; a width of
// 0 hides its column (a store the commands read back). The list is made at
// least as wide as its columns. Returns their width in pixels.
int ColumnasLista(QTreeWidget* lista, const QStringList& titulos, const std::vector<int>& anchos);

// The box shows the beginning of a text longer than itself whenever the
// program sets one (a box shows the end of what is set in it), so a long
// name reads from its first word. Typing in the box is left alone.
void MostrarPrincipio(QLineEdit* caja);

// The box is made wide enough for that many of the widest character a user
// may type, so a value of the longest length reads whole whatever its letters.
void AnchoParaCaracteres(QLineEdit* caja, int caracteres);

// A label that shows the end of a text longer than itself, after an ellipsis,
// so a long path keeps its file name in view; the whole text stays its text()
// and is its tooltip. It asks for room for the whole text but can do with
// less.
class EtiquetaFinal : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString textoVisible READ TextoVisible)

public:
    explicit EtiquetaFinal(QWidget* padre = nullptr);

    // What the label shows at its present width.
    QString TextoVisible() const;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    QRect areaTexto() const;
};

// A focus-out event that moves the focus within the window; the focus
// leaving with its window (a modal list opening, another window activated)
// is none.
bool FocoSaleDentro(const QEvent* evento);

}  // namespace quelvo
