#include "exchange/cexportacion.h"

#include "db/cdeclaraciones.h"
#include "db/cdeclarante.h"
#include "db/conexion_dao.h"
#include "db/errores.h"
#include "db/general.h"
#include "exchange/ctimpexp.h"
#include "exchange/linea_declarante.h"
#include "exchange/registros.h"
#include "quelvodat/cDeclarado.h"
#include "quelvort/class_registry.h"
#include "quelvort/convert.h"
#include "quelvort/textfile.h"

namespace quelvodat {

namespace {

// Every entry of a declaration in one query, by key: field 0 the key, fields
// 1 to 12 the declared-entry buffer as cDeclarado's CargarDeclarado gives it.
rt::Variant DeclaradosDeDeclaracion(const std::string& mdbmod, int32_t lngDeclaracion) {
    UsoBD uso(bd794mod, mdbmod);
    return uso.conexion().LeerMatriz(
        "SELECT codope, coddeclar, paiso, nifo, razon, claveopo, base, signoo, ejercicioo, "
        "periodoo, triangularo, periodicidad, tipoopo FROM tOperadores "
        "WHERE coddeclar = ? ORDER BY codope",
        {lngDeclaracion}, General::kLista);
}

constexpr int32_t kCamposDeclarado = CampoCargado::tipoopo + 1;

}  // namespace

void cExportacion::declaracion(const std::string& valor) { declaracion_ = rt::CLng(valor); }

rt::Variant cExportacion::CargarDeclarante(const rt::Variant& vBufferDeclarantes,
                                           int32_t intIndex) const {
    int32_t codigo = rt::CLng(vBufferDeclarantes(intIndex));
    // A code below 1 loads empty values, which would make a record of blanks.
    if (codigo < 1) throw ErrorNoExiste("el declarante", codigo);
    cDeclarante declarante;
    declarante.mdbmod(mdbmod_);
    rt::Variant buffer;
    declarante.CargarDeclarante(codigo, buffer);
    return buffer;
}

bool cExportacion::ExportarDtes(const std::string& strRuta,
                                const rt::Variant& vBufferDeclarantes) {
    return ConUbicacion("cExportacion.ExportarDtes", [&] {
        // Put in place of strRuta only by Commit: a failure leaves the old file.
        rt::TextFileWriter fichero(strRuta);
        for (int32_t i = rt::LBound(vBufferDeclarantes), fin = rt::UBound(vBufferDeclarantes);
             i <= fin; ++i)
            fichero.WriteLine(
                Exportacion::ExportarLineaDte(CargarDeclarante(vBufferDeclarantes, i)));
        fichero.Commit();
        return true;
    });
}

int32_t cExportacion::TotalDeclarados(int32_t lngEjercicio, uint8_t btePeriodo,
                                      const std::string& strDtes) {
    return ConUbicacion("cExportacion.TotalDeclarados", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        return cTImpExp().TotalDeclarados(lngEjercicio, btePeriodo, strDtes);
    });
}

std::string cExportacion::ExportarReg0(const rt::Variant& vBufferPresentador,
                                       int32_t lngNoTotalDtes, int32_t lngNoTotalDos,
                                       int32_t lngEjercicio) {
    if (lngEjercicio > 2009)
        return Export2010::ExportarRegistro0_2010(vBufferPresentador, lngNoTotalDtes,
                                                  lngNoTotalDos, lngEjercicio);
    return Exportacion::ExportarRegistro0(vBufferPresentador, lngNoTotalDtes, lngNoTotalDos,
                                          lngEjercicio);
}

std::string cExportacion::ExportarReg1(const rt::Variant& vBufferDeclarantes, int32_t intIndex) {
    return ConUbicacion("cExportacion.ExportarReg1", [&] {
        // A failed call must not leave a declaration for the ExportarReg2 that
        // follows: the state changes only once the record exists.
        declaracion_ = 0;
        bimensual_.clear();
        rt::Variant declarante = CargarDeclarante(vBufferDeclarantes, intIndex);

        cDeclaraciones declaraciones;
        declaraciones.mdbmod(mdbmod_);
        int32_t clave = declaraciones.ObtenerDeclaracion(rt::CLng(declarante(0)), ejercicio_,
                                                         periodo_, periodicidad_);
        std::string bimensual = declaraciones.ObtenerBimensualidad(clave);
        rt::Variant totales = declaraciones.ObtenerTotalDeclarados(clave, rt::CInt(ejercicio_));

        std::string registro =
            Layout2010() ? Export2010::ExportarRegistro1_2010(declarante, totales, ejercicio_,
                                                              periodo_, periodicidad_, bimensual)
                         : Exportacion::ExportarRegistro1(declarante, totales, moneda_,
                                                          ejercicio_, periodo_, periodicidad_);
        declaracion_ = clave;
        bimensual_ = bimensual;
        return registro;
    });
}

rt::Variant cExportacion::ExportarReg2(const rt::Variant& vBufferDeclarantes, int32_t intIndex) {
    rt::Variant declarante = CargarDeclarante(vBufferDeclarantes, intIndex);
    rt::Variant filas = DeclaradosDeDeclaracion(mdbmod_, declaracion_);
    if (filas.isNull()) return rt::Variant();

    const int32_t n = rt::UBound(filas, 2);
    rt::VArray registros(0, n);
    for (int32_t fila = 1; fila <= n; ++fila) {
        rt::VArray declarado(0, kCamposDeclarado);
        for (int32_t j = 0; j < kCamposDeclarado; ++j) declarado.at(j) = filas(j + 1, fila);
        const rt::Variant buffer(std::move(declarado));
        registros.at(fila) =
            Layout2010()
                ? Export2010::ExportarRegistro2_2010(ejercicio_, periodo_, buffer, declarante,
                                                     moneda_, periodicidad_)
                : Exportacion::ExportarRegistro2(ejercicio_, periodo_, buffer, declarante,
                                                 moneda_, periodicidad_);
    }
    // Counted once every record exists: a failed call hands out none.
    noTotalDeclarados_ += n;
    return registros;
}

QUELVO_CREATABLE(cExportacion)

}  // namespace quelvodat
