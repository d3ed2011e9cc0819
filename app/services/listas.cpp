#include "services/listas.h"

#include <QTreeWidget>
#include <map>

#include "quelvort/strings.h"
#include "services/cgeneral.h"
#include "services/etiqueta.h"
#include "services/globales.h"

namespace quelvo {

namespace {

std::map<std::string, ListaCodigos>& registradas() {
    static std::map<std::string, ListaCodigos> listas;
    return listas;
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

std::vector<FilaLista> ejercicios() {
    std::vector<FilaLista> resultado;
    for (int ano = 1993; ano <= 2013; ++ano)
        resultado.push_back({QString::number(ano), QString::number(ano)});
    return resultado;
}

}  // namespace

void RegistrarListaCodigos(const std::string& nombre, ListaCodigos lista) {
    registradas()[nombre] = std::move(lista);
}

rt::Variant FilasLista(const std::vector<FilaLista>& lista) {
    rt::VArray datos({0, 1}, {0, static_cast<int32_t>(lista.size())});
    for (size_t i = 0; i < lista.size(); ++i) {
        const int32_t fila = static_cast<int32_t>(i) + 1;
        datos.at(0, fila) = lista[i].codigo.toStdString();
        datos.at(1, fila) = lista[i].texto.toStdString();
    }
    return rt::Variant(std::move(datos));
}

void TamanoLetraLista(QTreeWidget* lsv, int puntos) {
    QFont letra = lsv->font();
    letra.setPointSize(puntos);
    lsv->setFont(letra);
}

void cGeneral::InicializarListas(QTreeWidget* lsv) {
    const std::string nombre = rt::UCase(Tag(lsv).toStdString());

    rt::Variant datos;
    if (nombre == "SIGLAS") {
        datos = CargarResultado(sqlSiglas());
    } else if (nombre == "PROV") {
        datos = CargarResultado(sqlProvincias());
    } else if (nombre == "EJERCICIO") {
        TamanoLetraLista(lsv, 8);
        datos = FilasLista(ejercicios());
    } else if (const auto otra = registradas().find(nombre); otra != registradas().end()) {
        datos = otra->second(lsv);
    } else {
        return;
    }
    // A query without rows answers Null: that is an empty list.
    if (datos.isArray()) MostrarDatosLista(lsv, datos);
}

}  // namespace quelvo
