// The program's import object and the error log: lines handed to the real
// data server one by one, the state carried between them, the log's exact
// lines in both languages and the question about an existing declarant.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QtTest/QTest>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "boundary/consulta_db.h"
#include "boundary/importacion_prueba.h"
#include "dialogos.h"
#include "entorno.h"
#include "exchange/cimportacion.h"
#include "exchange/registro_importacion.h"
#include "interaccion_prueba.h"
#include "quelvort/textfile.h"
#include "registro_importacion_prueba.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/mensajes.h"
#include "services/objetos.h"

using quelvo::cImportacion;
using quelvo::RegistroImportacion;

namespace {

// The screen's stand-in whose user may tick "don't show again" at a question.
class Pantalla : public prueba::InteraccionPrueba {
public:
    bool Preguntar(const QString& texto, const QString& titulo) override {
        if (marcarNoMostrar) quelvo::blnMostrarAviso = false;
        if (alPreguntar) alPreguntar();
        return InteraccionPrueba::Preguntar(texto, titulo);
    }
    bool marcarNoMostrar = false;
    // Runs while the question is up.
    std::function<void()> alPreguntar;
};

// The lines of a declarant file through the import object in one run; the
// outcome of each.
std::vector<int> ImportarDeclarantes(const std::vector<std::string>& lineas) {
    cImportacion& imp = quelvo::objImportacion();
    RegistroImportacion log;
    imp.IniciarImportacion();
    std::vector<int> resultados;
    int32_t n = 0;
    for (std::string linea : lineas) {
        imp.ImportarDtes(linea, log, ++n);
        resultados.push_back(imp.ResultImp());
    }
    imp.TerminarImportacion();
    return resultados;
}

class ObjetoImportacion : public ::testing::Test {
protected:
    void TearDown() override {
        quelvo::lngIdioma = 0;
        quelvo::blnMostrarAviso = false;
    }
    // Every line of a fixture through `paso`, inside one run; the (kind,
    // outcome) of each line.
    template <class Paso>
    std::vector<std::pair<int, int>> Recorrer(const std::string& fichero, Paso paso,
                                              bool estatal = false) {
        cImportacion& imp = quelvo::objImportacion();
        imp.IniciarImportacion();
        imp.Estatal(estatal);
        RegistroImportacion log;
        std::vector<std::pair<int, int>> salidas;
        int32_t n = 0;
        for (std::string linea : rt::ReadAllLines(prueba::Fixture(fichero))) {
            (imp.*paso)(linea, log, ++n);
            salidas.emplace_back(imp.ImpAct(), imp.ResultImp());
        }
        imp.TerminarImportacion();
        log.Cerrar();
        return salidas;
    }
    std::vector<std::string> Columna(const char* sql) const {
        return prueba::Columna(quelvo::strRutaMod, sql);
    }

