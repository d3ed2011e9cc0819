#pragma once
// The message box window behind MostrarMensaje.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quelvo {

class frmMsgBox_794 : public QDialog {
    Q_OBJECT

public:
    explicit frmMsgBox_794(QWidget* parent = nullptr);

    QPlainTextEdit* txtMensaje = nullptr;
    QLabel* lblTitulo = nullptr;
    QLabel* imgMsgBox = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdCancelar = nullptr;
    QCheckBox* chkMostrarMensaje = nullptr;

public slots:
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void chkMostrarMensaje_Click();
    // Closing without a button answers as the box's last button would.
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
};

}  // namespace quelvo
