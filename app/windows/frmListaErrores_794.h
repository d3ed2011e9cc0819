#pragma once
// The error list: the findings of a validation, in the order of the checks
// that found them, each numbered and wrapped to at most three rows.
#include <QDialog>
#include <QStringList>

#include "quelvort/variant.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace quelvo {

// The rows of finding number k: one row, or a numbered first row cut at the
// first blank from character 50 and continuation rows cut at the first blank
// from character 100; continuation rows start with the blank they were cut at.
QStringList FilasHallazgo(int k, const QString& texto);

class frmListaErrores_794 : public QDialog {
    Q_OBJECT

public:
    explicit frmListaErrores_794(QWidget* parent = nullptr);

    // (0 To 1, 0 To n): (0, j) ordinal of the failed check, (1, j) its error
    // code. Set before showing; the window works on a copy.
    rt::Variant vErrores;

    // Loads the window (a failure, such as findings that are not an array,
    // reaches the caller) and shows it modally.
    int exec() override;

    void RellenarListaDeErrores();

    QLabel* labelListaErrores = nullptr;
    QTreeWidget* lstListaErrores = nullptr;
    QPushButton* cmdAceptar = nullptr;

public slots:
    void cmdAceptar_Click();

private:
    void Form_Load();
    void AnchoParaCadaFila();
};

}  // namespace quelvo