    prueba::Entorno entorno_;
    Pantalla pantalla_;
};

TEST(RegistroImportacion, OneLinePerFindingInEachLanguage) {
    prueba::Entorno entorno;
    rt::VArray errores({0, 1}, {0, 2});
    errores.at(0, 0) = 36;
    errores.at(1, 0) = "0000000A15000";
    errores.at(0, 1) = 41;
    errores.at(1, 1) = rt::Variant::Null();
    errores.at(0, 2) = 50;
    errores.at(1, 2) = "|";
    struct Caso {
        int32_t idioma;
        QString sujeto;
        std::vector<std::string> lineas;
    };
    const std::vector<Caso> casos = {
        {0, "",
         {"Linea  --- 7 --- \" valor = \"0000000A15000\" - Descripción = \"El importe debe ser numérico\"",
          "Linea  --- 7 --- \" valor = \"\" - Descripción = \"El importe debe tener algún valor\"",
          "Linea  --- 7 --- \" valor = \"|\" - Descripción = \" No se permite importar un registro con "
          "caracteres erróneos\""}},
        {10000, "** DECLARANTE - B1234567% ** :",
         {"Lerroa --- 7** DECLARANTE - B1234567% ** : --- \" valor = \"0000000A15000\" - Descripción = "
          "\"Zenbatekoa laukian zenbakia jarri behar da\"",
          "Lerroa --- 7** DECLARANTE - B1234567% ** : --- \" valor = \"\" - Descripción = "
          "\"Zenbatekoa laukian balioren bat jarri behar da\"",
          "Lerroa --- 7** DECLARANTE - B1234567% ** : --- \" valor = \"|\" - Descripción = "
          "\"Erregistroa ez da onartzen baliogabezko zeinuak dituelako\""}},
    };
    for (const Caso& c : casos) {
        quelvo::lngIdioma = c.idioma;
        RegistroImportacion log;
        quelvo::EscribirErroresImportacion(errores, log, 7, c.sujeto);
        // A buffer without findings writes nothing.
        rt::VArray vacio({0, 1}, {0, 0});
        quelvo::EscribirErroresImportacion(vacio, log, 8, c.sujeto);
        quelvo::EscribirErroresImportacion(rt::Variant(), log, 9, c.sujeto);
        log.Cerrar();
        EXPECT_EQ(Registro(), c.lineas) << c.idioma;
    }
    quelvo::lngIdioma = 0;
}

TEST(RegistroImportacion, UnrecognisedLineAndALogNeverClosedLeavesTheOldOne) {
    prueba::Entorno entorno;
    {
        RegistroImportacion log;
        quelvo::EscribirLineaNoReconocida(log, 12, ": ");
        quelvo::lngIdioma = 10000;
        quelvo::EscribirLineaNoReconocida(log, 13, "");
        quelvo::lngIdioma = 0;
        log.Cerrar();
    }
    const std::vector<std::string> esperado = {
        "Lerroa 12: No se reconoce el formato del registro",
        "Lerroa 13Erregistroaren formatua okerra da"};
    EXPECT_EQ(Registro(), esperado);
    {
        RegistroImportacion log;
        log.Escribir("otra");
    }
    EXPECT_EQ(Registro(), esperado);
}

TEST(FormatoEstatal, DecidedByTheRecordTypeAndItsMarks) {
    auto con = [](std::string linea, int pos, const std::string& texto) {
        if (linea.size() < pos - 1 + texto.size()) linea.resize(pos - 1 + texto.size(), ' ');
        linea.replace(static_cast<size_t>(pos - 1), texto.size(), texto);
        return linea;
    };
    const std::string uno = con(con("1", 108, "34"), 58, "D");
    const std::string dos = con("2", 133, "E");
    struct Caso {
        std::string linea;
        bool estatal;
    };
    const std::vector<Caso> casos = {
        {uno, true},
        {con(uno, 58, "T"), true},
        {con(uno, 58, "C"), true},
        {con(uno, 58, "d"), false},
        {con(uno, 58, "X"), false},
        {con(uno, 108, "AB"), false},
        {con(uno, 108, "  "), false},
        {"1" + std::string(60, ' '), false},
        {dos, true},
        {con(dos, 133, "M"), true},
        {con(dos, 133, "H"), true},
        {con(dos, 133, "1"), false},
        {con(dos, 133, "e"), false},
        {"2", false},
        {con(con("0", 108, "34"), 58, "D"), false},
        {"", false},
        {con(con("3", 108, "34"), 58, "D"), false},
    };
    for (const Caso& c : casos) EXPECT_EQ(quelvo::EsFormatoEstatal(c.linea), c.estatal) << c.linea;
    for (const char* f : {"estatal_2009.txt", "estatal_2010.txt"}) {
        auto lineas = rt::ReadAllLines(prueba::Fixture(f));
        EXPECT_TRUE(quelvo::EsFormatoEstatal(lineas.at(1))) << f;
    }
    EXPECT_FALSE(quelvo::EsFormatoEstatal(rt::ReadAllLines(prueba::Fixture("soporte_2010.txt")).at(1)));
}

TEST(FormatoEstatal, ConvertirLineaCountsOnlyRecordsOneAndTwo) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"1ABC", "1"}, {"2", "2"}, {"3", ""}, {"0", ""}, {"", ""}, {" 1", ""}};
    for (const auto& [linea, tipo] : casos) EXPECT_EQ(cImportacion::ConvertirLinea(linea), tipo);
}

TEST_F(ObjetoImportacion, SubmissionFileLineByLine) {
    auto salidas = Recorrer("soporte_2010.txt", &cImportacion::importSoporte);
    const std::vector<std::pair<int, int>> esperadas = {
        {0, 0}, {1, 0}, {3, 0}, {3, 0}, {3, 0}, {3, 0}, {3, 0}, {1, 0}, {3, 0}, {3, 0}};
    EXPECT_EQ(salidas, esperadas);
    EXPECT_TRUE(Registro().empty());
    EXPECT_EQ(Columna("SELECT count(*) FROM tOperadores"), std::vector<std::string>{"7"});
}

