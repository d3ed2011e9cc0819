#pragma once
// Reference lookups, counts and the preferences of the user database.
//
// Language arguments (lngIdioma) are the program's catalog offset: 0 selects
// the Spanish name, any other value the Basque one. Names come upper-cased;
// an unknown code gives the empty text.
#include <cstdint>
#include <string>

#include "quelvodat/rutas.h"
#include "quelvort/variant.h"

namespace quelvodat {

class _cDatosGenerales : public _RutasBD {
public:
    // Old currency names of the declarations ("Euros", "Pesetas") become
    // their codes "E" and "P".
    virtual void ActualizarMoneda() = 0;
    virtual int32_t NumeroDeclarantes() = 0;
    // One read-only SELECT on the reference database as a (field, row) list
    // of texts, rows from 1; Null when there is no row. Any other statement
    // is refused with error 5.
    virtual rt::Variant CargarResultado(const std::string& strCadena) = 0;
    virtual std::string ObtenerDescriVia(const std::string& strCod, int32_t lngIdioma) = 0;
    virtual std::string ObtenerNombreProvincia(const std::string& strCod, int32_t lngIdioma) = 0;
    virtual std::string ObtenerNombrePais(const std::string& strCod, int32_t lngIdioma) = 0;
    // The filing address for a submission without a certificate (1) or with
    // one (any other value).
    virtual std::string RecogerRutaURL(uint8_t btRegistro) = 0;
    // The VAT-number form of member state strPais.
    virtual bool ValidarNIFExtranjero(const std::string& strNif, const std::string& strPais) = 0;
    // A valid Spanish NIF or CIF (checked by Zentalib.cMiscelaneos).
    virtual bool ValidaNifCif(const std::string& Cadena, bool blnSinLetra = false) = 0;
    // The stored language code, "C" when there is no settings row.
    virtual std::string ObtenerIdioma() = 0;
    // The stored online-check flag, 0 when there is no settings row.
    virtual int16_t ObtenerActOnline() = 0;
    // Both store into the settings row, creating it when it is missing.
    virtual void CambiarIdioma(const std::string& sidioma) = 0;
    virtual rt::Variant GuardarActOnline(int16_t intActOnline) = 0;
    // Where the version file of the online check is downloaded from.
    virtual std::string ObtenerURLAct() = 0;
    // From when member state strPais counts: exercise * 100 + period (2004
    // and 5 give 200405); 0 for an unknown code.
    virtual int32_t ObtenerAnoPais(const std::string& strPais) = 0;

    // The data server keeps its databases open between calls. This closes
    // every database the calling thread's data server holds: an import run's
    // pending lines are committed, and the user database's log is written
    // into its file, so the file alone holds everything. Call it right
    // before the user database is handed to anything else (a backup, a
    // restore). The next call opens the databases again. The paths are not
    // read.
    virtual void CerrarConexiones() = 0;
};

}  // namespace quelvodat
