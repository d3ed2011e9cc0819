#pragma once
// The shared progress window of the long jobs on the UI thread, and the step
// routine that advances it and tells the job when the user cancelled.
#include <QWidget>
#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quelvo {

// Steps of the running job, set by the job before it shows the window.
inline int32_t intTotalProgreso = 0;
// Steps done so far: reset to 0 by the job and by the window's unloading.
inline int32_t intProgreso = 0;

// True from a step that answered a Cancel until the next job clears it: a
// job of several parts stops its later parts too.
inline bool blnProgresoDetenido = false;

// Adds `pasos` to intProgreso (a sum beyond 32 bits raises overflow) and
// advances the window; true when the user has pressed Cancel, and the job
// must stop.
bool AvanzarProgreso(int32_t pasos);

class frmBarraDeProgreso_794 : public QWidget {
    Q_OBJECT

public:
    explicit frmBarraDeProgreso_794(QWidget* parent = nullptr);

    // One step: paints the window and lets the Cancel click in; closes it at
    // the step that reaches or passes the total, or at the first step after a
    // Cancel. True when that step answered a Cancel.
    bool ActivarProgreso();

    QLabel* lblTitulo = nullptr;
    QProgressBar* bpgGeneral = nullptr;
    QPushButton* cmdCancelar = nullptr;

public slots:
    void cmdCancelar_Click();

protected:
    // The close box asks to cancel, like the button: the job must hear of it.
    void closeEvent(QCloseEvent* evento) override;

private:
    friend frmBarraDeProgreso_794& BarraDeProgreso();
    void Form_Load();
    void Form_Unload();

    bool blnCancelar = false;
    bool descargada_ = false;
};

// The program-wide window, loaded when it is not.
frmBarraDeProgreso_794& BarraDeProgreso();

}  // namespace quelvo