TEST_F(ObjetoImportacion, BadLinesAreLoggedWithTheirFindings) {
    auto salidas = Recorrer("malas_lineas_2010.txt", &cImportacion::importSoporte);
    ASSERT_EQ(salidas.size(), 23u);
    // The empty line is of no kind; its outcome stays the previous line's.
    EXPECT_EQ(salidas[4], std::make_pair(5, 0));
    EXPECT_EQ(salidas[14], std::make_pair(3, 6));
    auto log = Registro();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(),
              "Linea  --- 1 --- \" valor = \"G12345674\" - Descripción = \"El registro de declarado no "
              "va precedido de ningún registro de declarante\"");
    EXPECT_EQ(log.back(), "Linea  --- 23 --- \" valor = \"B1234'674\" - Descripción = \"" +
                              quelvo::DescripcionError(0).toStdString() + "\"");
}

TEST_F(ObjetoImportacion, AnEntryOfNoDeclarantOrAnotherIsLoggedWithItsNif) {
    const auto fichero = rt::ReadAllLines(prueba::Fixture("soporte_2010.txt"));
    std::string otro = fichero.at(2);
    otro.replace(12, 9, "66666666Q");
    // An entry before any declarant, the declarant, an entry of another one.
    const std::vector<std::string> lineas = {fichero.at(2), fichero.at(1), otro, fichero.at(2)};
    struct Caso {
        int32_t idioma;
        std::vector<std::string> registro;
    };
    const std::vector<Caso> casos = {
        {0,
         {"Linea  --- 1 --- \" valor = \"B12345674\" - Descripción = \"El registro de declarado no va "
          "precedido de ningún registro de declarante\"",
          "Linea  --- 3 --- \" valor = \"66666666Q\" - Descripción = \"El NIF del declarante no "
          "coincide con el del registro de declarante anterior\""}},
        {10000,
         {"Lerroa --- 1 --- \" valor = \"B12345674\" - Descripción = \"Aitortuaren erregistroaren "
          "aurretik ez dago aitortzailearen erregistrorik\"",
          "Lerroa --- 3 --- \" valor = \"66666666Q\" - Descripción = \"Aitortzailearen IFZa ez dator "
          "bat aurreko aitortzaile-erregistroko IFZarekin\""}},
    };
    for (const Caso& c : casos) {
        entorno_.sql("DELETE FROM tOperadores; DELETE FROM TDeclaraciones; DELETE FROM TDeclarante;");
        quelvo::lngIdioma = c.idioma;
        cImportacion& imp = quelvo::objImportacion();
        imp.IniciarImportacion();
        RegistroImportacion log;
        std::vector<std::pair<int, int>> salidas;
        int32_t n = 0;
        for (std::string linea : lineas) {
            imp.importSoporte(linea, log, ++n);
            salidas.emplace_back(imp.ImpAct(), imp.ResultImp());
        }
        imp.TerminarImportacion();
        log.Cerrar();
        EXPECT_EQ(salidas, (std::vector<std::pair<int, int>>{{3, 3}, {1, 0}, {3, 3}, {3, 0}}));
        EXPECT_EQ(Registro(), c.registro) << c.idioma;
        EXPECT_EQ(Columna("SELECT dni_cifd FROM tOperadores JOIN TDeclaraciones ON coddecla = "
                          "coddeclar JOIN TDeclarante ON coddec = coddecr"),
                  std::vector<std::string>{"B12345674"});
    }
}

TEST_F(ObjetoImportacion, NationalLinesAreConverted) {
    auto salidas = Recorrer("estatal_2010.txt", &cImportacion::importSoporte, true);
    for (const auto& s : salidas) EXPECT_NE(s.second, 3);
    EXPECT_EQ(Columna("SELECT count(*) FROM tOperadores"), std::vector<std::string>{"6"});
}

TEST_F(ObjetoImportacion, DeclarantsNewExistingAndRefused) {
    quelvo::blnMostrarAviso = true;
    auto salidas = Recorrer("declarantes.txt", &cImportacion::ImportarDtes);
    EXPECT_EQ(salidas, (std::vector<std::pair<int, int>>{{0, 0}, {0, 0}, {0, 0}}));
    EXPECT_TRUE(pantalla_.preguntas.empty());

    auto malas = Recorrer("declarantes_malos.txt", &cImportacion::ImportarDtes);
    std::vector<int> resultados;
    for (const auto& s : malas) resultados.push_back(s.second);
    EXPECT_EQ(resultados, (std::vector<int>{3, 3, 3, 6, 3, 3}));
    // Every finding of the refused lines is in the log, the first line's
    // under its NIF and the line of bad characters under ":" alone.
    auto log = Registro();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0], "Linea  --- 1** DECLARANTE - B1234567% ** : --- \" valor = \"B1234567%\" - "
                      "Descripción = \"" + quelvo::DescripcionError(0).toStdString() + "\"");
    EXPECT_NE(std::find(log.begin(), log.end(),
                        "Linea  --- 4: --- \" valor = \"|\" - Descripción = \"" +
                            quelvo::DescripcionError(50).toStdString() + "\""),
              log.end());
    for (const std::string& linea : log) EXPECT_EQ(linea.rfind("Linea  --- ", 0), 0u) << linea;
}

