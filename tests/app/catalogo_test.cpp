// The message catalog and the error-code texts, compared as UTF-8 bytes so a
// wrong encoding or a lost blank shows.
#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <string>

#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/texto_valor.h"

using namespace quelvo;

namespace {

class Catalogo : public ::testing::Test {
protected:
    void SetUp() override { lngIdioma = 0; }
    void TearDown() override { lngIdioma = 0; }
};

constexpr int32_t eu = kOffsetEuskera;

TEST_F(Catalogo, HoldsEveryIdOfBothLanguages) {
    EXPECT_EQ(NumeroTextosCatalogo(), 2 * 260);
    for (int32_t base : {0, eu})
        for (int32_t id = base + 101; id <= base + 360; ++id)
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
    for (int32_t id : {0, -1, 100, 361, 10100, 10361, 20101}) falta(id, [id] { TextoCatalogo(id); });
    lngIdioma = eu;
    falta(10361, [] { Cat(361); });
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
        {0, 67, "El total de las bases imponibles de la declaraci\xC3\xB3n superar\xC3\xAD" "a "
                "99.999.999.999,99, lo m\xC3\xA1s que admite el fichero de presentaci\xC3\xB3n"},
        {eu, 67, "Aitorpeneko oinarri ezargarrien guztizkoa 99.999.999.999,99 baino handiagoa "
                 "litzateke, aurkezpen-fitxategiak onartzen duena baino gehiago"},
        // A submission file's entry record without its declarant record, or
        // with another declarant's NIF: texts of the program's own.
        {0, 68, "El registro de declarado no va precedido de ning\xC3\xBAn registro de declarante"},
        {eu, 68, "Aitortuaren erregistroaren aurretik ez dago aitortzailearen erregistrorik"},
        {0, 69, "El NIF del declarante no coincide con el del registro de declarante anterior"},
        {eu, 69, "Aitortzailearen IFZa ez dator bat aurreko aitortzaile-erregistroko IFZarekin"},
        // An amount box holding a text that is no amount.
        {0, 70, "El importe no es una cantidad v\xC3\xA1lida: escr\xC3\xAD" "balo con dos decimales como mucho "
                "y, si pone puntos de millar, en grupos de tres cifras, como en 1.234,56"},
        {eu, 70, "Zenbatekoa ez da baliozko kopurua: idatzi gehienez bi hamartarrekin eta, milakoen "
                 "puntuak jartzen badituzu, hiru zifrako taldeetan, 1.234,56 bezala"},
        // One amount the file cannot hold, whatever the total.
        {0, 71, "El importe supera 99.999.999.999,99, lo m\xC3\xA1s que admite el fichero de presentaci\xC3\xB3n"},
        {eu, 71, "Zenbatekoa 99.999.999.999,99 baino handiagoa da, aurkezpen-fitxategiak onartzen duena baino "
                 "gehiago"},
        // Outside the table: empty, no error.
        {0, -1, ""}, {0, 72, ""}, {eu, -1, ""}, {eu, 72, ""}, {0, -32768, ""}, {0, 32767, ""},
    };
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        EXPECT_EQ(DescripcionError(c.codigo).toStdString(), c.utf8) << c.idioma << "/" << c.codigo;
    }
}

