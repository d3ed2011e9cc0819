#include "printing/ctrSelFichero_794.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "printing/controles.h"
#include "printing/cselfichero.h"
#include "printing/selector_ficheros.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/objetos.h"

namespace quelvo {

ctrSelFichero_794::ctrSelFichero_794(QWidget* parent, UsoFichero uso) : QWidget(parent), uso_(uso) {
    setObjectName("ctrSelFichero_794");
    auto exterior = new QHBoxLayout(this);
    exterior->setContentsMargins(0, 0, 0, 0);
    shpMarcoExplorador = Marco(this, "shpMarcoExplorador");
    exterior->addWidget(shpMarcoExplorador);
    auto fila = new QHBoxLayout(shpMarcoExplorador);
    // A long path shows its end: the file name is what the user checks.
    lblRuta = new EtiquetaFinal(shpMarcoExplorador);
    lblRuta->setObjectName("lblRuta");
    lblRuta->setMinimumWidth(320);
    lblRuta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fila->addWidget(lblRuta, 1);
    cmdExplorar = new QPushButton("...", shpMarcoExplorador);
    cmdExplorar->setObjectName("cmdExplorar");
    fila->addWidget(cmdExplorar);
    connect(cmdExplorar, &QPushButton::clicked, this,
            Guardado(this, "ctrSelFichero_794T.cmdExplorar_Click", &ctrSelFichero_794::cmdExplorar_Click));
    UserControl_Initialize();
}

void ctrSelFichero_794::UserControl_Initialize() {
    AplicarEstilo(this);
    cSelFichero& sel = objSelFichero();
    sel.Cancelar(false);
    lblRuta->setText(sel.RutaPorDefecto());
    sel.RutaFichero(sel.RutaPorDefecto());
}

QString ctrSelFichero_794::RutaFichero() const { return lblRuta->text(); }

void ctrSelFichero_794::SeguirPropuesta() {
    if (!elegidaPorUsuario_) lblRuta->setText(objSelFichero().RutaPorDefecto());
}

void ctrSelFichero_794::cmdExplorar_Click() {
    // The file need not exist: the box chooses where a run writes as well as
    // what it reads. Nothing is written yet when the user picks a file.
    QFileDialog dialogo(window());
    dialogo.setObjectName("cdbExplorador");
    const QString texto = lngIdioma == kOffsetEuskera ? QStringLiteral("Testu dokumentuak (*.dat *.txt)")
                                                      : QStringLiteral("Documentos de texto (*.dat *.txt)");
    PrepararSelector(dialogo, uso_ == UsoFichero::Escribir ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen,
                     {FiltroTodosLosFicheros(), texto}, lblRuta->text());
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return;
    lblRuta->setText(QFileInfo(dialogo.selectedFiles().constFirst()).absoluteFilePath());
    elegidaPorUsuario_ = true;
}

}  // namespace quelvo
