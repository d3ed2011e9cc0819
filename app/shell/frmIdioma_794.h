#pragma once
// The first-run window: the interface language and the online-check flag.
// Its texts are fixed, partly in both languages, since no language is chosen
// yet.
#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace quelvo {

class frmIdioma_794 : public QDialog {
    Q_OBJECT

public:
    explicit frmIdioma_794(QWidget* parent = nullptr);

    QCheckBox* chkActOnline = nullptr;
    QPlainTextEdit* txtVerInfo = nullptr;
    QToolButton* cmdVerInf = nullptr;
    QPushButton* cmdCastellano = nullptr;
    QPushButton* cmdEuskara = nullptr;
    QFrame* lnLinea = nullptr;
    QLabel* lblTitulo = nullptr;
    QLabel* lblVersion = nullptr;
    QFrame* shpMarco2_Borde = nullptr;

    // Every way out (a language button, the close box, Esc) unloads it.
    void done(int resultado) override;

public slots:
    void cmdCastellano_Click();
    void cmdEuskara_Click();
    void chkActOnline_Click();
    void cmdVerInf_Click();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void elegir(const char* idioma);
    void ponerAlto(int altoTwips, int bordeTwips);

    int altoTwips_ = 0;
};

}  // namespace quelvo