// A value goes where the text's dotted blank stands (the Basque word order),
// else after one blank; a question that follows starts a line of its own.
TEST_F(Catalogo, MessagesWithAValueReadRightInBothLanguages) {
    struct Caso {
        int32_t idioma;
        int32_t texto;
        const char* valor;
        int32_t resto;     // text after the value, 0 none
        int32_t pregunta;  // question on its own line, 0 none
        const char* utf8;
    };
    const Caso casos[] = {
        {0, 286, "A98765431", 0, 310,
         "Ya existe un declarante con el NIF A98765431\n\xC2\xBF" "Desea sobreescribirlo?"},
        {eu, 286, "A98765431", 0, 310,
         "Lehenagotik badago A98765431 zk.ko IFZ duen aitortzaile bat\nGainean idatzi nahi al duzu?"},
        {0, 156, "12345678A", 0, 0, "El NIF 12345678A es erroneo o carece de d\xC3\xADgito de control"},
        {eu, 156, "12345678A", 0, 0, "12345678A IFZ honek ez du kontrol digiturik edo kontrol digitua okerra da."},
        // The text's own trailing or leading blanks give no second blank.
        {0, 312, "B2 - SEGUNDO", 313, 0,
         "\xC2\xBF" "Est\xC3\xA1 seguro que desea eliminar el declarante: B2 - SEGUNDO con todas las "
         "declaraciones que pudiera tener?"},
        {eu, 312, "B2 - SEGUNDO", 313, 0,
         "Ziur al zaude B2 - SEGUNDO aitortzailea deuseztatu nahi duzula, izan ditzakeen aitorpen "
         "guztiekin batera?"},
        {0, 231, "/t/falta.txt", 0, 0, "No se encuentra el archivo desde el que se desea importar. /t/falta.txt"},
        {eu, 231, "/t/falta.txt", 0, 0, "Ez da aurkitu inportatzeko abiapuntuko artxiboa /t/falta.txt"},
        // Three dots end a sentence; they hold no value.
        {eu, 189, "X", 0, 0, "Grabatzen ari da... X"},
    };
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        QString texto = ConValor(Cat(c.texto), QString::fromUtf8(c.valor), c.resto ? Cat(c.resto) : QString());
        if (c.pregunta) texto = ConPregunta(texto, Cat(c.pregunta));
        EXPECT_EQ(texto.toStdString(), c.utf8) << c.idioma << "/" << c.texto;
    }
}

