// The online assistance's windows, answered as a user would.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "qt_prueba.h"
#include "quelvort/object.h"
#include "zentalib/cMiscelaneos.h"

namespace {

using namespace prueba;

class AsistenciaOnline : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AsegurarAplicacion(); }
    void SetUp() override { MostrarDialogos(true); }
    std::shared_ptr<zentalib::_cMiscelaneos> objeto_ =
        rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
};

TEST_F(AsistenciaOnline, TheDescriptionIsAModalWindowClosedByItsButton) {
    const auto vistos = ConModales([&] { objeto_->MostrarOnlineInfo(); }, [](QWidget* w) {
        if (auto* aceptar = w->findChild<QPushButton*>("cmdAceptar")) aceptar->click();
    });
    // A window the button leaves open is recorded once more, as "(timeout)".
    ASSERT_EQ(vistos.size(), 1u);
    EXPECT_EQ(vistos[0].nombre, "frmOnlineInfo");
}

TEST_F(AsistenciaOnline, TheAddressIsOpenedOrTheUserToldItCannotBe) {
    const QString direccion = QStringLiteral("https://arbeko.example/794/asistencia");
    QTextBrowser navegador;
    QDesktopServices::setUrlHandler("https", &navegador, "setSource");
    const auto abierta = ConModales([&] { objeto_->AccesoAyuOnline(); }, Cerrar);
    QObject sinNavegador;
    QDesktopServices::setUrlHandler("https", &sinNavegador, "metodoQueNoExiste");
    const auto fallida = ConModales([&] { objeto_->AccesoAyuOnline(); }, Cerrar);
    QDesktopServices::unsetUrlHandler("https");

    EXPECT_TRUE(abierta.empty());
    EXPECT_EQ(navegador.source(), QUrl(direccion));
    ASSERT_EQ(fallida.size(), 1u);
    EXPECT_EQ(fallida[0].icono, QMessageBox::Warning);
    EXPECT_TRUE(fallida[0].texto.contains(direccion)) << fallida[0].texto.toStdString();
}

}  // namespace
