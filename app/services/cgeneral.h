#pragma once
// The general-services object: the interface language, the declarant count,
// the main window's menu state, pick-list filling and reference lookups.
#include <QString>
#include <cstdint>
#include <string>

#include "quelvort/variant.h"

class QTreeWidget;
class QWidget;

namespace quelvo {

class cGeneral {
public:
    // The file-selector and two-list selector controls the current import,
    // export or submission dialog added to itself.
    QWidget* ctlSelFichero = nullptr;
    QWidget* ctlImpControl = nullptr;

    // Sets the language ("E" Basque, anything else Spanish), stores it in the
    // user database and sets the catalog offset and the default locale
    // (eu_ES or es_ES).
    void IDI(const QString& codigo);
    QString IDI();

    void InicializarContadores();
    // The menu policy: menus, toolbar and recent declarants from the
    // databases. When it fails, Exit, help and the preferences are turned on
    // before the error is raised.
    void HabilitarMenu();

    // Fills the list view with the pick list named by its Tag (any case):
    // SIGLAS, PROV or EJERCICIO, or one registered by a layer above
    // (listas.h), such as the declarations' PAIS, CLAVEDES, PERIODO and
    // SIGNO; any other name adds nothing.
    void InicializarListas(QTreeWidget* lsv);

    // A SELECT on the reference database: (field, row) texts, or Null.
    rt::Variant CargarResultado(const std::string& strSQL);
    // One item per row: key "c" & field 0, text field 1.
    void MostrarDatosLista(QTreeWidget* lsv, const rt::Variant& vDatos);
    // The same, but a code that is not a number is its own key.
    void MostrarDatosListaPais(QTreeWidget* lsv, const rt::Variant& vDatos);

    QString ObtenerVia(const QString& strCod);
    QString ObtenerProvincia(const QString& strCod);
    QString ObtenerPais(const QString& strCod);
    bool ValidaNifCif(const QString& Cadena, bool blnSinLetra);
    void ActualizarMoneda();
    void LeerIdioma();
    void ModificarIdioma(const QString& sIdioma);

    int32_t NumeroDeclarantes() const { return lngNumDeclarantes; }

private:
    void AplicarPoliticaMenus();

    QString strIdioma;
    int32_t lngNumDeclarantes = 0;
};

// The key of a list item added by MostrarDatosLista (stored as the item's
// data in this role).
inline constexpr int kRolClave = 0x0100 + 1;  // Qt::UserRole + 1

}  // namespace quelvo
