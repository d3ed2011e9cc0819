// The pick lists, filled against the built reference database.
#include <gtest/gtest.h>

#include <QTreeWidget>

#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "entorno.h"
#include "shell/cgeneral.h"
#include "shell/etiqueta.h"
#include "shell/globales.h"
#include "shell/objetos.h"

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

TEST_F(Listas, NamesInAnyCaseAndUnknownNames) {
    llenar("PROV");
    const QStringList provincias = claves;
    EXPECT_EQ(provincias.size(), 52);
    llenar("Prov");
    EXPECT_EQ(claves, provincias);
    for (const char* nombre : {"Provincias", "", " PROV"}) EXPECT_EQ(llenar(nombre).topLevelItemCount(), 0) << nombre;
}

TEST_F(Listas, StreetTypesAndProvincesInTheUsersLanguage) {
    llenar("Siglas");
    EXPECT_EQ(claves.size(), 14);
    EXPECT_EQ(claves.first(), "cAL");
    EXPECT_EQ(textos.first(), "Alameda");
    llenar("prov");
    // By name with accents folded: Ávila among the A's, not after Zaragoza.
    EXPECT_EQ(textos.first(), "A Coruña");
    EXPECT_EQ(textos.indexOf("Ávila") + 1, textos.indexOf("Badajoz"));
    EXPECT_EQ(claves.at(textos.indexOf("Gipuzkoa")), "c20");
    lngIdioma = kOffsetEuskera;
    EXPECT_EQ(llenar("SIGLAS").topLevelItem(3)->text(0), "Kalea");
    llenar("PROV");
    EXPECT_EQ(claves.at(textos.indexOf("Nafarroa")), "c31");
}

TEST_F(Listas, MemberStatesByTheDeclarationsPeriod) {
    struct Caso {
        int32_t ejercicio;
        uint8_t periodo;
        int cuantos;
        bool polonia, croacia;
    };
    const Caso casos[] = {
        {1993, 12, 11, false, false}, {2004, 4, 14, false, false}, {2004, 5, 24, true, false},
        {2004, 12, 24, true, false},  {2007, 1, 26, true, false},  {2013, 6, 26, true, false},
        {2013, 7, 27, true, true},    {2014, 3, 27, true, true},
        // No period yet: the month taken is May. No declaration: no rows.
        {2004, 0, 24, true, false},   {0, 0, 0, false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.ejercicio) + "/" + std::to_string(c.periodo));
        declaracion(c.ejercicio, c.periodo);
        EXPECT_EQ(llenar("Pais").font().pointSize(), 8);
        EXPECT_EQ(claves.size(), c.cuantos);
        EXPECT_EQ(claves.contains("cPL"), c.polonia);
        EXPECT_EQ(claves.contains("cHR"), c.croacia);
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
    struct Caso {
        int32_t ejercicio;
        uint8_t periodo;
        QStringList claves;
    };
    const Caso casos[] = {{2009, 12, {"c1", "c2", "c3", "c4"}}, {2010, 12, diez}, {2011, 6, diez},
                          {2011, 7, catorce}, {2011, 12, catorce}};
    for (const auto& c : casos) {
        declaracion(c.ejercicio, c.periodo);
        llenar("ClaveDes");
        EXPECT_EQ(claves, c.claves) << c.ejercicio << "/" << int(c.periodo);
    }
    EXPECT_EQ(textos.at(7), "(Rectificación) - Entregas intracomunitarias");
    declaracion(2009, 12);
    llenar("CLAVEDES");
    EXPECT_EQ(textos.at(2), "Rectificación a entregas");
}

TEST_F(Listas, PeriodsOfferMonthsFrom2010) {
    struct Caso {
        int32_t ejercicio, rectificado;
        int cuantos;
    };
    for (Caso c : {Caso{2009, 0, 5}, Caso{2010, 0, 17}, Caso{2010, 2008, 5}, Caso{2012, 2010, 17}}) {
        declaracion(c.ejercicio, 12, c.rectificado);
        EXPECT_EQ(llenar("Periodo").topLevelItemCount(), c.cuantos) << c.ejercicio << " " << c.rectificado;
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
