#include "exchange/frmImpDtes_794.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/ventana_hija.h"
#include "exchange/cimportacion.h"
#include "exchange/preanalisis.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/mensajes.h"
#include "services/objetos.h"

namespace quelvo {

namespace {

QPointer<frmImpDtes_794> unica;

}  // namespace

frmImpDtes_794* frmImpDtes_794::Mostrar() { return MostrarUnica(unica); }

frmImpDtes_794::frmImpDtes_794(QWidget* parent)
    : VentanaImportacion("frmImpDtes_794", parent) {
    AñadirSelectorFichero(EnTrabajo("794_Declarantes.txt"));
    lblTitImportar = NuevaEtiqueta(this, "lblTitImportar");
    lblTitResultados = NuevaEtiqueta(this, "lblTitResultados");
    lblTitResultados->setAlignment(Qt::AlignCenter);
    Importados = std::make_unique<Contador>(this, "labelNoImportados", "bpgImportados", kVerde);
    Ignorados = std::make_unique<Contador>(this, "labelNoIgnorados", "bpgIgnorados", kVerde);
    Sustituidos = std::make_unique<Contador>(this, "labelNoSustituidos", "bpgSustituidos", kVerde);
    Erroneos = std::make_unique<Contador>(this, "labelNoErroneos", "bpgErroneos", kRojo);
    Total = std::make_unique<Contador>(this, "labelNoTotal", "bpgTotal");

    auto cuentas = new QGridLayout;
    cuentas->addWidget(lblTitResultados, 0, 0, 1, 3);
    int fila = 1;
    for (auto [nombre, contador] :
         {std::pair{"labelImportados", Importados.get()}, {"labelIgnorados", Ignorados.get()},
          {"labelSustituidos", Sustituidos.get()}, {"labelErroneos", Erroneos.get()},
          {"labelTotal", Total.get()}}) {
        cuentas->addWidget(NuevaEtiqueta(this, nombre), fila, 0);
        cuentas->addWidget(contador->bpgBarra, fila, 1);
        cuentas->addWidget(contador->lblNumero, fila, 2);
        ++fila;
    }
    Disponer("shpMarco1", {lblTitImportar}, "shpMarco1_Resultados", cuentas, nullptr);

    Contadores({Importados.get(), Ignorados.get(), Sustituidos.get(), Erroneos.get(), Total.get()});
    CargarComun();
    AñadirCaptions();
    AplicarEstilo(this);
}

frmImpDtes_794::~frmImpDtes_794() = default;

void frmImpDtes_794::AñadirCaptions() {
    setWindowTitle(Cat(203));
    lblTitImportar->setText(Cat(203));
    lblTitResultados->setText(Cat(260));
    struct Titulo {
        const char* control;
        int32_t id;
    };
    for (const Titulo& t : {Titulo{"labelImportados", 200}, {"labelIgnorados", 197},
                            {"labelSustituidos", 274}, {"labelErroneos", 171}, {"labelTotal", 279}})
        findChild<QLabel*>(t.control)->setText(Cat(t.id));
}

bool frmImpDtes_794::Preparar() {
    // A declarant that exists already is asked about.
    blnMostrarAviso = true;
    return true;
}

void frmImpDtes_794::Preanalizar(const std::string& ruta) {
    const int32_t lineas = ContarLineas(ruta).lineas;
    for (Contador* c : {Importados.get(), Ignorados.get(), Sustituidos.get(), Erroneos.get(),
                        Total.get()})
        c->Maximo(lineas);
}

void frmImpDtes_794::ImportarLinea(std::string& linea, RegistroImportacion& registro,
                                   int32_t numero) {
    objImportacion().ImportarDtes(linea, registro, numero);
}

void frmImpDtes_794::ActualizarContadores(RegistroImportacion&, int32_t) {
    switch (objImportacion().ResultImp()) {
        case kImpImportado:
            Importados->Sumar();
            break;
        case kImpSustituido:
            Sustituidos->Sumar();
            break;
        case kImpIgnorado:
            Ignorados->Sumar();
            break;
        case kImpErroneo:
        case kImpCaracteres:
            Erroneos->Sumar();
            break;
        default:
            break;
    }
    Total->Sumar();
}

bool frmImpDtes_794::HayErroresQueVer() const { return Erroneos->Valor() > 0; }

}  // namespace quelvo
