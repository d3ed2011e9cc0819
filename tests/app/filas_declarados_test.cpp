// The entry window's rows, which read what they show from the entry list:
// the text of each column, the order of each sort, and the row of a key.
#include "declarations/filas_declarados.h"

#include <gtest/gtest.h>

#include <QTreeWidget>
#include <algorithm>
#include <numeric>

#include "declarations/clistadeclaraciones.h"
#include "entorno.h"
#include "quelvodat/cDeclarado.h"
#include "services/objetos.h"

using namespace quelvo;
using namespace quelvo::columnas_declarados;
using C = quelvodat::CampoLista;

namespace {

struct Entrada {
    int32_t codope;
    const char* pais;
    const char* nif;
    const char* razon;
    const char* clave;
    const char* base;
    const char* tipo;
};

// An entry list as the data server gives it: (field, row), rows from 1, a
// text in every field, row 0 and the spare field Empty.
rt::Variant Lista(const std::vector<Entrada>& entradas) {
    rt::VArray filas({0, C::tipoopo + 1}, {0, static_cast<int32_t>(entradas.size())});
    int32_t i = 0;
    for (const Entrada& e : entradas) {
        ++i;
        filas.at(C::codope, i) = std::to_string(e.codope);
        filas.at(C::paiso, i) = e.pais;
        filas.at(C::nifo, i) = e.nif;
        filas.at(C::razon, i) = e.razon;
        filas.at(C::claveopo, i) = e.clave;
        filas.at(C::base, i) = e.base;
        filas.at(C::tipoopo, i) = e.tipo;
    }
    return filas;
}

class FilasDeclarados : public ::testing::Test {
protected:
    void SetUp() override {
        auto& declaracion = objListaDeclaraciones();
        declaracion.Ejercicio(2012);
        declaracion.Periodo(6);
        declaracion.Periodicidad(2);
        lista_.setColumnCount(kColumnas);
    }

    // A row in the list for each row of the entry list.
    void Mostrar(const std::vector<Entrada>& entradas) {
        lista_.clear();
        listado_.Filas(Lista(entradas));
        for (int32_t i = 1; i <= listado_.Cuenta(); ++i) lista_.addTopLevelItem(new FilaDeclarado(listado_, i));
    }
    std::vector<QString> Columna(int columna) const {
        std::vector<QString> textos;
        for (int i = 0; i < lista_.topLevelItemCount(); ++i) textos.push_back(lista_.topLevelItem(i)->text(columna));
        return textos;
    }

