#include "exchange/ventana_importacion.h"

#include <QCloseEvent>
#include <QDir>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/ventana_hija.h"
#include "exchange/cimportacion.h"
#include "exchange/contador.h"
#include "exchange/registro_importacion.h"
#include "platform/sistema.h"
#include "printing/cselfichero.h"
#include "printing/ctrSelFichero_794.h"
#include "printing/titulos.h"
#include "quelvort/error.h"
#include "quelvort/textfile.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/interaccion.h"
#include "services/mensajes.h"
#include "services/objetos.h"
#include "services/texto_valor.h"
#include "services/ventana_principal.h"

namespace quelvo {

namespace {

// Milliseconds between two refreshes of the window during a run.
constexpr qint64 kRefresco = 40;

// Both paths name one file (a link or another spelling of the same path).
bool MismoFichero(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty()) return ca == cb;
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

// One run of the import object. Terminar ends it and raises when its last
// lines cannot be committed; a run left by a failure is ended on the way out,
// the failure being reported already.
class Ejecucion {
public:
    Ejecucion() { objImportacion().IniciarImportacion(); }
    Ejecucion(const Ejecucion&) = delete;
    Ejecucion& operator=(const Ejecucion&) = delete;
    ~Ejecucion() {
        if (abierta_) try {
                objImportacion().TerminarImportacion();
            } catch (...) {
            }
    }
    void Terminar() {
        abierta_ = false;
        objImportacion().TerminarImportacion();
    }

private:
    bool abierta_ = true;
};

}  // namespace

VentanaImportacion::VentanaImportacion(const char* nombre, QWidget* parent) : QWidget(parent) {
    setObjectName(nombre);
    cmdImportar = NuevoBoton(this, "cmdImportar");
    cmdCerrar = NuevoBoton(this, "cmdCerrar");
    cmdEditarErrores = NuevoBoton(this, "cmdEditarErrores");
    cmdEditarErrores->setEnabled(false);
    eventos_[0] = QByteArray(nombre) + "T.cmdImportar_Click";
    eventos_[1] = QByteArray(nombre) + "T.cmdCerrar_Click";
    eventos_[2] = QByteArray(nombre) + "T.cmdEditarErrores_Click";
    AlPulsar(cmdImportar, this, eventos_[0].constData(), [this] { cmdImportar_Click(); });
    AlPulsar(cmdCerrar, this, eventos_[1].constData(), [this] { cmdCerrar_Click(); });
    AlPulsar(cmdEditarErrores, this, eventos_[2].constData(), [this] { cmdEditarErrores_Click(); });
}

VentanaImportacion::~VentanaImportacion() {
    if (objGeneral().ctlSelFichero == ctrSelFichero) objGeneral().ctlSelFichero = nullptr;
}

void VentanaImportacion::AñadirSelectorFichero(const QString& ruta) {
    objSelFichero().RutaPorDefecto(ruta);
    rutaBox_ = new ctrSelFichero_794(this, UsoFichero::Leer);
    rutaBox_->setObjectName("ctrSelFichero");
    ctrSelFichero = rutaBox_;
    objGeneral().ctlSelFichero = ctrSelFichero;
}

QString VentanaImportacion::EnTrabajo(const char* fichero) {
    return QString::fromStdString(strRutaTrabajo) + "/" + fichero;
}

void VentanaImportacion::Disponer(const char* marco, std::initializer_list<QWidget*> arriba,
                                  const char* resultados, QLayout* cuentas, QLayout* debajo) {
    auto exterior = new QFrame(this);
    exterior->setObjectName(marco);
    exterior->setFrameShape(QFrame::Box);
    auto v = new QVBoxLayout(exterior);
    for (QWidget* w : arriba) v->addWidget(w);
    v->addWidget(ctrSelFichero);
    auto marcoResultados = new QFrame(exterior);
    marcoResultados->setObjectName(resultados);
    marcoResultados->setFrameShape(QFrame::Box);
    auto r = new QVBoxLayout(marcoResultados);
    r->addLayout(cuentas);
    r->addWidget(cmdEditarErrores);
    v->addWidget(marcoResultados);
    if (debajo) v->addLayout(debajo);
    // With the close button hidden after a run the import button stands in
    // the middle.
    auto botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdImportar);
    botones->addWidget(cmdCerrar);
    botones->addStretch();
    v->addLayout(botones);
    auto todo = new QVBoxLayout(this);
    todo->addWidget(exterior);
}

QString VentanaImportacion::RutaFichero() const { return rutaBox_->RutaFichero().trimmed(); }

void VentanaImportacion::CargarComun() {
    DeshabilitarMenusSalvoAyuda();
    cmdImportar->setText(Cat(300));
    cmdCerrar->setText(Cat(112));
    cmdEditarErrores->setText(Cat(137));
}

