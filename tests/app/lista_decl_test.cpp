// The two-list declarant selector, driven by objectName on a fixture database.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "avisos.h"
#include "controls/frmContenedorLista_794.h"
#include "declarations/clistadeclaraciones.h"
#include "dialogos.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "printing/cselfichero.h"
#include "printing/ctrListaDecl_794.h"
#include "quelvort/convert.h"
#include "services/objetos.h"
#include "services/periodos.h"

using rt::Variant;

namespace {

class AnfitrionPrueba : public quelvo::AnfitrionListaDecl {
public:
    void HabilitarAcciones(bool habilitar) override { acciones = habilitar; }
    bool SoloEjerciciosDesde2002() const override { return telematico; }
    bool acciones = false;
    bool telematico = false;
};

// Opens a pick list with the button, reads its entries and picks the one
// whose text is `eleccion` with Enter.
QStringList Elegir(QWidget* boton, const QString& eleccion) {
    QStringList ofrecidos;
    prueba::ConModal([&] { static_cast<QAbstractButton*>(boton)->click(); },
                     [&](QWidget* w) {
                         auto lista = w->findChild<QTreeWidget*>("lsvLista");
                         if (!lista) return;
                         for (int i = 0; i < lista->topLevelItemCount(); ++i) {
                             ofrecidos << lista->topLevelItem(i)->text(0);
                             if (lista->topLevelItem(i)->text(0) == eleccion)
                                 lista->setCurrentItem(lista->topLevelItem(i));
                         }
                         QTest::keyClick(lista, Qt::Key_Return);
                     });
    return ofrecidos;
}

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
              "El NIF 12345678A es erroneo o carece de dígito de control");
    EXPECT_EQ(prueba::TituloAviso(pantalla_.avisos[0]), "NIF Erroneo");
    EXPECT_EQ(des_->topLevelItemCount(), 0);
    EXPECT_EQ(org_->topLevelItemCount(), 4);
    EXPECT_FALSE(anfitrion_.acciones);
}

TEST_F(ListaDecl, UnNifErroneoSeNombraEnEuskera) {
    quelvo::lngIdioma = quelvo::kOffsetEuskera;
    elegirFila(org_, 2);  // 0030, the bad NIF
    pulsar("cmdUD");
    quelvo::lngIdioma = 0;
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]),
              "12345678A IFZ honek ez du kontrol digiturik edo kontrol digitua okerra da.");
    EXPECT_EQ(prueba::TituloAviso(pantalla_.avisos[0]), "IFZ eremua okerra da");
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

TEST_F(ListaDecl, SoloUnEjercicioDeCuatroCifrasCambiaElDeLaEjecucion) {
    auto caja = control_->findChild<QLineEdit*>("txtEjercicio");
    auto pesetas = control_->findChild<QRadioButton*>("optPesetas");
    quelvo::objSelFichero().RutaPorDefecto("/tmp/794_CE11.txt");
    for (const char* tecleado : {"", "2", "20", "201"}) {
        SCOPED_TRACE(tecleado);
        pantalla_.avisos.clear();
        caja->setFocus();
        caja->selectAll();
        if (*tecleado) QTest::keyClicks(caja, tecleado);
        else QTest::keyClick(caja, Qt::Key_Delete);
        QTest::keyClick(caja, Qt::Key_Return);
        EXPECT_EQ(quelvo::objImprGrabar().Ejercicio(), 2011);
        EXPECT_EQ(quelvo::objSelFichero().RutaPorDefecto(), "/tmp/794_CE11.txt");
        EXPECT_FALSE(pesetas->isEnabled());
        EXPECT_EQ(filas(org_).size(), 4u);
        // A run needs the whole exercise.
        EXPECT_TRUE(control_->CargarDtes().isEmpty());
        ASSERT_EQ(pantalla_.avisos.size(), 1u);
        EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]), "Se debe seleccionar el ejercicio");
    }
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

