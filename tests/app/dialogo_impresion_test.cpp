// The print and record dialog prints every ticked output, in its fixed order,
// each page its own job.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QTest>
#include <QTreeWidget>

#include "datos_grabacion.h"
#include "entorno.h"
#include "grabacion.h"
#include "interaccion_prueba.h"
#include "printing/destino_impresion.h"
#include "printing/frmImprimirGrabar_794.h"
#include "program/mdi794.h"

namespace {

using namespace quelvo;

TEST(DialogoImpresion, BorradorEtiquetaYCopiasEnSuOrden) {
    prueba::Entorno entorno;
    entorno.sql(prueba::kDatosGrabacion);
    prueba::InteraccionPrueba pantalla;
    LienzoGrabacion lienzo;
    EstablecerLienzoPruebas(&lienzo);
    MDI794 principal;
    principal.show();
    QTest::qWait(20);
    principal.Menu("mnuGraImpOfi")->setEnabled(true);
    principal.Menu("mnuGraImpOfi")->trigger();
    QPointer<frmImprimirGrabar_794> dialogo = principal.findChild<frmImprimirGrabar_794*>();
    ASSERT_TRUE(dialogo);
    QApplication::processEvents();
    const auto pulsar = [&](const char* nombre) { dialogo->findChild<QAbstractButton*>(nombre)->click(); };
    auto* disponibles = dialogo->findChild<QTreeWidget*>("lsvOrg");
    ASSERT_TRUE(disponibles);
    for (int i = 0; i < disponibles->topLevelItemCount(); ++i)
        if (disponibles->topLevelItem(i)->text(0) == "0001") disponibles->setCurrentItem(disponibles->topLevelItem(i));
    pulsar("cmdUD");
    for (const char* casilla : {"chkImprimir", "chkBorrador", "chkEtiquetas", "chkInteresado", "chkAdministracion"})
        pulsar(casilla);
    pulsar("cmdAceptar");

    const auto& trabajos = lienzo.Trabajos();
    ASSERT_EQ(trabajos.size(), 4u);
    EXPECT_TRUE(prueba::BuscarTexto(trabajos[0], "ZIRRIBORROA / BORRADOR"));
    EXPECT_TRUE(prueba::BuscarTexto(trabajos[1], "MODELO 794 EREDUA"));
    EXPECT_TRUE(prueba::BuscarTexto(trabajos[2], "AITORTZAILEAREN ALEA / EJEMPLAR PARA EL INTERESADO"));
    EXPECT_TRUE(prueba::BuscarTexto(trabajos[3], "ADMINISTRAZIOARENTZAKO ALEA / EJEMPLAR PARA LA ADMINISTRACION"));
    for (size_t i : {0u, 2u, 3u}) EXPECT_TRUE(prueba::BuscarTexto(trabajos[i], "12345678Z")) << i;
    // The label counts the run's records: the declarant's two entries.
    bool registros = false;
    for (const auto& op : trabajos[1])
        if (op.texto == "2" && op.x1 == 89 && op.y1 == 60) registros = true;
    EXPECT_TRUE(registros);
    EXPECT_TRUE(pantalla.avisos.empty());

    pulsar("cmdCancelar");
    QApplication::processEvents();
    EstablecerLienzoPruebas(nullptr);
}

}  // namespace
