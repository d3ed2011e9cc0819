// Periods, operation keys, currencies and dates as texts in either language.
#include <gtest/gtest.h>

#include "declarations/clistadeclaraciones.h"
#include "declarations/descripcion_clave.h"
#include "services/claves.h"
#include "services/fechas.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "services/periodos.h"

using namespace quelvo;

namespace {

class Textos : public ::testing::Test {
protected:
    void TearDown() override {
        lngIdioma = 0;
        strFechaVacia.clear();
        LiberarObjetos();
    }
    static void declaracion(int32_t ejercicio, uint8_t periodo) {
        objListaDeclaraciones().Ejercicio(ejercicio);
        objListaDeclaraciones().Periodo(periodo);
    }
};

TEST_F(Textos, EveryPeriodTextReadsBackInBothLanguages) {
    const std::tuple<int16_t, int16_t, const char*, const char*> periodos[] = {
        {12, 3, "0 - ANUAL", "0 - URTEKOA"},     {3, 2, "1ºTRIMESTRE", "1.HIRUHILEKOA"},
        {6, 2, "2ºTRIMESTRE", "2.HIRUHILEKOA"},  {9, 2, "3ºTRIMESTRE", "3.HIRUHILEKOA"},
        {12, 2, "4ºTRIMESTRE", "4.HIRUHILEKOA"}, {1, 1, "ENERO", "URTARRILA"},
        {2, 1, "FEBRERO", "OTSAILA"},            {3, 1, "MARZO", "MARTXOA"},
        {4, 1, "ABRIL", "APIRILA"},              {5, 1, "MAYO", "MAIATZA"},
        {6, 1, "JUNIO", "EKAINA"},               {7, 1, "JULIO", "UZTAILA"},
        {8, 1, "AGOSTO", "ABUZTUA"},             {9, 1, "SEPTIEMBRE", "IRAILA"},
        {10, 1, "OCTUBRE", "URRIA"},             {11, 1, "NOVIEMBRE", "AZAROA"},
        {12, 1, "DICIEMBRE", "ABENDUA"},
    };
    for (const auto& [valor, periodicidad, castellano, euskera] : periodos) {
        for (int i = 0; i < 2; ++i) {
            const QString texto = QString::fromUtf8(i ? euskera : castellano);
            lngIdioma = i * kOffsetEuskera;
            EXPECT_EQ(DescripcionPeriodo(valor, periodicidad), texto);
            EXPECT_EQ(ValorPeriodo(texto), valor) << castellano;
            EXPECT_EQ(TipoPeriodo(texto), periodicidad) << castellano;
        }
    }
    lngIdioma = 0;
    EXPECT_EQ(DescripcionPeriodo(3, 2).at(1), QChar(0x00BA));  // one character, U+00BA
}

TEST_F(Textos, PeriodTextsMatchOnlyExactly) {
    for (const char* texto : {"1º TRIMESTRE", "1°TRIMESTRE", "enero", " ENERO", "4.hiruhilekoa", ""}) {
        EXPECT_EQ(ValorPeriodo(QString::fromUtf8(texto)), 0) << texto;
        EXPECT_EQ(TipoPeriodo(QString::fromUtf8(texto)), 0) << texto;
    }
    for (auto [valor, periodicidad] : {std::pair{6, 3}, {5, 2}, {13, 1}, {0, 1}, {12, 4}})
        EXPECT_EQ(DescripcionPeriodo(valor, periodicidad), "") << valor << "/" << periodicidad;
}

TEST_F(Textos, PeriodCodes) {
    const std::tuple<uint8_t, uint8_t, const char*> casos[] = {
        {12, 3, "0A"}, {5, 3, "0A"}, {3, 2, "1T"}, {12, 2, "4T"}, {5, 2, ""},
        {7, 1, "07"},  {12, 1, "12"}, {0, 1, "00"}, {12, 0, ""},  {12, 4, ""}};
    for (auto [valor, periodicidad, codigo] : casos)
        EXPECT_EQ(CodigoPeriodo(valor, periodicidad), codigo) << int(valor) << "/" << int(periodicidad);
}

TEST_F(Textos, KeySetsFollowTheDeclarationsPeriod) {
    const QStringList antiguas{"1", "2", "3", "4"}, cinco{"E", "A", "T", "S", "I"},
        siete{"E", "A", "T", "S", "I", "M", "H"};
    const std::tuple<int32_t, uint8_t, QStringList> casos[] = {
        {0, 0, antiguas}, {2009, 12, antiguas}, {2010, 12, cinco}, {2011, 6, cinco},
        {2011, 7, siete}, {2011, 12, siete},    {2012, 1, siete}};
    for (const auto& [ejercicio, periodo, claves] : casos) {
        declaracion(ejercicio, periodo);
        for (const QString& clave : siete + antiguas)
            EXPECT_EQ(DescripcionClave(clave, "N").isEmpty(), !claves.contains(clave))
                << ejercicio << "/" << int(periodo) << " " << clave.toStdString();
    }
}

TEST_F(Textos, KeyTextsAndTheRectificationPrefix) {
    const int32_t eu = kOffsetEuskera;
    const std::tuple<int32_t, uint8_t, int32_t, const char*, const char*, const char*> casos[] = {
        {2011, 6, 0, "E", "R", "(Rectificación) - Entregas intracomunitarias"},
        {2011, 6, eu, "E", "R", "(Zuzenketak) - Batasun barruko emateak"},
        {2011, 9, 0, "M", "N", "Entregas  intra. de bienes posteriores a una importación exenta"},
        {2012, 3, 0, "I", "r", "Adquisiciones intracomunitarias de servicios"},
        {2012, 3, 0, "e", "N", ""},
        {2009, 12, 0, "3", "R", "Rectificación a entregas"},
        {2009, 12, eu, "4", "R", "Eskurapenen zuzenketak"},
    };
    for (auto [ejercicio, periodo, idioma, clave, tipo, texto] : casos) {
        declaracion(ejercicio, periodo);
        lngIdioma = idioma;
        EXPECT_EQ(DescripcionClave(clave, tipo).toStdString(), texto) << clave << tipo;
    }
}

TEST_F(Textos, Currencies) {
    EXPECT_EQ(QStringList({NombreMoneda("e"), NombreMoneda("")}), QStringList({"Euros", "Pesetas"}));
    EXPECT_EQ(QStringList({OperadorConversion("E", "P"), OperadorConversion("P", "E"), OperadorConversion("e", "P"),
                           OperadorConversion("E", "E")}),
              QStringList({" * ", " / ", "", ""}));
}

TEST_F(Textos, SpanishDates) {
    strFechaVacia = "__/__/____";
    const std::pair<const char*, int32_t> casos[] = {
        {"29/02/2000", 20000229}, {"29/02/1900", -1}, {"29/02/2011", -1},  {"31/04/2011", -1},
        {"30/04/2011", 20110430}, {"01/01/1000", 10000101}, {"15/03/999", -1}, {"15/03/201_", -1},
        {"1_/03/2011", -1},       {"00/03/2011", -1}, {"15/13/2011", -1},  {"15/3/2011", -1},
        {"15/03/99999", -1},      {"__/__/____", 0},  {"2011/03/15", -1},
    };
    for (const auto& [texto, numero] : casos) {
        EXPECT_EQ(FechaValida(texto), numero != -1) << texto;
        EXPECT_EQ(FechaANumero(texto), numero) << texto;
    }
    // April, June, September and November refuse the 31st and take the 30th;
    // the months of 31 days take both.
    for (int mes = 1; mes <= 12; ++mes) {
        if (mes == 2) continue;
        const bool treinta = mes == 4 || mes == 6 || mes == 9 || mes == 11;
        const QString mm = QStringLiteral("%1").arg(mes, 2, 10, QChar('0'));
        EXPECT_EQ(FechaANumero("31/" + mm + "/2011"), treinta ? -1 : 20110031 + mes * 100) << mes;
        EXPECT_EQ(FechaANumero("30/" + mm + "/2011"), 20110030 + mes * 100) << mes;
    }
    EXPECT_EQ(FechaANumero("15/03/2011", 2012), -1);
    EXPECT_EQ(NumeroAFecha(20110315), "15/03/2011");
    EXPECT_EQ(NumeroAFecha(15032011, true), "15/03/2011");
    for (int32_t numero : {0, -5, 20110231, 123}) EXPECT_EQ(NumeroAFecha(numero), "__/__/____") << numero;
}

TEST_F(Textos, BasqueDatesAndTheEmptyDate) {
    // Until the print dialog sets it, the empty text is the empty date; the
    // mask of the language in use always is.
    EXPECT_EQ(FechaANumero(""), 0);
    EXPECT_EQ(FechaANumero("__/__/____"), 0);
    lngIdioma = kOffsetEuskera;
    EXPECT_EQ(FechaANumero("____/__/__"), 0);
    strFechaVacia = "____/__/__";
    EXPECT_EQ(FechaANumero(""), -1);
    EXPECT_EQ(FechaANumero("2011/03/15"), 20110315);
    EXPECT_EQ(NumeroAFecha(20110315), "2011/03/15");
    EXPECT_EQ(NumeroAFecha(0), "____/__/__");
    EXPECT_EQ(NumeroAFecha(20110231), "____/__/__");
    EXPECT_EQ(FechaANumero("2011/03/1_"), -1);  // a day not typed whole
    EXPECT_EQ(FechaANumero("15/03/2011"), -1);
}

TEST_F(Textos, BasqueDaySuffixes) {
    const std::pair<int16_t, const char*> casos[] = {
        {0, ""},    {1, "ean"}, {2, "an"},   {5, "ean"}, {10, "ean"}, {11, "n"}, {15, "ean"},
        {20, "an"}, {21, "ean"}, {29, "an"}, {30, "ean"}, {31, "n"},   {32, ""}};
    for (const auto& [dia, sufijo] : casos) EXPECT_EQ(SufijoDia(dia), sufijo) << dia;
}

}  // namespace
