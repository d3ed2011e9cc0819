#pragma once
// Drives "Quelvodat.cImportacion" as the desktop's import dialogs will: a new
// object for every line, the import state copied in before the call and out
// after it, one state per run of a file.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "quelvodat/cImportacion.h"
#include "quelvort/object.h"
#include "quelvort/textfile.h"

namespace prueba {

using Hallazgos = std::vector<std::pair<int32_t, std::string>>;

// The findings of an error buffer; the shape is checked on the way.
inline Hallazgos HallazgosDe(const rt::Variant& buffer) {
    Hallazgos h;
    if (!buffer.isArray()) {
        ADD_FAILURE() << "the error buffer is not an array";
        return h;
    }
    EXPECT_EQ(rt::LBound(buffer, 1), 0);
    EXPECT_EQ(rt::UBound(buffer, 1), 1);
    EXPECT_EQ(rt::LBound(buffer, 2), 0);
    if (buffer(0, 0).isEmpty()) {
        EXPECT_EQ(rt::UBound(buffer, 2), 0);
        EXPECT_TRUE(buffer(1, 0).isEmpty());
        return h;
    }
    for (int32_t j = 0; j <= rt::UBound(buffer, 2); ++j) {
        EXPECT_EQ(buffer(0, j).type(), rt::VarType::Long);
        EXPECT_TRUE(buffer(1, j).isString());
        h.emplace_back(buffer(0, j).lng(), buffer(1, j).str());
    }
    return h;
}

// The outcome of one line.
struct Salida {
    uint8_t sujeto = 0;
    uint8_t resultado = 0;
    Hallazgos hallazgos;
};

class Importador {
public:
    Importador(std::string mod, std::string lec) : mod_(std::move(mod)), lec_(std::move(lec)) {}

    // One line of a submission file (importSpte).
    Salida Soporte(const std::string& linea, bool estatal = false) {
        return Llamar([&](auto& o, auto& errores) { o.importSpte(linea, errores, estatal); });
    }
    // One line of a file of entries for the declaration of exercise
    // `ejercicio` chosen in the desktop (importDeclarado).
    Salida Declarados(const std::string& linea, int32_t ejercicio, bool estatal = false) {
        return Llamar([&](auto& o, auto& errores) {
            o.importDeclarado(linea, errores, estatal, declaracion_, ejercicio);
        });
    }
    // One line of a declarant file (importDte); its result in `resultado`.
    Salida Declarante(const std::string& linea, rt::Variant& valores) {
        rt::Variant errores;
        Salida s;
        s.resultado = Nuevo()->importDte(linea, valores, errores);
        s.hallazgos = HallazgosDe(errores);
        return s;
    }
    // Every line of a submission file, in order.
    std::vector<Salida> Fichero(const std::string& ruta, bool estatal = false) {
        std::vector<Salida> salidas;
        for (const std::string& linea : rt::ReadAllLines(ruta))
            salidas.push_back(Soporte(linea, estatal));
        return salidas;
    }

    std::shared_ptr<quelvodat::_cImportacion> Nuevo() {
        auto o = rt::CreateObjectAs<quelvodat::_cImportacion>("Quelvodat.cImportacion");
        o->mdbmod(mod_);
        o->mdblec(lec_);
        o->EjercicioMin(1993);
        o->EjercicioMax(2013);
        o->declaracion(std::to_string(declaracion_));
        o->Resultado(resultado_);
        o->RechazarDeclaracion(rechazar_);
        o->Convertir(convertir_);
        o->Periodo(periodo_);
        o->Periodicidad(periodicidad_);
        return o;
    }

    // The state carried from line to line.
    int32_t declaracion_ = 0;
    uint8_t resultado_ = 0;
    bool rechazar_ = false;
    bool convertir_ = false;
    uint8_t periodo_ = 0;
    uint8_t periodicidad_ = 0;

private:
    template <class F>
    Salida Llamar(F&& llamada) {
        auto o = Nuevo();
        rt::Variant errores;
        llamada(*o, errores);
        declaracion_ = std::stoi(o->declaracion());
        resultado_ = o->Resultado();
        rechazar_ = o->RechazarDeclaracion();
        convertir_ = o->Convertir();
        periodo_ = o->Periodo();
        periodicidad_ = o->Periodicidad();
        return {o->Sujeto(), o->Resultado(), HallazgosDe(errores)};
    }

    std::string mod_, lec_;
};

inline std::string Fixture(const std::string& nombre) {
    return std::string(QUELVO_FIXTURES_DIR) + "/importacion/" + nombre;
}

// Stored rows, one text per row with the columns joined by "|".
inline const char* kSqlDeclarantes =
    "SELECT dni_cifd||'|'||nombred||'|'||viad||'|'||domiciliod||'|'||numerod||'|'||letrad||'|'||"
    "escalerad||'|'||pisod||'|'||manod||'|'||cod||'|'||codpostald||'|'||municipiod||'|'||"
    "telefonod||'|'||nombrepd||'|'||telefonopd FROM TDeclarante ORDER BY coddec";
inline const char* kSqlDeclaraciones =
    "SELECT dni_cifd||'|'||ejercicio||'|'||periodo||'|'||periodicidad||'|'||moneda||'|'||"
    "bimensual FROM TDeclaraciones JOIN TDeclarante ON coddec = coddecr ORDER BY coddecla";
inline const char* kSqlDeclarados =
    "SELECT dni_cifd||'|'||ejercicio||'|'||periodo||'|'||paiso||'|'||nifo||'|'||razon||'|'||"
    "claveopo||'|'||base||'|'||signoo||'|'||ejercicioo||'|'||periodoo||'|'||triangularo||'|'||"
    "tipoopo||'|'||tOperadores.periodicidad FROM tOperadores "
    "JOIN TDeclaraciones ON coddecla = coddeclar JOIN TDeclarante ON coddec = coddecr "
    "ORDER BY dni_cifd, ejercicio, periodo, codope";

}  // namespace prueba
