#pragma once
// What the three import windows share: the path box, the import, close and
// edit-errors buttons with their states, the run over the file's lines that
// keeps the window responsive and stops between lines on a cancel, the
// failure message and the error log.
#include <QByteArray>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QCloseEvent;
class QFrame;
class QLabel;
class QLayout;
class QPushButton;

namespace rt {
class Error;
}

namespace quelvo {

class Contador;
class ctrSelFichero_794;
class RegistroImportacion;

class VentanaImportacion : public QWidget {
    Q_OBJECT

public:
    QWidget* ctrSelFichero = nullptr;
    QPushButton* cmdImportar = nullptr;
    QPushButton* cmdCerrar = nullptr;
    QPushButton* cmdEditarErrores = nullptr;

    // A run is under way.
    bool Importando() const { return importando_; }
    // A run has ended: the import button closes the window.
    bool Terminada() const { return terminada_; }
    // The file chosen in the path box.
    QString RutaFichero() const;

public slots:
    void cmdImportar_Click();
    void cmdCerrar_Click();
    void cmdEditarErrores_Click();

protected:
    // Builds the buttons; the window adds the path box and lays them out.
    VentanaImportacion(const char* nombre, QWidget* parent);
    ~VentanaImportacion() override;
    // The path box, proposing `ruta`.
    void AñadirSelectorFichero(const QString& ruta);
    // A file of that name in the work folder.
    static QString EnTrabajo(const char* fichero);

    // The steps of a run, in this order: Preparar (false ends it before any
    // file is read), Preanalizar (the bars' maxima and the layout), then
    // ImportarLinea and ActualizarContadores for every line; Bloquear(true)
    // before the first line and Bloquear(false) after the last.
    virtual bool Preparar() { return true; }
    virtual void Preanalizar(const std::string& ruta) = 0;
    virtual void ImportarLinea(std::string& linea, RegistroImportacion& registro,
                               int32_t numero) = 0;
    virtual void ActualizarContadores(RegistroImportacion& registro, int32_t numero) = 0;
    virtual void Bloquear(bool bloqueado) { (void)bloqueado; }
    // After a run: whether the log holds something for the user to see.
    virtual bool HayErroresQueVer() const = 0;

    // The window's counts, shown as the run goes.
    void Contadores(std::initializer_list<Contador*> contadores) { contadores_ = contadores; }

    // Loading and unloading that every import window does.
    void CargarComun();
    // Lays the window out in its frame `marco`: `arriba` (title, selectors)
    // and the path box, the results frame `resultados` holding `cuentas`,
    // the edit-errors button, `debajo` (may be null), then the two buttons.
    void Disponer(const char* marco, std::initializer_list<QWidget*> arriba,
                  const char* resultados, QLayout* cuentas, QLayout* debajo);
    void closeEvent(QCloseEvent* evento) override;

private:
    void Importar();
    void Fallo(const rt::Error& e);
    void Finalizar();
    void MostrarContadores();

    ctrSelFichero_794* rutaBox_ = nullptr;
    std::vector<Contador*> contadores_;
    // The click locations of the three buttons.
    QByteArray eventos_[3];
    bool blnCancelar_ = false;
    bool importando_ = false;
    bool terminada_ = false;
    bool cerrarAlTerminar_ = false;
};

}  // namespace quelvo
