#pragma once
// The splash window: stands on the screen for a few seconds at start-up and
// runs the online version check when the user asked for it.
#include <QWidget>

class QLabel;

namespace quelvo {

class frmInicio_794 : public QWidget {
    Q_OBJECT

public:
    // How long the splash stays, on the whole-second clock: `plazo` seconds,
    // or `plazoConComprobacion` when the online check runs.
    explicit frmInicio_794(int plazo = 3, int plazoConComprobacion = 4, QWidget* parent = nullptr);

    // Shows the window and runs its loading to the end: captions, the check
    // and the wait. Returns when the wait is over; the caller unloads it.
    void Mostrar();

    QLabel* lblTitulo = nullptr;
    QLabel* lblTitulo1 = nullptr;
    QLabel* lblDescripcion = nullptr;
    QLabel* lblDescripcion1 = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* LblAct = nullptr;
    QLabel* lblcopy = nullptr;

private:
    void Form_Load();

    int plazo_;
    int plazoConComprobacion_;
};

}  // namespace quelvo
