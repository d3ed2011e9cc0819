#pragma once
// Drives "Quelvodat.cExportacion" as the desktop's submission writer does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quelvodat/cExportacion.h"
#include "quelvort/object.h"
#include "quelvort/variant.h"

namespace prueba {

struct Ejecucion {
    std::vector<std::string> lineas;
    std::vector<int32_t> declaradosPorDeclarante;
};

// One run: the total first on an object of its own, then one object for the
// whole run; a collective run (with a presenter) begins with its record 0.
inline Ejecucion Exportar(const std::string& mod, int32_t ejercicio, uint8_t periodo,
                          uint8_t periodicidad, const std::string& moneda,
                          const std::vector<int32_t>& codigos,
                          const rt::Variant& presentador = rt::Variant()) {
    auto nuevo = [&] {
        auto e = rt::CreateObjectAs<quelvodat::_cExportacion>("Quelvodat.cExportacion");
        e->mdbmod(mod);
        return e;
    };
    std::string lista;
    rt::VArray array(0, static_cast<int32_t>(codigos.size()) - 1);
    for (size_t i = 0; i < codigos.size(); ++i) {
        lista += (i ? "," : "") + std::to_string(codigos[i]);
        array.at(static_cast<int32_t>(i)) = codigos[i];
    }
    const rt::Variant arreglo(array);
    int32_t total = nuevo()->TotalDeclarados(ejercicio, periodo, lista);

    Ejecucion r;
    auto e = nuevo();
    e->Ejercicio(ejercicio);
    e->Moneda(moneda);
    e->Periodo(periodo);
    e->Periodicidad(periodicidad);
    for (int32_t i = 0; i < static_cast<int32_t>(codigos.size()); ++i) {
        e->NoTotalDeclarados(0);
        if (!presentador.isEmpty() && i == 0)
            r.lineas.push_back(e->ExportarReg0(presentador, static_cast<int32_t>(codigos.size()),
                                               total, ejercicio));
        r.lineas.push_back(e->ExportarReg1(arreglo, i));
        rt::Variant registros = e->ExportarReg2(arreglo, i);
        if (!registros.isEmpty()) {
            EXPECT_TRUE(registros(0).isEmpty());
            for (int32_t j = 1; j <= rt::UBound(registros); ++j)
                r.lineas.push_back(registros(j).str());
        }
        r.declaradosPorDeclarante.push_back(e->NoTotalDeclarados());
    }
    return r;
}

}  // namespace prueba
