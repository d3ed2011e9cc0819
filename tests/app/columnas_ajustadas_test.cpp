// The widths of a list's value columns follow their widest value, whether
// the values are given as QStrings or as UTF-8 texts.
#include "controls/columnas_ajustadas.h"

#include <gtest/gtest.h>

#include <QTreeWidget>
#include <algorithm>
#include <string>
#include <vector>

using namespace quelvo;

namespace {

// The width a value column takes for these values.
int Ancho(const std::vector<std::string>& valores, bool comoUtf8) {
    QTreeWidget lista;
    lista.setColumnCount(2);
    ColumnasAjustadas columnas(&lista, {{1, AnchoColumna::Valor, 300}});
    columnas.Empezar();
    for (const std::string& v : valores) {
        if (comoUtf8) columnas.Anotar(1, std::string_view(v));
        else columnas.Anotar(1, QString::fromStdString(v));
    }
    columnas.Aplicar();
    return lista.columnWidth(1);
}

TEST(ColumnasAjustadas, AUtf8TextMeasuresAsItsQString) {
    const std::vector<std::vector<std::string>> casos = {
        {"DE", "FR", "NL"},
        {"1", "WWWWWWWWWWWWWW", "123456789"},
        {"iiiiiiiiiiiiiiii", "MMMMMMMM"},
        {"ÑANDÚ", "NANDU", "É"},
        {"ÉÉÉÉÉÉÉÉÉÉ", "EEEEEEEEEEE"},
        {"1.234,56", "-99.999.999.999,99", "0,00"},
        {""},
    };
    for (const auto& valores : casos) {
        SCOPED_TRACE(valores.front());
        const int ancho = Ancho(valores, true);
        EXPECT_EQ(ancho, Ancho(valores, false));
        // The widest value fits whole.
        const QFontMetrics medida(QTreeWidget().font());
        int mayor = 0;
        for (const std::string& v : valores) mayor = std::max(mayor, medida.horizontalAdvance(QString::fromStdString(v)));
        EXPECT_GE(ancho, mayor);
    }
}

}  // namespace
