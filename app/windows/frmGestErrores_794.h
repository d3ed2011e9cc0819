#pragma once
// The error window: the form, the event, the log file and the description of
// an error that reached an event handler, with the description folded away
// until "Ver detalles >>" is pressed.
//
// Control arrays: element i of array `name` is the widget whose objectName is
// name + "_" + i (txtError_0 .. txtError_3, Label1_0 .. Label1_3, Frame1_1).
#include <QDateTime>
#include <QDialog>
#include <QString>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quelvo {

class frmGestErrores_794 : public QDialog {
    Q_OBJECT

public:
    explicit frmGestErrores_794(QWidget* parent = nullptr);

    // Fills the window, writes the log and shows the window modally; returns
    // when the user closes it.
    void Mostrar(const QString& formulario, const QString& evento, const QString& descripcion);

    // Writes the log of one report into the temporary folder and returns its
    // path, also when nothing could be written.
    static QString ErrorADisco(const QString& formulario, const QString& evento,
                               const QString& descripcion);
    // The same at a given moment.
    static QString ErrorADisco(const QString& formulario, const QString& evento,
                               const QString& descripcion, const QDateTime& momento);

public slots:
    void cmdAceptar_Click();
    void cmdMas_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Form_Load();
    void Image1_DragDrop();

    QLabel* Image1 = nullptr;
    std::array<QLineEdit*, 3> txtCabecera{};   // txtError_0 .. txtError_2
    QPlainTextEdit* txtDescripcion = nullptr;  // txtError_3
    QGroupBox* Frame1_1 = nullptr;
    QPushButton* cmdMas = nullptr;
    QPushButton* cmdAceptar = nullptr;
};

}  // namespace quelvo