void VentanaImportacion::cmdImportar_Click() {
    if (terminada_) {
        DescargarHija(this);
        return;
    }
    cmdCerrar->setText(Cat(111));
    Importar();
}

void VentanaImportacion::Importar() {
    const QString ruta = RutaFichero();
    if (MismoFichero(ruta, QString::fromStdString(RutaRegistroImportacion()))) {
        interaccion().Avisar(lngIdioma == 0
                                 ? "El archivo de errores de la importación no se puede importar."
                                 : "Inportazioaren akats artxiboa ezin da inportatu.",
                             kTituloErrorIntroduccion);
        cmdCerrar->setText(Cat(112));
        return;
    }
    try {
        Ejecucion ejecucion;
        if (!Preparar()) {
            cmdCerrar->setText(Cat(112));
            return;
        }
        const std::string fichero = ruta.toStdString();
        Preanalizar(fichero);
        rt::TextFileReader lectura(fichero);
        RegistroImportacion registro;
        cmdImportar->setEnabled(false);
        importando_ = true;
        Bloquear(true);
        std::string linea;
        int32_t numero = 0;
        QElapsedTimer reloj;
        reloj.start();
        try {
            while (!blnCancelar_ && lectura.ReadLine(linea)) {
                ++numero;
                ImportarLinea(linea, registro, numero);
                ActualizarContadores(registro, numero);
                // The window repaints and a cancel arrives between lines:
                // after the first line, then whenever a screen refresh is due.
                if (numero == 1 || reloj.elapsed() >= kRefresco) {
                    MostrarContadores();
                    QCoreApplication::processEvents();
                    reloj.restart();
                }
            }
        } catch (...) {
            MostrarContadores();
            // The log keeps what was written before the failure.
            registro.Cerrar();
            throw;
        }
        registro.Cerrar();
        ejecucion.Terminar();
    } catch (const rt::Error& e) {
        Fallo(e);
        return;
    } catch (const std::exception& e) {
        Fallo(rt::Error(0, "Quelvo", e.what()));
        return;
    }
    Finalizar();
}

void VentanaImportacion::MostrarContadores() {
    for (Contador* c : contadores_) c->Mostrar();
}

void VentanaImportacion::Finalizar() {
    MostrarContadores();
    importando_ = false;
    Bloquear(false);
    blnMostrarAviso = false;
    if (HayErroresQueVer()) cmdEditarErrores->setEnabled(true);
    cmdCerrar->hide();
    cmdImportar->setText(Cat(112));
    cmdImportar->setEnabled(true);
    terminada_ = true;
    blnCancelar_ = false;
    if (cerrarAlTerminar_) DescargarHija(this);
}

void VentanaImportacion::Fallo(const rt::Error& e) {
    importando_ = false;
    Bloquear(false);
    blnMostrarAviso = false;
    blnCancelar_ = false;
    // A missing file is named by its path; the runtime's own text is English.
    const QString texto = e.Number == rt::err::FileNotFound
                              ? ConValor(Cat(231), RutaFichero())
                              : ConValor(Cat(268), QString::fromStdString(e.Description));
    interaccion().Avisar(texto, Cat(172));
    DescargarHija(this);
}

void VentanaImportacion::cmdCerrar_Click() {
    blnCancelar_ = true;
    if (!importando_) DescargarHija(this);
}

void VentanaImportacion::cmdEditarErrores_Click() {
    const QString ruta = QString::fromStdString(RutaRegistroImportacion());
    const bool espanol = lngIdioma == 0;
    QString texto;
    switch (plataforma::AbrirDocumento(ruta)) {
    case plataforma::Apertura::Abierta:
        return;
    case plataforma::Apertura::NoExiste:
        texto = espanol ? QStringLiteral("No se encuentra el archivo %1.") : QStringLiteral("Ez da %1 fitxategia aurkitu.");
        break;
    case plataforma::Apertura::SinPrograma:
        texto = espanol ? QStringLiteral("No hay ningún programa que pueda mostrar el archivo %1. Ábralo con un "
                                         "editor de texto.")
                        : QStringLiteral("Ez dago %1 fitxategia erakuts dezakeen programarik. Ireki ezazu "
                                         "testu-editore batekin.");
        break;
    }
    interaccion().Avisar(texto.arg(QDir::toNativeSeparators(ruta)), windowTitle());
}

void VentanaImportacion::closeEvent(QCloseEvent* evento) {
    if (importando_) {
        // A close during a run asks for a cancel; the window goes when the
        // run has stopped.
        blnCancelar_ = true;
        cerrarAlTerminar_ = true;
        evento->ignore();
        return;
    }
    evento->accept();
    Guardar(this, (objectName() + "T.Form_Unload").toUtf8().constData(),
            [] { objGeneral().HabilitarMenu(); });
}

}  // namespace quelvo