// The answers to an existing declarant and what is stored after each.
TEST_F(ObjetoImportacion, ExistingDeclarantAskedAboutByTheLinesNif) {
    const auto lineas = rt::ReadAllLines(prueba::Fixture("declarantes.txt"));
    Recorrer("declarantes.txt", &cImportacion::ImportarDtes);
    entorno_.sql("UPDATE TDeclarante SET nombred = 'VIEJO', codpostald = 999");
    const auto antes = Columna(prueba::kSqlDeclarantes);
    cImportacion& imp = quelvo::objImportacion();
    RegistroImportacion log;

    // Cancel keeps the stored declarant and logs nothing.
    quelvo::blnMostrarAviso = true;
    pantalla_.respuesta = false;
    std::string linea = lineas[1];
    imp.IniciarImportacion();
    imp.ImportarDtes(linea, log, 1);
    EXPECT_EQ(imp.ResultImp(), quelvo::kImpIgnorado);
    ASSERT_EQ(pantalla_.preguntas.size(), 1u);
    EXPECT_EQ(pantalla_.preguntas[0],
              "Declarante repetido|Ya existe un declarante con el NIF 12345678Z\n¿Desea sobreescribirlo?");
    imp.TerminarImportacion();
    EXPECT_EQ(Columna(prueba::kSqlDeclarantes), antes);

    // Accept overwrites it with the line's data, postal code whole.
    pantalla_.respuesta = true;
    linea = lineas[0];
    imp.IniciarImportacion();
    imp.ImportarDtes(linea, log, 2);
    EXPECT_EQ(imp.ResultImp(), quelvo::kImpSustituido);
    imp.TerminarImportacion();
    EXPECT_EQ(Columna(prueba::kSqlDeclarantes).at(0),
              "B12345674|COMERCIAL ARABA SL|CL|MAYOR|12|B|1|3|D|1|1|VITORIA-GAST|945112233|"
              "JON ETXEBERRIA|600111222");
    EXPECT_EQ(Columna("SELECT count(*) FROM TDeclarante"), std::vector<std::string>{"3"});
    log.Cerrar();
    EXPECT_TRUE(Registro().empty());
}

// The NIF stands where each language puts it, the question on its own line.
TEST_F(ObjetoImportacion, ExistingDeclarantQuestionReadsRightInBothLanguages) {
    const auto lineas = rt::ReadAllLines(prueba::Fixture("declarantes.txt"));
    Recorrer("declarantes.txt", &cImportacion::ImportarDtes);
    const std::pair<int32_t, QString> casos[] = {
        {0, "Declarante repetido|Ya existe un declarante con el NIF 12345678Z\n¿Desea sobreescribirlo?"},
        {quelvo::kOffsetEuskera, "Aitortzailea errepikatuta dago|Lehenagotik badago 12345678Z zk.ko IFZ duen "
                                 "aitortzaile bat\nGainean idatzi nahi al duzu?"}};
    for (const auto& [idioma, esperada] : casos) {
        quelvo::lngIdioma = idioma;
        quelvo::blnMostrarAviso = true;
        pantalla_.preguntas.clear();
        pantalla_.respuesta = false;
        cImportacion& imp = quelvo::objImportacion();
        RegistroImportacion log;
        std::string linea = lineas[1];
        imp.IniciarImportacion();
        imp.ImportarDtes(linea, log, 1);
        imp.TerminarImportacion();
        ASSERT_EQ(pantalla_.preguntas.size(), 1u) << idioma;
        EXPECT_EQ(pantalla_.preguntas[0].toStdString(), esperada.toStdString());
    }
}

