// The pick lists of the code-list drop-down.
#include <QTreeWidget>
#include <string>
#include <vector>

#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "quelvort/strings.h"
#include "services/cgeneral.h"
#include "services/claves.h"
#include "services/etiqueta.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "services/periodos.h"

namespace quelvo {

namespace {

struct Fila {
    QString codigo;
    QString texto;
};

// (field, row) with row 0 empty, as the data server shapes its lists.
rt::Variant filas(const std::vector<Fila>& lista) {
    rt::VArray datos({0, 1}, {0, static_cast<int32_t>(lista.size())});
    for (size_t i = 0; i < lista.size(); ++i) {
        const int32_t fila = static_cast<int32_t>(i) + 1;
        datos.at(0, fila) = lista[i].codigo.toStdString();
        datos.at(1, fila) = lista[i].texto.toStdString();
    }
    return rt::Variant(std::move(datos));
}

void tamanoLetra(QTreeWidget* lsv, int puntos) {
    QFont letra = lsv->font();
    letra.setPointSize(puntos);
    lsv->setFont(letra);
}

bool castellano() { return lngIdioma == 0; }

std::string sqlSiglas() {
    return castellano() ? "SELECT Codigo, Cas FROM TSIGLASVIA ORDER BY Codigo"
                        : "SELECT Codigo, Eus FROM TSIGLASVIA ORDER BY Codigo";
}

// Names sort as Spanish readers expect (accents folded), not by byte.
std::string sqlProvincias() {
    return castellano() ? "SELECT PRO_ID, PRO_CAS FROM TProvincias ORDER BY PRO_CAS COLLATE ES"
                        : "SELECT PRO_ID, PRO_EUS FROM TProvincias ORDER BY PRO_EUS COLLATE ES";
}

// Member states that had joined by the current declaration's period: the
// start and the bound compared as exercise * 100 + month, in time order.
std::string sqlPaises(int32_t ejercicio, int32_t periodo) {
    const std::string cota = std::to_string(int64_t{ejercicio} * 100 + periodo);
    const std::string columna = castellano() ? "PAIS" : "PAISEUS";
    return "SELECT SIGLASPAIS, " + columna +
           " FROM TSiglasPais WHERE ejercicio * 100 + periodo <= " + cota + " ORDER BY " +
           columna + " COLLATE ES";
}

std::vector<Fila> claves(int32_t ejercicio, int32_t periodo) {
    const QStringList lista = ClavesDeclaracion(ejercicio, periodo);
    std::vector<Fila> resultado;
    if (ejercicio <= 2009) {
        for (const QString& clave : lista) resultado.push_back({clave, DescripcionClave(clave, "")});
        return resultado;
    }
    for (const char* tipo : {"N", "R"})
        for (const QString& clave : lista)
            resultado.push_back({clave + tipo, DescripcionClave(clave, tipo)});
    return resultado;
}

std::vector<Fila> periodos(int32_t ejercicio) {
    std::vector<Fila> resultado;
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

std::vector<Fila> ejercicios() {
    std::vector<Fila> resultado;
    for (int ano = 1993; ano <= 2013; ++ano)
        resultado.push_back({QString::number(ano), QString::number(ano)});
    return resultado;
}

}  // namespace

void cGeneral::InicializarListas(QTreeWidget* lsv) {
    const cListaDeclaraciones& lista = objListaDeclaraciones();
    const int32_t ejercicio = lista.Ejercicio();
    const int32_t periodo = lista.Periodo() == 0 ? 5 : lista.Periodo();
    const std::string nombre = rt::UCase(Tag(lsv).toStdString());

    rt::Variant datos;
    if (nombre == "SIGLAS") {
        datos = CargarResultado(sqlSiglas());
    } else if (nombre == "PROV") {
        datos = CargarResultado(sqlProvincias());
    } else if (nombre == "PAIS") {
        tamanoLetra(lsv, 8);
        datos = CargarResultado(sqlPaises(ejercicio, periodo));
    } else if (nombre == "CLAVEDES") {
        datos = filas(claves(ejercicio, lista.Periodo()));
    } else if (nombre == "PERIODO") {
        datos = filas(periodos(ejercicio));
    } else if (nombre == "SIGNO") {
        tamanoLetra(lsv, 12);
        datos = filas({{" ", " "}, {"-", "-"}, {"+", "+"}});
    } else if (nombre == "EJERCICIO") {
        tamanoLetra(lsv, 8);
        datos = filas(ejercicios());
    } else {
        return;
    }
    // A query without rows answers Null: that is an empty list.
    if (datos.isArray()) MostrarDatosLista(lsv, datos);
}

}  // namespace quelvo
