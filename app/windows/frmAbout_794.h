#pragma once
// The about window: the form's title, the program's description, the version
// and a box of version notes that can be shown or hidden.
#include "windows/notas_version.h"

class QPushButton;

namespace quelvo {

class frmAbout_794 : public DialogoNotasVersion {
    Q_OBJECT

public:
    explicit frmAbout_794(QWidget* parent = nullptr);

    QLabel* lblDescription = nullptr;
    QPushButton* cmdAceptar = nullptr;

public slots:
    void cmdAceptar_Click();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
};

}  // namespace quelvo
