#pragma once
// The import state the desktop's import dialog carries from the object of one
// line to the object of the next, for the programs that drive an import as
// the dialog does.
#include <cstdint>
#include <memory>
#include <string>

#include "quelvodat/cImportacion.h"
#include "quelvort/object.h"

namespace prueba {

struct EstadoImportacion {
    std::string declaracion = "0";
    uint8_t resultado = 0;
    bool rechazar = false;
    bool convertir = false;
    uint8_t periodo = 0;
    uint8_t periodicidad = 0;

    // A new object for one line: the paths, the dialog's exercise range and
    // this state.
    std::shared_ptr<quelvodat::_cImportacion> Objeto(const std::string& mod,
                                                     const std::string& lec) const {
        auto o = rt::CreateObjectAs<quelvodat::_cImportacion>("Quelvodat.cImportacion");
        o->mdbmod(mod);
        o->mdblec(lec);
        o->EjercicioMin(1993);
        o->EjercicioMax(2013);
        o->declaracion(declaracion);
        o->Resultado(resultado);
        o->RechazarDeclaracion(rechazar);
        o->Convertir(convertir);
        o->Periodo(periodo);
        o->Periodicidad(periodicidad);
        return o;
    }

    // One line of a submission file through a new object; the state it
    // leaves is kept for the next line.
    void Soporte(const std::string& mod, const std::string& lec, const std::string& linea) {
        auto o = Objeto(mod, lec);
        rt::Variant errores;
        o->importSpte(linea, errores, false);
        Recoger(*o);
    }

    // The state the line's object left.
    void Recoger(const quelvodat::_cImportacion& o) {
        declaracion = o.declaracion();
        resultado = o.Resultado();
        rechazar = o.RechazarDeclaracion();
        convertir = o.Convertir();
        periodo = o.Periodo();
        periodicidad = o.Periodicidad();
    }
};

}  // namespace prueba