TEST_F(ListaDecl, ElegirOtroEjercicioYPeriodoEnLasListas) {
    // The second quarter of 2011 lists only 0041 once the period is picked.
    entorno_.sql("INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda)"
                 " VALUES (20, 41, 2011, 6, 2, 'E'), (21, 41, 2009, 3, 2, 'E');");
    auto picPeriodo = control_->findChild<QWidget*>("picPeriodo");
    const QStringList periodos = Elegir(picPeriodo, quelvo::DescripcionPeriodo(6, 2));
    EXPECT_TRUE(periodos.contains(quelvo::DescripcionPeriodo(1, 1)));  // months from 2010
    EXPECT_EQ(filas(org_), std::vector<std::string>{"0041 12345678Z"});
    EXPECT_FALSE(quelvo::ContenedorListaCargado());
    EXPECT_EQ(quelvo::objListaDeclaraciones().Ejercicio(), 0);  // the program's stays

    auto picEjercicio = control_->findChild<QWidget*>("picEjercicio");
    const QStringList anos = Elegir(picEjercicio, "2009");
    EXPECT_TRUE(anos.contains("1993"));
    EXPECT_EQ(control_->findChild<QLineEdit*>("txtEjercicio")->text(), "2009");
    EXPECT_EQ(quelvo::objImprGrabar().Ejercicio(), 2009);
    EXPECT_TRUE(quelvo::objSelFichero().RutaPorDefecto().endsWith("/794_CE09.txt"));
    EXPECT_TRUE(filas(org_).empty());  // nobody files the second quarter of 2009
}

TEST_F(ListaDecl, UnMesAntesDe2010VaciaElPeriodo) {
    control_->findChild<QLineEdit*>("txtPeriodo")->setText(quelvo::DescripcionPeriodo(3, 1));
    Elegir(control_->findChild<QWidget*>("picEjercicio"), "2008");
    EXPECT_EQ(control_->findChild<QLineEdit*>("txtPeriodo")->text(), "");
}

TEST_F(ListaDecl, ElEnvioTelematicoSoloOfreceEjerciciosDesde2002) {
    anfitrion_.telematico = true;
    const QStringList anos = Elegir(control_->findChild<QWidget*>("picEjercicio"), "2011");
    ASSERT_FALSE(anos.isEmpty());
    EXPECT_EQ(anos.front(), "2002");
}

TEST_F(ListaDecl, LasPesetasSoloAntesDe2002) {
    struct Caso {
        bool soloEuros;
        const char* ejercicio;
        bool pesetasHabilitadas;
    };
    for (const Caso& c : {Caso{false, "2001", true}, Caso{false, "2002", false},
                          Caso{true, "2001", false}}) {
        control_->blnSoloEuros = c.soloEuros;
        auto caja = control_->findChild<QLineEdit*>("txtEjercicio");
        caja->setText(c.ejercicio);
        caja->setModified(true);
        emit caja->editingFinished();
        auto pesetas = control_->findChild<QRadioButton*>("optPesetas");
        EXPECT_EQ(pesetas->isEnabled(), c.pesetasHabilitadas) << c.ejercicio << c.soloEuros;
        EXPECT_TRUE(control_->findChild<QRadioButton*>("optEuros")->isChecked());
    }
}

TEST_F(ListaDecl, ElEncabezadoOrdenaYDevolverAcabaElOrden) {
    QTest::mouseClick(control_->findChild<QLabel*>("lblNomOrg"), Qt::LeftButton);
    EXPECT_EQ(filas(org_), (std::vector<std::string>{"0041 12345678Z", "0007 00000002W",
                                                    "0030 12345678A", "0012 00000001R"}));
    elegirFila(org_, 0);
    pulsar("cmdUD");
    elegirFila(des_, 0);
    pulsar("cmdUI");
    EXPECT_EQ(filas(org_).back(), "0041 12345678Z");
    QTest::mouseClick(control_->findChild<QLabel*>("lblNumOrg"), Qt::LeftButton);
    EXPECT_EQ(filas(org_).front(), "0012 00000001R");
}

TEST_F(ListaDecl, MasDeOchoFilasEnsanchanLaLista) {
    const int normal = org_->width();
    const int normalElegidos = des_->width();
    std::string sql;
    for (int c = 60; c < 66; ++c)
        sql += "INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES (" + std::to_string(c) +
               ", 'N" + std::to_string(c) + "', 'X');"
               "INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, periodicidad, moneda) VALUES (" +
               std::to_string(c) + ", 2011, 3, 2, 'E');";
    entorno_.sql(sql);
    control_->Inicializar();
    ASSERT_EQ(org_->topLevelItemCount(), 10);
    EXPECT_GT(org_->width(), normal);
    EXPECT_EQ(des_->width(), normalElegidos);
}

}  // namespace
