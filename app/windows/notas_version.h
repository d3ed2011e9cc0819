#pragma once
// The frame the about and language windows share: a border round the window,
// an icon at the top left, a title and a version label, and version notes
// below a line that an info button shows or hides.
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace quelvo {

// In twips: the window's width and closed height, the line's top and the
// notes' height.
struct MedidasNotas {
    int ancho = 0;
    int alto = 0;
    int linea = 0;
    int notas = 0;
};

class DialogoNotasVersion : public QDialog {
public:
    QLabel* lblTitulo = nullptr;
    QLabel* lblVersion = nullptr;
    QPlainTextEdit* txtVerInfo = nullptr;
    QToolButton* cmdVerInf = nullptr;
    QFrame* lnLinea = nullptr;

    // Opens the notes below the line, the window growing by their height, or
    // closes them again.
    void cmdVerInf_Click();

protected:
    // Names the window and makes the border and the icon, first so they stand
    // beneath the rest.
    DialogoNotasVersion(QWidget* parent, const char* nombre, const char* nombreBorde,
                        const MedidasNotas& medidas);

    int Ancho() const;
    // Top of the line, in pixels.
    int Linea() const;
    // A label in the column right of the icon.
    QLabel* Etiqueta(const char* nombre, int y, int alto, const QString& texto = {});
    // The info button, `sobreLinea` pixels above the line.
    void CrearBoton(int sobreLinea);
    // The line and the hidden notes; the window takes its closed size.
    void CrearNotas();
    void PintarVerde();

private:
    // Heights kept in twips, so repeated toggles never drift by rounding.
    void ponerAlto(int altoTwips, int bordeTwips);

    MedidasNotas medidas_;
    QFrame* borde_ = nullptr;
    int altoTwips_ = 0;
};

}  // namespace quelvo
