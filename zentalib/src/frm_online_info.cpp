#include "frm_online_info.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "asistencia_online.h"
#include "avisos.h"

namespace zentalib {

namespace {

QString Descripcion(bool euskera) {
    if (euskera)
        return QStringLiteral(
            "On-line laguntza zerbitzuaren bidez, 794 ereduari eta programa honi buruzko zalantzak "
            "Interneten bidez kontsulta ditzakezu.\n\n"
            "Zerbitzuan sartzeko, aukeratu menu honetako «On-line laguntza»: zerbitzuaren orria "
            "zure nabigatzailean irekiko da. Internet konexioa behar da.");
    return QStringLiteral(
        "El servicio de asistencia on-line le permite consultar por Internet sus dudas sobre el "
        "modelo 794 y sobre este programa.\n\n"
        "Para acceder al servicio elija «Asistencia on-line» en este mismo menú: la página del "
        "servicio se abrirá en su navegador. Necesita conexión a Internet.");
}

}  // namespace

frmOnlineInfo::frmOnlineInfo(int32_t idioma, QWidget* parent) : QDialog(parent) {
    const bool euskera = EsEuskera(idioma);
    setObjectName(QStringLiteral("frmOnlineInfo"));
    setWindowTitle(TituloAsistencia(idioma));
    setModal(true);

    auto* descripcion = new QLabel(Descripcion(euskera), this);
    descripcion->setObjectName(QStringLiteral("lblDescripcion"));
    descripcion->setWordWrap(true);

    auto* aceptar = new QPushButton(euskera ? QStringLiteral("Onartu") : QStringLiteral("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("cmdAceptar"));
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(descripcion);
    disposicion->addLayout(botones);
    setMinimumWidth(420);
}

}  // namespace zentalib
