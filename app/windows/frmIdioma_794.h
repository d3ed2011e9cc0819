#pragma once
// The first-run window: the interface language and the online-check flag.
// Its texts are fixed, partly in both languages, since no language is chosen
// yet.
#include "windows/notas_version.h"

class QCheckBox;
class QPushButton;

namespace quelvo {

class frmIdioma_794 : public DialogoNotasVersion {
    Q_OBJECT

public:
    explicit frmIdioma_794(QWidget* parent = nullptr);

    QCheckBox* chkActOnline = nullptr;
    QPushButton* cmdCastellano = nullptr;
    QPushButton* cmdEuskara = nullptr;

    // Every way out (a language button, the close box, Esc) unloads it.
    void done(int resultado) override;

public slots:
    void cmdCastellano_Click();
    void cmdEuskara_Click();
    void chkActOnline_Click();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void elegir(const char* idioma);
    QLabel* centrada(const char* nombre, const QString& texto, int y);
};

}  // namespace quelvo
