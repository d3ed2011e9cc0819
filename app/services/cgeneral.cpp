#include "services/cgeneral.h"

#include <QLocale>
#include <QTreeWidget>

#include "quelvodat/cDatosGenerales.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/globales.h"
#include "services/servidor.h"
#include "services/ventana_principal.h"

namespace quelvo {

namespace {

std::shared_ptr<quelvodat::_cDatosGenerales> datosGenerales() {
    return CrearServidor<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales");
}

QString texto(const std::string& s) { return QString::fromStdString(s); }

void ponerOffset(const QString& codigo) {
    lngIdioma = codigo == "E" ? kOffsetEuskera : 0;
    // Qt's own dialogs write dates and name kinds of files in the default
    // locale, the machine's unless set.
    QLocale::setDefault(lngIdioma == kOffsetEuskera ? QLocale(QLocale::Basque, QLocale::Spain)
                                                    : QLocale(QLocale::Spanish, QLocale::Spain));
}

void mostrarLista(QTreeWidget* lsv, const rt::Variant& vDatos, bool clavePais) {
    // Null (no rows) is not a list: the old control raised a type mismatch.
    if (!vDatos.isArray()) throw rt::Error::Runtime(rt::err::TypeMismatch);
    for (int32_t i = 1; i <= rt::UBound(vDatos, 2); ++i) {
        std::string codigo = rt::CStr(vDatos(0, i));
        QString clave = (clavePais && !rt::IsNumeric(codigo)) ? texto(codigo) : "c" + texto(codigo);
        auto item = new QTreeWidgetItem(lsv, QStringList{texto(rt::CStr(vDatos(1, i)))});
        item->setData(0, kRolClave, clave);
    }
}

}  // namespace

void cGeneral::IDI(const QString& codigo) {
    strIdioma = codigo;
    ModificarIdioma(codigo);
    ponerOffset(codigo);
}

QString cGeneral::IDI() {
    ponerOffset(strIdioma);
    return strIdioma;
}

void cGeneral::InicializarContadores() {
    try {
        lngNumDeclarantes = datosGenerales()->NumeroDeclarantes();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cGeneral.InicializarContadores");
    }
}

void cGeneral::HabilitarMenu() {
    try {
        AplicarPoliticaMenus();
    } catch (...) {
        // Whoever turned the menus off must not leave the program without a
        // way out; the caller's guard reports the error.
        HabilitarMenusEsenciales();
        throw;
    }
}

void cGeneral::AplicarPoliticaMenus() {
    InicializarContadores();
    HabilitarMenus();
    if (VentanaPrincipal* principal = VentanaPrincipal::Instancia())
        principal->MenusSegunDatos(lngNumDeclarantes);
}

rt::Variant cGeneral::CargarResultado(const std::string& strSQL) {
    return datosGenerales()->CargarResultado(strSQL);
}

void cGeneral::MostrarDatosLista(QTreeWidget* lsv, const rt::Variant& vDatos) {
    mostrarLista(lsv, vDatos, false);
}

void cGeneral::MostrarDatosListaPais(QTreeWidget* lsv, const rt::Variant& vDatos) {
    mostrarLista(lsv, vDatos, true);
}

QString cGeneral::ObtenerVia(const QString& strCod) {
    return texto(datosGenerales()->ObtenerDescriVia(strCod.toStdString(), lngIdioma));
}

QString cGeneral::ObtenerProvincia(const QString& strCod) {
    return texto(datosGenerales()->ObtenerNombreProvincia(strCod.toStdString(), lngIdioma));
}

QString cGeneral::ObtenerPais(const QString& strCod) {
    return texto(datosGenerales()->ObtenerNombrePais(strCod.toStdString(), lngIdioma));
}

bool cGeneral::ValidaNifCif(const QString& Cadena, bool blnSinLetra) {
    return datosGenerales()->ValidaNifCif(Cadena.toStdString(), blnSinLetra);
}

void cGeneral::ActualizarMoneda() { datosGenerales()->ActualizarMoneda(); }

void cGeneral::LeerIdioma() { IDI(texto(datosGenerales()->ObtenerIdioma())); }

void cGeneral::ModificarIdioma(const QString& sIdioma) {
    datosGenerales()->CambiarIdioma(sIdioma.toStdString());
}

}  // namespace quelvo