    prueba::Entorno entorno_;
    ListadoDeclarados listado_;
    QTreeWidget lista_;
};

TEST_F(FilasDeclarados, EachColumnShowsItsField) {
    Mostrar({{7, "DE", "123456789", "O'NEIL & CÍA", "E", "123456", "N"},
             {9, "FR", "", "", "A", "-5", "R"},
             {12, "IT", "1", "X", "E", " ", "R"},
             {13, "PL", "2", "Y", "Q", "2,5", "N"}});
    EXPECT_EQ(Columna(kClave), (std::vector<QString>{"7", "9", "12", "13"}));
    EXPECT_EQ(Columna(kIcono), Columna(kClave));
    EXPECT_EQ(Columna(kPais), (std::vector<QString>{"DE", "FR", "IT", "PL"}));
    EXPECT_EQ(Columna(kNif), (std::vector<QString>{"123456789", "", "1", "2"}));
    EXPECT_EQ(Columna(kNombre), (std::vector<QString>{"O'NEIL & CÍA", "", "X", "Y"}));
    // A key outside the declaration's set has no text.
    EXPECT_EQ(Columna(kDescripcion),
              (std::vector<QString>{"Entregas intracomunitarias", "(Rectificación) - Adquisiciones intracomunitarias",
                                    "(Rectificación) - Entregas intracomunitarias", ""}));
    // Hundredths shown as currency units; a blank base as nothing owed.
    EXPECT_EQ(Columna(kImporte), (std::vector<QString>{"1.234,56", "-0,05", "0,00", "0,03"}));
    const QTreeWidgetItem* fila = lista_.topLevelItem(0);
    EXPECT_EQ(fila->textAlignment(kImporte), static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_FALSE(fila->icon(kIcono).isNull());
    EXPECT_TRUE(fila->icon(kPais).isNull());
}

// Sorting by a column orders the rows exactly as sorting their texts would,
// equal texts keeping their order, whatever characters the texts hold.
TEST_F(FilasDeclarados, SortedAsTheirTexts) {
    // Characters from U+E000 (fullwidth A, a private-use one) and beyond
    // U+FFFF, whose UTF-16 order is not that of their code points.
    const char* kAnchaA = "\xEF\xBC\xA1";
    const char* kPrivada = "\xEE\x80\x80";
    const char* kMas = "\xF0\x9D\x90\x80";
    const std::string a = std::string("B") + kAnchaA, b = std::string("B") + kMas, c = std::string("B") + kPrivada;
    const std::vector<Entrada> entradas = {
        {1, "DE", "B2", "ÑANDÚ", "E", "1", "N"},         {2, "de", "B10", "NANDU", "A", "1", "R"},
        {3, "AT", a.c_str(), "", "T", "1", "N"},         {4, "AT", b.c_str(), "Zeta", "E", "1", "R"},
        {5, "", c.c_str(), b.c_str(), "S", "1", "N"},    {6, "DE", "", a.c_str(), "E", "1", "N"},
        {7, "ÉS", "B", "ÉMILE", "I", "1", "N"},          {8, "ES", "b", "EMILE", "A", "1", "N"},
        {9, "DE", "B2", c.c_str(), "E", "1", "N"},       {10, "ZZ", "", "émile", "Q", "1", "N"}};
    Mostrar(entradas);
    for (int columna : {kPais, kNif, kNombre, kDescripcion}) {
        SCOPED_TRACE(columna);
        lista_.sortItems(columna, Qt::AscendingOrder);
        std::vector<int> orden(entradas.size());
        std::iota(orden.begin(), orden.end(), 0);
        std::vector<QString> textos;
        for (int i = 0; i < static_cast<int>(entradas.size()); ++i)
            textos.push_back(listado_.Texto(i + 1, columna));
        std::stable_sort(orden.begin(), orden.end(),
                         [&](int x, int y) { return textos[x].compare(textos[y]) < 0; });
        std::vector<QString> esperadas;
        for (int k : orden) esperadas.push_back(QString::number(entradas[k].codope));
        EXPECT_EQ(Columna(kClave), esperadas);
        // Back to the order of the entries for the next column.
        Mostrar(entradas);
    }
}

TEST_F(FilasDeclarados, TheRowOfAKey) {
    Mostrar({{3, "DE", "1", "A", "E", "1", "N"},
             {7, "DE", "2", "B", "E", "1", "N"},
             {10, "DE", "3", "C", "E", "1", "N"},
             {200, "DE", "4", "D", "E", "1", "N"}});
    const std::pair<int32_t, int32_t> casos[] = {{3, 1}, {7, 2}, {10, 3}, {200, 4},
                                                 {0, 0}, {1, 0}, {8, 0}, {500, 0}};
    for (const auto& [clave, fila] : casos) EXPECT_EQ(listado_.FilaDeClave(clave), fila) << clave;
    listado_.Filas(rt::Variant::Null());
    EXPECT_EQ(listado_.FilaDeClave(3), 0);
}

// A row whose entry list grew shorter shows nothing rather than another
// row's values or a failure.
TEST_F(FilasDeclarados, ARowBeyondTheListShowsNothing) {
    Mostrar({{3, "DE", "1", "A", "E", "1", "N"}, {7, "FR", "2", "B", "E", "1", "N"}});
    listado_.Filas(Lista({{3, "DE", "1", "A", "E", "1", "N"}}));
    EXPECT_EQ(lista_.topLevelItem(0)->text(kPais), "DE");
    EXPECT_EQ(lista_.topLevelItem(1)->text(kPais), "");
    EXPECT_TRUE(lista_.topLevelItem(1)->icon(kIcono).isNull());
}

}  // namespace
