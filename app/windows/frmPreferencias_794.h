#pragma once
// The preferences window: the interface language and the online-check flag,
// and a link that runs the online check at once.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quelvo {

class frmPreferencias_794 : public QDialog {
    Q_OBJECT

public:
    explicit frmPreferencias_794(QWidget* parent = nullptr);

    QRadioButton* optCast = nullptr;
    QRadioButton* optEusk = nullptr;
    QCheckBox* chkActOnline = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdCancelar = nullptr;
    QLabel* lblIdioma = nullptr;
    QLabel* lblActualizaciones = nullptr;
    QLabel* lblActAhora = nullptr;
    QLabel* lblTitulo = nullptr;

    // The language chosen in the window, "C" or "E".
    QString Idioma() const { return idioma_; }

public slots:
    void optCast_Click();
    void optEusk_Click();
    void lblActAhora_Click();
    void cmdAceptar_Click();
    void cmdCancelar_Click();

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
    void MostrarPreferencias();
    void PresentarTitulos();

    QString idioma_;
};

}  // namespace quelvo
