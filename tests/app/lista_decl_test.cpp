// The two-list declarant selector, driven by objectName on a fixture database.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "entorno.h"
#include "avisos.h"
#include "interaccion_prueba.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "printing/ctrListaDecl_794.h"
#include "quelvort/convert.h"
#include "shell/objetos.h"
#include "shell/periodos.h"

using rt::Variant;

namespace {

class AnfitrionPrueba : public quelvo::AnfitrionListaDecl {
public:
    void HabilitarAcciones(bool habilitar) override { acciones = habilitar; }
    bool acciones = false;
};

class ListaDecl : public ::testing::Test {
protected:
    void SetUp() override {
        // 00000001R, 00000002W and 12345678Z pass the NIF check; 12345678A does not.
        entorno_.sql(
            "INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES"
            " (7, '00000002W', 'BETA'), (12, '00000001R', 'ZETA'), (30, '12345678A', 'MALO'),"
            " (41, '12345678Z', 'ALFA'), (50, '00000003A', 'SOLO MENSUAL');"
            "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda)"
            " VALUES (1, 7, 2011, 3, 2, 'E'), (2, 7, 2011, 3, 1, 'E'), (3, 12, 2011, 3, 2, 'E'),"
            " (4, 30, 2011, 3, 2, 'E'), (5, 41, 2011, 3, 2, 'E'), (6, 50, 2011, 3, 1, 'E'),"
            " (7, 41, 2009, 12, 3, 'E');");
        quelvo::objImprGrabar().UnDte(false);
        control_ = std::make_unique<quelvo::ctrListaDecl_794>(&anfitrion_);
        control_->Inicializar();
        control_->show();
        org_ = control_->findChild<QTreeWidget*>("lsvOrg");
        des_ = control_->findChild<QTreeWidget*>("lsvDes");
    }

    // "code NIF" of each row.
    static std::vector<std::string> filas(QTreeWidget* lista) {
        std::vector<std::string> r;
        for (int i = 0; i < lista->topLevelItemCount(); ++i)
            r.push_back((lista->topLevelItem(i)->text(0) + " " + lista->topLevelItem(i)->text(2))
                            .toStdString());
        return r;
    }
    void pulsar(const char* boton) {
        QTest::mouseClick(control_->findChild<QPushButton*>(boton), Qt::LeftButton);
    }
    void elegirFila(QTreeWidget* lista, int i) { lista->setCurrentItem(lista->topLevelItem(i)); }

    prueba::Entorno entorno_;
    prueba::InteraccionPrueba pantalla_;
    AnfitrionPrueba anfitrion_;
    std::unique_ptr<quelvo::ctrListaDecl_794> control_;
    QTreeWidget* org_ = nullptr;
    QTreeWidget* des_ = nullptr;
};

TEST_F(ListaDecl, ArrancaConLaUltimaDeclaracionYListaCadaDeclaranteUnaVez) {
    EXPECT_EQ(control_->findChild<QLineEdit*>("txtEjercicio")->text(), "2011");
    EXPECT_EQ(control_->findChild<QLineEdit*>("txtPeriodo")->text(), quelvo::DescripcionPeriodo(3, 2));
    EXPECT_TRUE(control_->findChild<QRadioButton*>("optEuros")->isChecked());
    EXPECT_FALSE(control_->findChild<QRadioButton*>("optPesetas")->isEnabled());
    // By NIF; 0007 has a monthly and a quarterly declaration for March and is
    // listed once; 0050 has only the monthly one.
    EXPECT_EQ(filas(org_), (std::vector<std::string>{"0012 00000001R", "0007 00000002W",
                                                    "0030 12345678A", "0041 12345678Z"}));
    EXPECT_TRUE(org_->topLevelItem(3)->isSelected());
    EXPECT_TRUE(des_->topLevelItemCount() == 0);
    EXPECT_FALSE(anfitrion_.acciones);
}

TEST_F(ListaDecl, MoverUnoYTodosYDevolver) {
    elegirFila(org_, 0);
    pulsar("cmdUD");
    EXPECT_EQ(filas(des_), std::vector<std::string>{"0012 00000001R"});
    EXPECT_TRUE(anfitrion_.acciones);
    EXPECT_TRUE(control_->findChild<QPushButton*>("cmdUI")->isEnabled());
    elegirFila(des_, 0);
    pulsar("cmdUI");
    EXPECT_EQ(filas(des_).size(), 0u);
    EXPECT_EQ(filas(org_).back(), "0012 00000001R");
    EXPECT_FALSE(anfitrion_.acciones);
}

TEST_F(ListaDecl, UnNifErroneoDeshaceTodaLaEleccion) {
    elegirFila(org_, 0);
    pulsar("cmdUD");
    elegirFila(org_, 1);  // 0030, the bad NIF
    pulsar("cmdUD");
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]),
              "El NIF 12345678A es erroneo o carece de dígito de control ");
    EXPECT_EQ(prueba::TituloAviso(pantalla_.avisos[0]), "NIF Erroneo");
    EXPECT_EQ(des_->topLevelItemCount(), 0);
    EXPECT_EQ(org_->topLevelItemCount(), 4);
    EXPECT_FALSE(anfitrion_.acciones);
}

