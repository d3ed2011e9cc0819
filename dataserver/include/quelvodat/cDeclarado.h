#pragma once
// The declared entries (the lines of a declaration).
//
// Save order (GuardarDeclarado, 13 values 0..12): 0 codope (0 for a new
// entry), 1 coddeclar, 2 paiso, 3 nifo, 4 razon, 5 claveopo, 6 base,
// 7 signoo, 8 periodoo, 9 ejercicioo, 10 triangularo, 11 tipoopo,
// 12 periodicidad.
// Load order (CargarDeclarado, one row 0..12): 0 coddeclar, 1 paiso, 2 nifo,
// 3 razon, 4 claveopo, 5 base, 6 signoo, 7 ejercicioo, 8 periodoo,
// 9 triangularo, 10 periodicidad, 11 tipoopo, 12 Empty.
// Lists (ObtenerDeclarados): (field, row) arrays, rows from 1 by codope,
// fields 0 codope, 1 paiso, 2 nifo, 3 razon, 4 claveopo, 5 base, 6 tipoopo.
// Every element holds a text; Null when there is no row.
#include <cstdint>
#include <string>

#include "quelvodat/rutas.h"
#include "quelvort/variant.h"

namespace quelvodat {

// The fields of the arrays of entries by name: a reader of such an array
// uses these names, never a number of its own.
// A row of CargarDeclarado.
struct CampoCargado {
    enum : int32_t {
        coddeclar, paiso, nifo, razon, claveopo, base, signoo, ejercicioo, periodoo, triangularo,
        periodicidad, tipoopo
    };
};
// A row of ObtenerDeclarados.
struct CampoLista {
    enum : int32_t { codope, paiso, nifo, razon, claveopo, base, tipoopo };
};
// A row of ObtenerTodosLosDecl: every column of tOperadores in table order.
struct ColumnaOperadores {
    enum : int32_t {
        codope, coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, base, signoo, ejercicioo,
        periodoo, triangularo, periodicidad
    };
};

class _cDeclarado : public _RutasBD {
public:
    // True when declaration lngCodDecl holds an entry with the same VAT
    // number, key, rectified exercise and period and triangular mark; when
    // editing, entry codOpe itself does not count.
    virtual bool DeclaradosCoincidentes(int32_t lngCodDecl, const std::string& strNif,
                                        const std::string& strClaveOp,
                                        const std::string& strTriangular, int32_t lngEjercicio,
                                        uint8_t btePeriodo, bool blnEditar = false,
                                        int32_t codOpe = 0) = 0;
    // Index 0 = 0 inserts and answers the new key; a positive key updates
    // that entry (ErrorNoExiste when no entry has it) and answers it; a
    // negative key changes nothing and is answered as it came. A declaration
    // that does not exist (ErrorNoExiste) or an amount that is no finite
    // number (13) is refused; errors carry "cdeclarado.GuardarDeclarado ".
    virtual int32_t GuardarDeclarado(const rt::Variant& vBufferResultado) = 0;
    virtual rt::Variant ObtenerDeclarados(int32_t lngDeclaracion) = 0;
    // Every column of the declaration's entries in table order, by key and
    // VAT number.
    virtual rt::Variant ObtenerTodosLosDecl(int32_t lngDeclaracion) = 0;
    // True when an entry of the declaration has a negative base.
    virtual bool comprobarBaseImpNegativas(int32_t lngDeclaracion) = 0;
    // True when the declaration holds at least one entry.
    virtual bool TieneDeclarados(int32_t lngDeclaracion) = 0;
    // Null when no entry has the key.
    virtual rt::Variant CargarDeclarado(int32_t lngDeclarado) = 0;
    // An unknown key deletes nothing.
    virtual void EliminarDeclarado(int32_t lngDeclarado) = 0;
};

}  // namespace quelvodat
