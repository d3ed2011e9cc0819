// The message catalog and the error-code texts, compared as UTF-8 bytes so a
// wrong encoding or a lost blank shows.
#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <string>

#include "quelvort/error.h"
#include "shell/catalogo.h"
#include "shell/globales.h"

using namespace quelvo;

namespace {

class Catalogo : public ::testing::Test {
protected:
    void SetUp() override { lngIdioma = 0; }
    void TearDown() override { lngIdioma = 0; }
};

constexpr int32_t eu = kOffsetEuskera;

TEST_F(Catalogo, HoldsEveryIdOfBothLanguages) {
    EXPECT_EQ(NumeroTextosCatalogo(), 2 * 259);
    for (int32_t base : {0, eu})
        for (int32_t id = base + 101; id <= base + 359; ++id)
            EXPECT_FALSE(TextoCatalogo(id).isEmpty()) << id;
}

TEST_F(Catalogo, TextsKeepEveryByte) {
    const std::pair<int32_t, const char*> casos[] = {
        // Leading and trailing blanks belong to the text.
        {114, "C\xC3\xB3" "digo Postal"}, {10114, "Posta kodeak "},
        {150, "El ejercicio no se encuentra dentro del rango permitido. "},
        {10150, "Ekitaldia ez dago tarte baimenduaren barruan: "},
        {335, "Crear copia de seguridad "}, {10335, "Segurtasun kopia sortu"},
        {301, " No se permite importar un registro con caracteres err\xC3\xB3neos"},
        {313, "  con todas las declaraciones que pudiera tener?"}, {10255, "AURKEZ. / AITOR.: "},
        // 191 ends in a tab in Spanish, in a blank in Basque.
        {191, "Grabar e Imprimir declaraciones\t"}, {10191, "Aitorpenak grabatu eta inprimatu "},
        // Inner double quotes are part of the text.
        {10110, "Eragiketa gakoa (si no entra pod\xC3\xA9is poner \"Erag. gakoa\")"},
        {10119, "\"Zergaldia\" laukian balioren bat jarri behar da"},
        {353, "La clave de operaci\xC3\xB3n debe contener alguno de estos valores \"A,E,T,S,I\""},
        {10353, "Eragiketa gakoak \"A, E, T, S, I\" balioetako bat eduki behar du"},
        // Signs outside ASCII.
        {103, "\xC2\xBF" "Desea eliminar el presentador?."}, {229, "N\xC2\xBA Declarados"},
        {10221, "Aldea\xC2\xBA"},
        {10211, "Ordezkariaren gakoak ez du baliozko baliorik: \xC2\xB4 \xC2\xB4 edo \xC2\xB4R\xC2\xB4"},
        {273, "Versi\xC3\xB3n 2.08"},
        {312, "\xC2\xBF" "Est\xC3\xA1 seguro que desea eliminar el declarante: "},
        {10359, "Programa hau hemendik gutxira ezin izango da erabili. 794 ereduak aurkezteko "
                "Tarvendia programa prest dago iada."},
    };
    for (auto [id, utf8] : casos) EXPECT_EQ(TextoCatalogo(id).toStdString(), utf8) << id;
}

TEST_F(Catalogo, ImportHelpShowsItsJoinOperatorsAsText) {
    const std::tuple<int32_t, const char*, const char*, qsizetype> casos[] = {
        {213, "' La importaci\xC3\xB3n del soporte se hace sobre el archivo de texto seleccionado.' "
              "& vbCrLf & '", "si existe presentador.'", 519},
        {10213, "Testu hautatuaren artxiboaren gainean inportatzen da euskarria  & vbCrLf & '",
         "aurkezlerik bada.'", 514},
    };
    for (auto [id, comienzo, final_, caracteres] : casos) {
        const QString t = TextoCatalogo(id);
        EXPECT_TRUE(t.startsWith(QString::fromUtf8(comienzo))) << id;
        EXPECT_TRUE(t.endsWith(QString::fromUtf8(final_))) << id;
        EXPECT_EQ(t.count(QStringLiteral(" & vbCrLf & '")), 4) << id;
        EXPECT_EQ(t.size(), caracteres);
        EXPECT_FALSE(t.contains('\r') || t.contains('\n')) << id;
    }
}

TEST_F(Catalogo, MissingIdRaisesResourceError) {
    auto falta = [](int32_t id, const std::function<void()>& leer) {
        try {
            leer();
            ADD_FAILURE() << id << ": no error";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number, 326);
            EXPECT_EQ(e.Description, "Resource with identifier '" + std::to_string(id) + "' not found");
        }
    };
    for (int32_t id : {0, -1, 100, 360, 10100, 10360, 20101}) falta(id, [id] { TextoCatalogo(id); });
    lngIdioma = eu;
    falta(10360, [] { Cat(360); });
}

