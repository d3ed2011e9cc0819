#pragma once
// Making the controls of a window by their names, and the two event facts
// the windows' handlers share.
#include <QStringList>
#include <functional>
#include <vector>

class QAbstractButton;
class QTreeWidget;
class QEvent;
class QLabel;
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

// A focus-out event that moves the focus within the window; the focus
// leaving with its window (a modal list opening, another window activated)
// is none.
bool FocoSaleDentro(const QEvent* evento);

}  // namespace quelvo
