#include "exchange/frmImpSoporte_794.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/ventana_hija.h"
#include "exchange/cimportacion.h"
#include "exchange/preanalisis.h"
#include "exchange/registro_importacion.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/objetos.h"

namespace quelvo {

namespace {

QPointer<frmImpSoporte_794> unica;

}  // namespace

frmImpSoporte_794* frmImpSoporte_794::Mostrar() { return MostrarUnica(unica); }

frmImpSoporte_794::frmImpSoporte_794(QWidget* parent)
    : VentanaImportacion("frmImpSoporte_794", parent) {
    AñadirSelectorFichero(EnTrabajo("794_Telematica.txt"));
    lblTitDeclaraciones = NuevaEtiqueta(this, "lblTitDeclaraciones");
    lblTitResultados = NuevaEtiqueta(this, "lblTitResultados");
    lblTitResultados->setAlignment(Qt::AlignCenter);
    auto c = [this](const char* numero, const char* barra, QColor color = QColor()) {
        return std::make_unique<Contador>(this, numero, barra, color);
    };
    DteImp = c("labelDteNoImp", "bpgDteImp", kVerde);
    DteIgn = c("labelDteNoIgn", "bpgDteIgn", kVerde);
    DteSus = c("labelDteNoSus", "bpgDteSus", kVerde);
    DteErr = c("labelDteNoErr", "bpgDteErr", kRojo);
    DteTotal = c("labelDteNoTotal", "bpgDteTotal");
    DeclaImp = c("labelOpeNoImp", "bpgDeclaImp", kVerde);
    DeclaIgn = c("labelOpeNoIgn", "bpgDeclaIgn", kVerde);
    DeclaSus = c("labelOpeNoSus", "bpgDeclaSus", kVerde);
    DeclaErr = c("labelOpeNoErr", "bpgDeclaErr", kRojo);
    DeclaTotal = c("labelOpeNoTotal", "bpgDeclaTotal");
    Total = c("labelNoTotal", "bpgTotal");

    auto cuentas = new QGridLayout;
    cuentas->addWidget(lblTitResultados, 0, 0, 1, 5);
    cuentas->addWidget(NuevaEtiqueta(this, "labelDtes"), 1, 1, 1, 2, Qt::AlignCenter);
    cuentas->addWidget(NuevaEtiqueta(this, "labelDeclarados"), 1, 3, 1, 2, Qt::AlignCenter);
    struct Fila {
        const char* titulo;
        Contador* dte;
        Contador* decla;
    };
    int fila = 2;
    for (const Fila& f : {Fila{"labelImportados", DteImp.get(), DeclaImp.get()},
                          {"labelIgnorados", DteIgn.get(), DeclaIgn.get()},
                          {"labelSustituidos", DteSus.get(), DeclaSus.get()},
                          {"labelErroneos", DteErr.get(), DeclaErr.get()},
                          {"LabelTotales", DteTotal.get(), DeclaTotal.get()}}) {
        cuentas->addWidget(NuevaEtiqueta(this, f.titulo), fila, 0);
        cuentas->addWidget(f.dte->bpgBarra, fila, 1);
        cuentas->addWidget(f.dte->lblNumero, fila, 2);
        cuentas->addWidget(f.decla->bpgBarra, fila, 3);
        cuentas->addWidget(f.decla->lblNumero, fila, 4);
        ++fila;
    }
    auto total = new QHBoxLayout;
    total->addStretch();
    QLabel* labelTotal = NuevaEtiqueta(this, "labelTotal");
    labelTotal->setText("TOTAL:");
    total->addWidget(labelTotal);
    total->addWidget(Total->bpgBarra, 1);
    total->addWidget(Total->lblNumero);
    total->addStretch();
    Disponer("shpMarco1", {lblTitDeclaraciones}, "shpMarco1_Resultados", cuentas, total);

    Contadores({DteImp.get(), DteIgn.get(), DteSus.get(), DteErr.get(), DteTotal.get(),
                 DeclaImp.get(), DeclaIgn.get(), DeclaSus.get(), DeclaErr.get(), DeclaTotal.get(),
                 Total.get()});
    CargarComun();
    AñadirCaptions();
    AplicarEstilo(this);
}

frmImpSoporte_794::~frmImpSoporte_794() = default;

void frmImpSoporte_794::AñadirCaptions() {
    setWindowTitle(Cat(199));
    lblTitDeclaraciones->setText(Cat(205));
    lblTitResultados->setText(Cat(260));
    struct Titulo {
        const char* control;
        int32_t id;
    };
    for (const Titulo& t : {Titulo{"labelDeclarados", 129}, {"labelDtes", 133},
                            {"labelErroneos", 171}, {"labelIgnorados", 197},
                            {"labelImportados", 200}, {"labelSustituidos", 274},
                            {"LabelTotales", 299}})
        findChild<QLabel*>(t.control)->setText(Cat(t.id));
}

void frmImpSoporte_794::Preanalizar(const std::string& ruta) {
    cImportacion& imp = objImportacion();
    const Preanalisis p = PreanalizarSoporte(ruta, imp.Estatal());
    imp.Estatal(p.estatal);
    for (Contador* c : {DteImp.get(), DteIgn.get(), DteSus.get(), DteErr.get(), DteTotal.get()})
        c->Maximo(p.declarantes);
    for (Contador* c :
         {DeclaImp.get(), DeclaIgn.get(), DeclaSus.get(), DeclaErr.get(), DeclaTotal.get()})
        c->Maximo(p.declarados);
    Total->Maximo(p.lineas);
}

void frmImpSoporte_794::ImportarLinea(std::string& linea, RegistroImportacion& registro,
                                      int32_t numero) {
    objImportacion().importSoporte(linea, registro, numero);
}

void frmImpSoporte_794::ActualizarContadores(RegistroImportacion& registro, int32_t numero) {
    const cImportacion& imp = objImportacion();
    const int32_t resultado = imp.ResultImp();
    switch (imp.ImpAct()) {
        case kLineaDeclarante:
            DteTotal->Sumar();
            if (resultado == kImpImportado) DteImp->Sumar();
            else if (resultado == kImpSustituido) DteSus->Sumar();
            else if (resultado == kImpIgnorado) DteIgn->Sumar();
            else if (resultado == kImpErroneo || resultado == kImpDeclaracionRechazada ||
                     resultado == kImpCaracteres)
                DteErr->Sumar();
            break;
        case kLineaDeclarado:
            DeclaTotal->Sumar();
            if (resultado == kImpImportado) DeclaImp->Sumar();
            else if (resultado == kImpSustituido) DeclaSus->Sumar();
            else if (resultado == kImpIgnorado || resultado == kImpDeclaracionRechazada)
                DeclaIgn->Sumar();
            else if (resultado == kImpErroneo || resultado == kImpCaracteres) DeclaErr->Sumar();
            break;
        case kLineaDesconocida:
            EscribirLineaNoReconocida(registro, numero, ": ");
            lineasNoReconocidas_ = true;
            break;
        default:
            break;
    }
    Total->Sumar();
}

bool frmImpSoporte_794::HayErroresQueVer() const {
    return DteErr->Valor() > 0 || DeclaErr->Valor() > 0 || DeclaIgn->Valor() > 0 ||
           lineasNoReconocidas_;
}

}  // namespace quelvo