// Every code with its text in both languages: a code mapped to its
// neighbour's text would refuse an export with the wrong reason.
TEST_F(Catalogo, EveryErrorCodeWithItsTextInBothLanguages) {
    struct Codigo {
        int16_t codigo;
        const char* castellano;
        const char* euskera;
    };
    const Codigo tabla[] = {
        {0, "El NIF es erróneo o carece de dígito de control",
         "IFZ honek ez du kontrol digiturik edo kontrol digitua okerra da."},
        {1, "Falta el nombre o la razón social",
         "Deiturak eta izena, edo sozietatearen izena laukian balioren bat jarri behar da"},
        {2, "Debe seleccionarse el tipo de vía pública",
         "Kale mota hautatu behar da"},
        {3, "Falta el nombre de la vía pública",
         "Helbidea laukian balioren bat jarri behar da"},
        {4, "El código de provincia no es uno de los admisibles.",
         "Probintzia kodea ez da onargarria"},
        {5, "El código postal es incorrecto.",
         "Posta kodea okerra da"},
        {6, "El código postal no coincide con el código de provincia.",
         "Probintzia kodea eta posta kodea ez datoz bat"},
        {7, "Falta el nombre del municipio",
         "Udalerria laukian balioren bat jarri behar da"},
        {8, "Ya existe un declarante con el NIF",
         "Lehenagotik badago ........... zk.ko IFZ duen aitortzaile bat"},
        {9, "Se debe seleccionar el ejercicio",
         "Ekitaldiaren eremuan balioren bat jarri behar da"},
        {10, "El ejercicio no se encuentra dentro del rango permitido. ",
         "Ekitaldia ez dago tarte baimenduaren barruan: "},
        {11, "Se debe especificar la provincia o el país en el caso de los aperadores no residentes",
         "Probintzia edo Herria laukian balioren bat jarri behar da"},
        {12, "Falta la clave de operación",
         "Gakoa laukian balioren bat jarri behar da"},
        {13, "El importe debe ser mayor que cero",
         "Zenbatekoa ezin da negatiboa izan"},
        {14, "Ya existe un declarado con esa operación",
         "Eragiketa bera duen aitortua badago lehenagotik"},
        {15, "Ya existe una declaración para el año elegido",
         "Lehenagotik badago urte hautaturako aitorpen bat"},
        {16, "Se debe especificar el domicilio",
         "Helbidea laukian balioren bat jarri behar da"},
        {17, "Falta la clave de operación",
         "Gakoa laukian balioren bat jarri behar da"},
        {18, "Se debe seleccionar una moneda",
         "Moneta bat hautatu behar duzu"},
        {19, "El número de la vivienda debe ser numérico",
         "Atari zenbakia laukian zenbakia jarri behar da"},
        {20, "El Código de Provincia debe ser numérico.",
         "Probintzia kodeak numerikoa izan behar du"},
        {21, "El Código Postal debe ser numérico.",
         "Posta kodeak numerikoa izan behar du"},
        {22, "El Prefijo debe ser numérico",
         "Aitortzailearen telefono zenbakiak numerikoa izan behar du"},
        {23, "El Número de prefijo o número de teléfono debe ser numérico.",
         "Aurrizki zenbakia edo telefono zenbakia numerikoa izan behar da"},
        {24, "El registro que se desea importar carece de la longitud requerida.",
         "Inportatu nahi duzun erregistroak ez du behar den luzera"},
        {25, "El modelo no existe o no es correcto",
         "Eredua ez dago edo ez da zuzena"},
        {26, "El DNI-CIF debe ser ' ' , al ser el declarado no residente.",
         "NA-IFK-ak '' izan behar du, aitortua lurralde espainiarrean egoiliarra ez da eta"},
        {27, "Se debe especificar un país",
         "Herria laukian balioren bat jarri behar da"},
        {28, "El código de país a de ser numérico.",
         "Herria laukian zenbakia jarri behar da"},
        {29, "Se debe seleccionar el ejercicio",
         "Ekitaldiaren eremuan balioren bat jarri behar da"},
        {30, "Ya existe este Declarado",
         "Eragiketa bera duen aitortua badago lehenagotik"},
        {31, "No se ha podido dar de alta la declaración. Asegurese de que no existe la declaración antes de importarla",
         "Aitorpenari ezin izan zaio alta eman. Ziurta ezazu aitorpena ez dagoela inportatu aurretik"},
        {32, "NIF del Declarado erróneo o repetido",
         "Aitortzaile oker edo errepikatuaren IFZ"},
        {33, "La casilla periodo debe contener algún valor",
         "\"Zergaldia\" laukian balioren bat jarri behar da"},
        {34, "La clave de representante no tiene un valor válido: ' ' ó 'R'",
         "Ordezkariaren gakoak ez du baliozko baliorik: ´ ´ edo ´R´"},
        {35, "El pais debe ser 000, al ser el declarado residente",
         "Herriaren kodeak 000 izan behar du, aitortua lurralde espainiarrean egoiliarra da eta"},
        {36, "El importe debe ser numérico",
         "Zenbatekoa laukian zenbakia jarri behar da"},
        {37, "El importe no puede ser negativo",
         "Zenbatekoa ezin da negatiboa izan"},
        {38, "La casilla signo debe contener algún valor",
         "\"Zeinua\" laukian balioren bat jarri behar da"},
        {39, "El periodo no es correcto",
         "Zergaldia ez da zuzena"},
        {40, "la clave de operación debe ser numérica y contener alguno de estos valores '1,2,3,4'",
         "Eragiketaren gakoa numerikoa izan behar da, eta balio hauetako bat eduki behar du: '1,2,3,4'"},
        {41, "El importe debe tener algún valor",
         "Zenbatekoa laukian balioren bat jarri behar da"},
        {42, "No se puede realizar una declaración anual teniendo definidas declaraciones trimestrales.",
         "Ezin da egin urteko aitorpenik, aurretik hiruhileko aitorpenak definituta badaude."},
        {43, "El ejercicio no es numérico",
         "Ekitaldiak numerikoa izan behar du"},
        {44, "El ejercicio no se encuentra dentro del rango permitido. ",
         "Ekitaldia ez dago tarte baimenduaren barruan: "},
        {45, "El NIF del presentador es erróneo o carece de dígito de control",
         "IFZ eremua okerra da"},
        {46, "No se puede importar una declaración hecha en euros sobre una hecha en pesetas",
         "Ezin da eurotan egindako aitorpena inportatu pezetatan egindako beste batera"},
        {47, "NIF del Declarado erróneo o repetido",
         "Aitortzaile oker edo errepikatuaren IFZ"},
        {48, "No se puede realizar una declaración trimestral teniendo definida una declaración anual.",
         "Ezin da egin hiruhileko aitorpenik, aurretik urteko aitorpena definituta badago."},
        {49, "En las operaciones de clave 2 o 4 no se permite que se especifique como operación de triangulación.",
         "2 edo 4 gakoa duten eragiketak ezin dira triangulazio eragiketatzat hartu"},
        {50, " No se permite importar un registro con caracteres erróneos",
         "Erregistroa ez da onartzen baliogabezko zeinuak dituelako"},
        {51, "La declaración rectificada debe ser anterior a la declaración actual.",
         "Zuzendutako aitorpena egiten ari zarena baino aitzinekoa izan behar du."},
        {52, "Para  rectificaciones anteriores al 2010 no se admiten claves de operación S ó I",
         "2010aren aurreko zuzenketetarako, ez dago onartuta S edo I eragiketa gakoak erabiltzea"},
        {53, "El importe de la base imponible no puede ser negativo ya que no se trata de una rectificación",
         "Oinarri ezargarriaren zenbatekoa ezin da izan negatiboa, ez baita zuzenketa"},
        {54, "Para ejercicios anteriores al 2010, las rectificaciones deben ser trimestrales e iguales o inferirores al tercer trimestre. Además el periodo será inferior al de la declaración.",
         "2010aren aurreko ekitaldietarako, zuzenketak izan behar dira hiruhilekoak eta hirugarren hiruhilekoaren berdinak edo txikiagoak. Gainera, aitorpen dataren aurrekoa izan behar da zergaldia"},
        {55, "Para ejercicios superiores o iguales al 2010 no se aceptan rectificaciones anuales. Además el periodo no puede ser superior o igual al de la declaración",
         "Urteko aitorpen batek ezin du izan ekitaldi bereko zuzenketarik "},
        {56, "Para ejercicios anteriores al 2010 solo se admitirán rectificaciones relativas a los tres primeros trimestres",
         "2010aren aurreko ekitaldietarako, bakarrik onargarriak izango dira lehen hiru hiruhilekoetako zuzenketak"},
        {57, "Faltan datos de la rectificación",
         "Zuzenketaren datuak falta dira"},
        {58, "La rectificación no puede tener una fecha posterior a la fecha de la declaración",
         "Zuzenketak ezin du izan aitorpen dataren aurreko datarik"},
        {59, "El ejercicio de rectificación es anterior al año en el que el país se incorporó a la comunidad europea.",
         "Zuzenketaren ekitaldia herrialdea Europar Batasunean sartu zen urtearen aurrekoa da"},
        {60, "No se puede copiar de ejercicios posteriores al 2010 a ejercicios anteriores a este año",
         "2010aren ondorengo ekitaldiak ezin dira kopiatu urte horren aurreko ekitaldietara"},
        {61, "No se permiten declaraciones mensuales para ejercicios anteriores al 2010",
         "Hileko aitorpenak ez daude baimenduta 2010aren aurreko ekitaldietarako"},
        {62, "Ya existe una declaración para ese ejericicio periodo.",
         "Lehendik badago aitorpen bat ekitaldi eta zergaldi horretarako"},
        {63, "La clave de operación debe contener alguno de estos valores \"A,E,T,S,I\"",
         "Eragiketa gakoak \"A, E, T, S, I\" balioetako bat eduki behar du"},
        {64, "El fichero no se puede exportar porque alguno de los declarados tienen bases imponibles negativas",
         "Fitxategia ezin da esportatu, aitortuetako batzuek oinarri ezargarri negatiboak dituztelako"},
        {65, "La base imponible no puede tener un valor negativo",
         "Ez da zilegi oinarri ezargarriak balio negatibo bat izatea"},
        {66, "Para  rectificaciones anteriores al 2011 y periodo inferior a julio o tercer trimestre no se admiten claves de operación H ó M",
         "2011ko uztaila edo 2011ko hirugarren hiruhileko aurreko aitorpenetako zuzenketetan  ez dira H edo M gakoak onartzen"},
    };
    ASSERT_EQ(std::size(tabla), 67u);
    const std::string rango = "1993 - 2013";
    for (const auto& c : tabla) {
        const std::string resto = c.codigo == 10 ? rango : c.codigo == 44 ? "  " + rango : "";
        lngIdioma = 0;
        EXPECT_EQ(DescripcionError(c.codigo).toStdString(), c.castellano + resto) << c.codigo;
        lngIdioma = eu;
        EXPECT_EQ(DescripcionError(c.codigo).toStdString(), c.euskera + resto) << c.codigo;
    }
    lngIdioma = 0;
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
