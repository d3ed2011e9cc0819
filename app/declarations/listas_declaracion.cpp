#include "declarations/listas_declaracion.h"

#include <QTreeWidget>
#include <string>
#include <vector>

#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/descripcion_clave.h"
#include "services/cgeneral.h"
#include "services/claves.h"
#include "services/globales.h"
#include "services/listas.h"
#include "services/objetos.h"
#include "services/periodos.h"

namespace quelvo {

namespace {

// Member states that had joined by the current declaration's period: the
// start and the bound compared as exercise * 100 + month, in time order.
std::string sqlPaises(int32_t ejercicio, int32_t periodo) {
    const std::string cota = std::to_string(int64_t{ejercicio} * 100 + periodo);
    const std::string columna = lngIdioma == 0 ? "PAIS" : "PAISEUS";
    return "SELECT SIGLASPAIS, " + columna +
           " FROM TSiglasPais WHERE ejercicio * 100 + periodo <= " + cota + " ORDER BY " +
           columna + " COLLATE ES";
}

std::vector<FilaLista> claves(int32_t ejercicio, int32_t periodo) {
    const QStringList lista = ClavesDeclaracion(ejercicio, periodo);
    std::vector<FilaLista> resultado;
    if (ejercicio <= 2009) {
        for (const QString& clave : lista) resultado.push_back({clave, DescripcionClave(clave, "")});
        return resultado;
    }
    for (const char* tipo : {"N", "R"})
        for (const QString& clave : lista)
            resultado.push_back({clave + tipo, DescripcionClave(clave, tipo)});
    return resultado;
}

std::vector<FilaLista> periodos(int32_t ejercicio) {
    std::vector<FilaLista> resultado;
    auto anadir = [&](int16_t valor, int16_t periodicidad) {
        QString texto = DescripcionPeriodo(valor, periodicidad);
        resultado.push_back({texto, texto});
    };
    anadir(12, kPeriodicidadAnual);
    for (int16_t valor : {3, 6, 9, 12}) anadir(valor, kPeriodicidadTrimestral);
    // Months exist from 2010, also for the period an entry rectifies.
    const int16_t rectificado = objDeclarado().Ejercicio();
    if (ejercicio >= 2010 && (rectificado == 0 || rectificado >= 2010))
        for (int16_t mes = 1; mes <= 12; ++mes) anadir(mes, kPeriodicidadMensual);
    return resultado;
}

}  // namespace

void RegistrarListasDeclaracion() {
    RegistrarListaCodigos("PAIS", [](QTreeWidget* lsv) {
        const cListaDeclaraciones& lista = objListaDeclaraciones();
        const int32_t periodo = lista.Periodo() == 0 ? 5 : lista.Periodo();
        TamanoLetraLista(lsv, 8);
        return objGeneral().CargarResultado(sqlPaises(lista.Ejercicio(), periodo));
    });
    RegistrarListaCodigos("CLAVEDES", [](QTreeWidget*) {
        const cListaDeclaraciones& lista = objListaDeclaraciones();
        return FilasLista(claves(lista.Ejercicio(), lista.Periodo()));
    });
    RegistrarListaCodigos("PERIODO",
                          [](QTreeWidget*) { return FilasLista(periodos(objListaDeclaraciones().Ejercicio())); });
    RegistrarListaCodigos("SIGNO", [](QTreeWidget* lsv) {
        TamanoLetraLista(lsv, 12);
        return FilasLista({{" ", " "}, {"-", "-"}, {"+", "+"}});
    });
}

}  // namespace quelvo