TEST_F(ListaDecl, SinSeleccionLosBotonesDeUnoNoHacenNada) {
    org_->clearSelection();
    org_->setCurrentItem(nullptr);
    pulsar("cmdUD");
    EXPECT_EQ(des_->topLevelItemCount(), 0);
    EXPECT_TRUE(pantalla_.avisos.empty());
}

TEST_F(ListaDecl, CargarDtesDaLosCodigosElegidosYLosCriterios) {
    // Without the bad NIF, every row goes across.
    entorno_.sql("UPDATE TDeclarante SET dni_cifd = '00000000T' WHERE coddec = 30;");
    control_->Inicializar();
    pulsar("cmdVD");
    EXPECT_EQ(org_->topLevelItemCount(), 0);
    ASSERT_EQ(des_->topLevelItemCount(), 4);
    const Variant codigos = control_->CargarDtes();
    ASSERT_TRUE(codigos.isArray());
    std::vector<int32_t> leidos;
    for (int32_t i = 0; i <= rt::UBound(codigos); ++i) leidos.push_back(codigos(i).lng());
    std::vector<int32_t> esperados;
    for (int i = 0; i < des_->topLevelItemCount(); ++i)
        esperados.push_back(des_->topLevelItem(i)->text(0).toInt());
    EXPECT_EQ(leidos, esperados);
    const auto& run = quelvo::objImprGrabar();
    EXPECT_EQ(run.Ejercicio(), 2011);
    EXPECT_EQ(run.Periodo(), 3);
    EXPECT_EQ(run.Periodicidad(), 2);
    EXPECT_EQ(run.Moneda(), "E");
}

TEST_F(ListaDecl, UnEjercicioEnBlancoAvisaYNoDaDeclarantes) {
    auto caja = control_->findChild<QLineEdit*>("txtEjercicio");
    caja->setText("");
    EXPECT_TRUE(control_->CargarDtes().isEmpty());
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]), "Se debe seleccionar el ejercicio");
}

TEST_F(ListaDecl, OtroEjercicioTecleadoRellenaLaListaYProponeSuFichero) {
    auto caja = control_->findChild<QLineEdit*>("txtEjercicio");
    caja->setFocus();
    caja->selectAll();
    QTest::keyClicks(caja, "2009");
    QTest::keyClick(caja, Qt::Key_Return);
    // 2009 has only an annual declaration: the quarter chosen finds nobody.
    EXPECT_EQ(org_->topLevelItemCount(), 0);
    EXPECT_TRUE(quelvo::objSelFichero().RutaPorDefecto().endsWith("/794_CE09.txt"));
}

TEST_F(ListaDecl, UnSoloDeclaranteNoDejaElegirDos) {
    quelvo::objImprGrabar().UnDte(true);
    control_->PresentarBotonesListas();
    EXPECT_FALSE(control_->findChild<QPushButton*>("cmdVD")->isEnabled());
    elegirFila(org_, 0);
    pulsar("cmdUD");
    EXPECT_TRUE(anfitrion_.acciones);
    EXPECT_FALSE(control_->findChild<QPushButton*>("cmdUD")->isEnabled());
}

}  // namespace
