#pragma once
// The window of a check that read the reply: installed and published
// versions, the download address and the description; its download button
// hands the user over to the download page in the browser.
#include <QByteArray>
#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quelvo {

namespace plataforma {
class CursorNormal;
}

class FrmVersionCheck_794 : public QDialog {
    Q_OBJECT

public:
    explicit FrmVersionCheck_794(QWidget* parent = nullptr);
    ~FrmVersionCheck_794() override;

    // Writes the page that posts itself to `url` (temphtm.HTM in the work
    // folder) and opens it in the browser; says so when no browser opens it.
    static void LanzarExplorador(QWidget* frm, const QString& url);
    // The page's bytes: one Windows-1252 line, the address escaped for HTML.
    static QByteArray PaginaDescarga(const QString& url);
    static QString RutaPagina();

    // Ends the program after the double-click hand-over (replaceable in tests).
    static inline void (*Terminar)() = nullptr;

    QLabel* lblTitulo = nullptr;
    QLabel* LblActual = nullptr;
    QLabel* LblDisponible = nullptr;
    QLineEdit* TxtPath = nullptr;
    QLineEdit* TxtUrl = nullptr;
    QPlainTextEdit* TxtInfo = nullptr;
    QPushButton* CmdActualizar = nullptr;
    QPushButton* CmdContinuar = nullptr;

public slots:
    void CmdActualizar_Click();
    void CmdContinuar_Click();
    void TxtUrl_DblClick();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Form_Load();

    std::unique_ptr<plataforma::CursorNormal> cursor_;
};

}  // namespace quelvo
