#pragma once
// The window of a failed version check: no connection, or a reply that could
// not be read. Bilingual whatever the language; always on top.
#include <QDialog>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;

namespace quelvo {

namespace plataforma {
class CursorNormal;
}

class FrmSinConexion_794 : public QDialog {
    Q_OBJECT

public:
    explicit FrmSinConexion_794(QWidget* parent = nullptr);
    ~FrmSinConexion_794() override;

    QLabel* lblTitulo = nullptr;
    QLabel* lblTituloC = nullptr;
    QLabel* lblTituloE = nullptr;
    QCheckBox* ChkNoPreg = nullptr;
    QPushButton* CmdContinuar = nullptr;

public slots:
    void ChkNoPreg_Click();
    void CmdContinuar_Click();

private:
    void Form_Load();

    // The arrow over any hourglass of the caller while the window is up.
    std::unique_ptr<plataforma::CursorNormal> cursor_;
};

}  // namespace quelvo