TEST_F(Catalogo, DescripcionErrorByCodeAndLanguage) {
    struct Caso {
        int32_t idioma;
        int16_t codigo;
        const char* utf8;
    };
    const Caso casos[] = {
        {0, 0, "El NIF es err\xC3\xB3neo o carece de d\xC3\xADgito de control"},
        {eu, 0, "IFZ honek ez du kontrol digiturik edo kontrol digitua okerra da."},
        // The range: one blank (the text's own) for 10, three for 44.
        {0, 10, "El ejercicio no se encuentra dentro del rango permitido. 1993 - 2013"},
        {0, 44, "El ejercicio no se encuentra dentro del rango permitido.   1993 - 2013"},
        {eu, 10, "Ekitaldia ez dago tarte baimenduaren barruan: 1993 - 2013"},
        {eu, 44, "Ekitaldia ez dago tarte baimenduaren barruan:   1993 - 2013"},
        {0, 1, "Falta el nombre o la raz\xC3\xB3n social"},
        {0, 8, "Ya existe un declarante con el NIF"},
        {0, 26, "El DNI-CIF debe ser ' ' , al ser el declarado no residente."},
        {0, 33, "La casilla periodo debe contener alg\xC3\xBAn valor"},
        {eu, 33, "\"Zergaldia\" laukian balioren bat jarri behar da"},
        {0, 45, "El NIF del presentador es err\xC3\xB3neo o carece de d\xC3\xADgito de control"},
        {0, 50, " No se permite importar un registro con caracteres err\xC3\xB3neos"},
        {0, 63, "La clave de operaci\xC3\xB3n debe contener alguno de estos valores \"A,E,T,S,I\""},
        {0, 66, "Para  rectificaciones anteriores al 2011 y periodo inferior a julio o tercer "
                "trimestre no se admiten claves de operaci\xC3\xB3n H \xC3\xB3 M"},
        {eu, 66, "2011ko uztaila edo 2011ko hirugarren hiruhileko aurreko aitorpenetako "
                 "zuzenketetan  ez dira H edo M gakoak onartzen"},
        // Outside the table: empty, no error.
        {0, -1, ""}, {0, 67, ""}, {eu, -1, ""}, {eu, 67, ""}, {0, -32768, ""}, {0, 32767, ""},
    };
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        EXPECT_EQ(DescripcionError(c.codigo).toStdString(), c.utf8) << c.idioma << "/" << c.codigo;
    }
}

TEST_F(Catalogo, SharedCodesGiveTheSameText) {
    for (int32_t idioma : {0, eu}) {
        lngIdioma = idioma;
        for (auto [a, b, id] : {std::tuple<int16_t, int16_t, int32_t>{12, 17, 184}, {9, 29, 265},
                                {32, 47, 226}})
            EXPECT_EQ(QStringList({DescripcionError(a), DescripcionError(b)}),
                      QStringList(2, TextoCatalogo(id + idioma)))
                << idioma << "/" << a;
    }
    lngIdioma = 0;
    EXPECT_EQ(DescripcionError(17).toStdString(), "Falta la clave de operaci\xC3\xB3n");
}

}  // namespace
