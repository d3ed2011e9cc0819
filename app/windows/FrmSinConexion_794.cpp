#include "windows/FrmSinConexion_794.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "controls/estilo.h"
#include "platform/sistema.h"
#include "services/cactonline.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/objetos.h"
#include "windows/actualizacion_online.h"

namespace quelvo {

namespace {

constexpr int kAncho = 440;
constexpr int kAlto = 220;

QLabel* etiqueta(QWidget* padre, const char* nombre, int y, int alto) {
    auto l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setWordWrap(true);
    l->setGeometry(16, y, kAncho - 32, alto);
    return l;
}

}  // namespace

FrmSinConexion_794::FrmSinConexion_794(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmSinConexion_794");
    setWindowTitle("Fallo en la conexión");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(kAncho, kAlto);
    lblTitulo = etiqueta(this, "lblTitulo", 12, 36);
    lblTituloC = etiqueta(this, "lblTituloC", 52, 40);
    lblTituloE = etiqueta(this, "lblTituloE", 96, 40);
    ChkNoPreg = new QCheckBox("Berriro kontsulta ez egin / No volver a consultar", this);
    ChkNoPreg->setObjectName("ChkNoPreg");
    ChkNoPreg->setGeometry(16, 144, kAncho - 32, 22);
    CmdContinuar = new QPushButton("Aurrera jarraitu... Continuar...", this);
    CmdContinuar->setObjectName("CmdContinuar");
    CmdContinuar->setGeometry(kAncho - 236, kAlto - 40, 220, 28);
    CmdContinuar->setDefault(true);

    Form_Load();
    connect(ChkNoPreg, &QCheckBox::toggled, this, [this] {
        Guardar(this, "FrmSinConexion_794T.ChkNoPreg_Click", [this] { ChkNoPreg_Click(); });
    });
    connect(CmdContinuar, &QPushButton::clicked, this, [this] {
        Guardar(this, "FrmSinConexion_794T.CmdContinuar_Click", [this] { CmdContinuar_Click(); });
    });
}

FrmSinConexion_794::~FrmSinConexion_794() = default;

void FrmSinConexion_794::Form_Load() {
    cursor_ = std::make_unique<plataforma::CursorNormal>();
    AplicarEstilo(this);
    // Both languages at once: the user may read either.
    // A failed download is a failed connection in both languages (Spanish
    // 331 would say the data were wrong).
    const bool sinConexion = objActOnline().SitAct == kDescargaFallida;
    const int32_t tituloC = sinConexion ? 330 : 332;
    const int32_t tituloE = sinConexion ? 331 : 332;
    const int32_t cuerpo = sinConexion ? 328 : 330;
    lblTitulo->setText(TextoCatalogo(tituloC) + " / " + TextoCatalogo(tituloE + kOffsetEuskera));
    lblTituloC->setText(TextoCatalogo(cuerpo));
    lblTituloE->setText(TextoCatalogo(cuerpo + kOffsetEuskera));
    if (QScreen* pantalla = QGuiApplication::primaryScreen())
        move(pantalla->geometry().center() - QPoint(width() / 2, height() / 2));
    ChkNoPreg->setChecked(objActOnline().ActOnline == 0);
}

void FrmSinConexion_794::ChkNoPreg_Click() {
    // Stored at once, not on closing.
    objActOnline().ActOnline = ChkNoPreg->isChecked() ? 0 : 1;
    objActOnline().GuardarActOnline();
}

void FrmSinConexion_794::CmdContinuar_Click() { accept(); }

}  // namespace quelvo