// Nothing waits for the user with the database held: what the run stored
// before the question is committed when it is asked.
TEST_F(ObjetoImportacion, TheQuestionWaitsWithTheRunsLinesCommitted) {
    const auto lineas = rt::ReadAllLines(prueba::Fixture("declarantes.txt"));
    Recorrer("declarantes.txt", &cImportacion::ImportarDtes);
    entorno_.sql("DELETE FROM TDeclarante WHERE dni_cifd = 'B12345674'");
    quelvo::blnMostrarAviso = true;
    pantalla_.respuesta = false;
    bool libre = false;
    std::vector<std::string> vistos;
    pantalla_.alPreguntar = [&] {
        libre = prueba::SinTransaccionAbierta(quelvo::strRutaMod);
        vistos = Columna("SELECT dni_cifd FROM TDeclarante ORDER BY dni_cifd");
    };
    cImportacion& imp = quelvo::objImportacion();
    RegistroImportacion log;
    imp.IniciarImportacion();
    std::string nueva = lineas[0], repetida = lineas[1];
    imp.ImportarDtes(nueva, log, 1);
    EXPECT_EQ(imp.ResultImp(), quelvo::kImpImportado);
    imp.ImportarDtes(repetida, log, 2);
    imp.TerminarImportacion();
    ASSERT_EQ(pantalla_.preguntas.size(), 1u);
    EXPECT_TRUE(libre);
    EXPECT_EQ(vistos, (std::vector<std::string>{"12345678Z", "B12345674", "X1234567L"}));
    log.Cerrar();
}

TEST_F(ObjetoImportacion, DontShowAgainKeepsTheAnswerGiven) {
    const auto lineas = rt::ReadAllLines(prueba::Fixture("declarantes.txt"));
    for (bool si : {true, false}) {
        Recorrer("declarantes.txt", &cImportacion::ImportarDtes);
        entorno_.sql("UPDATE TDeclarante SET nombred = 'VIEJO'");
        cImportacion& imp = quelvo::objImportacion();
        pantalla_.preguntas.clear();
        pantalla_.respuesta = si;
        // The user ticks the box at the first question.
        pantalla_.marcarNoMostrar = true;
        quelvo::blnMostrarAviso = true;
        const std::vector<int> resultados = ImportarDeclarantes(lineas);
        const int esperado = si ? quelvo::kImpSustituido : quelvo::kImpIgnorado;
        EXPECT_EQ(resultados, std::vector<int>(3, esperado));
        EXPECT_EQ(pantalla_.preguntas.size(), 1u);
        EXPECT_EQ(Columna("SELECT count(*) FROM TDeclarante WHERE nombred = 'VIEJO'"),
                  std::vector<std::string>{si ? "0" : "3"});
        // A new run asks again.
        RegistroImportacion log;
        imp.IniciarImportacion();
        quelvo::blnMostrarAviso = false;
        std::string linea = lineas[0];
        imp.ImportarDtes(linea, log, 1);
        imp.TerminarImportacion();
        EXPECT_EQ(imp.ResultImp(), quelvo::kImpIgnorado);
    }
}

// The real question box: a tick taken back before answering leaves the
// next existing declarant asked about.
TEST(AvisoDeclaranteRepetido, ATickTakenBackKeepsAsking) {
    prueba::Entorno entorno;
    const auto lineas = rt::ReadAllLines(prueba::Fixture("declarantes.txt"));
    ImportarDeclarantes(lineas);
    // The first question ticked and unticked, the second ticked: each
    // accepted; the third declarant takes the answer without a question.
    quelvo::blnMostrarAviso = true;
    const std::vector<int> clics = {2, 1};
    size_t preguntas = 0;
    std::vector<int> resultados;
    prueba::ConModal([&] { resultados = ImportarDeclarantes(lineas); },
                     [&](QWidget* w) {
                         auto aviso = w->findChild<QCheckBox*>("chkMostrarMensaje");
                         if (!aviso) return;
                         for (int i = 0; preguntas < clics.size() && i < clics[preguntas]; ++i)
                             QTest::mouseClick(aviso, Qt::LeftButton);
                         ++preguntas;
                         QTest::mouseClick(w->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
                     });
    EXPECT_EQ(preguntas, 2u);
    EXPECT_EQ(resultados, std::vector<int>(3, quelvo::kImpSustituido));
    EXPECT_FALSE(quelvo::blnMostrarAviso);
}

TEST_F(ObjetoImportacion, ARunStartsFromAClearedState) {
    cImportacion& imp = quelvo::objImportacion();
    imp.ResultImp(4);
    imp.RecDeclaracion(true);
    imp.Convertir(true);
    imp.Estatal(true);
    imp.CodDecla(9);
    imp.ImpAct(3);
    imp.IniciarImportacion();
    imp.TerminarImportacion();
    EXPECT_EQ(imp.ResultImp(), 0);
    EXPECT_FALSE(imp.RecDeclaracion());
    EXPECT_FALSE(imp.Convertir());
    EXPECT_FALSE(imp.Estatal());
    EXPECT_EQ(imp.CodDecla(), 0);
    EXPECT_EQ(imp.ImpAct(), 0);
}

}  // namespace
