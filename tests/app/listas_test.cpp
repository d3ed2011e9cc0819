// The pick lists, filled against the built reference database.
#include <gtest/gtest.h>

#include <QTreeWidget>

#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "entorno.h"
#include "services/cgeneral.h"
#include "services/etiqueta.h"
#include "services/globales.h"
#include "services/objetos.h"

using namespace quelvo;

namespace {

class Listas : public ::testing::Test {
protected:
    void TearDown() override { lngIdioma = 0; }

    // Fills a fresh list by that name; keys and texts in list order.
    QTreeWidget& llenar(const QString& nombre) {
        lista_ = std::make_unique<QTreeWidget>();
        Tag(lista_.get(), nombre);
        objGeneral().InicializarListas(lista_.get());
        claves.clear();
        textos.clear();
        for (int i = 0; i < lista_->topLevelItemCount(); ++i) {
            claves << lista_->topLevelItem(i)->data(0, kRolClave).toString();
            textos << lista_->topLevelItem(i)->text(0);
        }
        return *lista_;
    }
    static void declaracion(int32_t ejercicio, uint8_t periodo, int32_t rectificado = 0) {
        objListaDeclaraciones().Ejercicio(ejercicio);
        objListaDeclaraciones().Periodo(periodo);
        objDeclarado().Ejercicio(rectificado);
    }

    prueba::Entorno entorno_;
    std::unique_ptr<QTreeWidget> lista_;
    QStringList claves, textos;
};

}  // namespace

TEST_F(Listas, StreetTypesAndProvincesByNameInAnyCaseInTheUsersLanguage) {
    llenar("Siglas");
    EXPECT_EQ(claves.size(), 14);
    EXPECT_EQ(claves.first(), "cAL");
    EXPECT_EQ(textos.first(), "Alameda");
    llenar("prov");
    EXPECT_EQ(claves.size(), 52);
    // By name with accents folded: Ávila among the A's, not after Zaragoza.
    EXPECT_EQ(textos.first(), "A Coruña");
    EXPECT_EQ(textos.indexOf("Ávila") + 1, textos.indexOf("Badajoz"));
    EXPECT_EQ(claves.at(textos.indexOf("Gipuzkoa")), "c20");
    for (const char* nombre : {"Provincias", "", " PROV"})
        EXPECT_EQ(llenar(nombre).topLevelItemCount(), 0) << nombre;
    lngIdioma = kOffsetEuskera;
    EXPECT_EQ(llenar("SIGLAS").topLevelItem(3)->text(0), "Kalea");
    llenar("PROV");
    EXPECT_EQ(claves.at(textos.indexOf("Nafarroa")), "c31");
}

TEST_F(Listas, MemberStatesByTheDeclarationsPeriod) {
    // Exercise, period, count, with Poland, with Croatia. No period yet: the
    // month taken is May. No declaration: no rows.
    const std::tuple<int32_t, uint8_t, int, bool, bool> casos[] = {
        {1993, 12, 11, false, false}, {2004, 4, 14, false, false}, {2004, 5, 24, true, false},
        {2004, 12, 24, true, false},  {2007, 1, 26, true, false},  {2013, 6, 26, true, false},
        {2013, 7, 27, true, true},    {2014, 3, 27, true, true},   {2004, 0, 24, true, false},
        {0, 0, 0, false, false}};
    for (const auto& [ejercicio, periodo, cuantos, polonia, croacia] : casos) {
        SCOPED_TRACE(std::to_string(ejercicio) + "/" + std::to_string(periodo));
        declaracion(ejercicio, periodo);
        EXPECT_EQ(llenar("Pais").font().pointSize(), 8);
        EXPECT_EQ(claves.size(), cuantos);
        EXPECT_EQ(claves.contains("cPL"), polonia);
        EXPECT_EQ(claves.contains("cHR"), croacia);
    }
    declaracion(2013, 12);
    llenar("PAIS");
    EXPECT_EQ(textos.first(), "Alemania");
    lngIdioma = kOffsetEuskera;
    llenar("PAIS");
    EXPECT_EQ(textos.at(claves.indexOf("cNL")), "Herbehereak");
}

TEST_F(Listas, OperationKeysByEra) {
    const QStringList diez{"cEN", "cAN", "cTN", "cSN", "cIN", "cER", "cAR", "cTR", "cSR", "cIR"};
    const QStringList catorce{"cEN", "cAN", "cTN", "cSN", "cIN", "cMN", "cHN",
                              "cER", "cAR", "cTR", "cSR", "cIR", "cMR", "cHR"};
    const std::tuple<int32_t, uint8_t, QStringList> casos[] = {
        {2009, 12, {"c1", "c2", "c3", "c4"}}, {2010, 12, diez}, {2011, 6, diez}, {2011, 7, catorce},
        {2011, 12, catorce}};
    for (const auto& [ejercicio, periodo, esperadas] : casos) {
        declaracion(ejercicio, periodo);
        llenar("ClaveDes");
        EXPECT_EQ(claves, esperadas) << ejercicio << "/" << int(periodo);
    }
    EXPECT_EQ(textos.at(7), "(Rectificación) - Entregas intracomunitarias");
    declaracion(2009, 12);
    llenar("CLAVEDES");
    EXPECT_EQ(textos.at(2), "Rectificación a entregas");
}

TEST_F(Listas, PeriodsOfferMonthsFrom2010) {
    for (auto [ejercicio, rectificado, cuantos] : {std::tuple{2009, 0, 5}, {2010, 0, 17}, {2010, 2008, 5},
                                                    {2012, 2010, 17}}) {
        declaracion(ejercicio, 12, rectificado);
        EXPECT_EQ(llenar("Periodo").topLevelItemCount(), cuantos) << ejercicio << " " << rectificado;
    }
    EXPECT_EQ(textos.first(), "0 - ANUAL");
    EXPECT_EQ(claves.at(1), "c1ºTRIMESTRE");
    EXPECT_EQ(textos.at(5), "ENERO");
    EXPECT_EQ(textos.last(), "DICIEMBRE");
}

TEST_F(Listas, SignsAndExercises) {
    EXPECT_EQ(llenar("Signo").font().pointSize(), 12);
    EXPECT_EQ(claves, (QStringList{"c ", "c-", "c+"}));
    EXPECT_EQ(textos, (QStringList{" ", "-", "+"}));
    EXPECT_EQ(llenar("Ejercicio").font().pointSize(), 8);
    EXPECT_EQ(claves.size(), 21);
    EXPECT_EQ(claves.first(), "c1993");
    EXPECT_EQ(textos.last(), "2013");
}
