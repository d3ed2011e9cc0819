#pragma once
// The about window: the form's title, the program's description, the version
// and a box of version notes that can be shown or hidden.
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace quelvo {

class frmAbout_794 : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout_794(QWidget* parent = nullptr);

    QLabel* lblTitulo = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblVersion = nullptr;
    QPlainTextEdit* txtVerInfo = nullptr;
    QToolButton* cmdVerInf = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QFrame* lnLinea = nullptr;
    QFrame* shpBorde = nullptr;

public slots:
    void cmdVerInf_Click();
    void cmdAceptar_Click();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
    // Heights kept in twips, so repeated toggles never drift by rounding.
    void ponerAlto(int altoTwips, int bordeTwips);

    int altoTwips_ = 0;
};

}  // namespace quelvo
