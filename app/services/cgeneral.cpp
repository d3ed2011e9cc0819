#include "services/cgeneral.h"

#include <QAction>
#include <QTreeWidget>

#include "declarations/cdeclaracion.h"
#include "parties/cdeclarante.h"
#include "program/mdi794.h"
#include "program/menus.h"
#include "quelvodat/cDatosGenerales.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "services/servidor.h"

namespace quelvo {

namespace {

std::shared_ptr<quelvodat::_cDatosGenerales> datosGenerales() {
    return CrearServidor<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales");
}

QString texto(const std::string& s) { return QString::fromStdString(s); }

void ponerOffset(const QString& codigo) { lngIdioma = codigo == "E" ? kOffsetEuskera : 0; }

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
    MDI794* mdi = MDI794::Instancia();
    if (!mdi) return;
    auto menu = [mdi](const char* nombre) { return mdi->Menu(nombre); };
    const char* recientes[] = {"mnuD1", "mnuD2", "mnuD3", "mnuD4"};
    for (const char* nombre : recientes) menu(nombre)->setVisible(false);
    menu("mnuSep3")->setVisible(false);

    objDeclarante().ObtenerUltimosDeclarantes();
    const rt::Variant& vBufferUltimos = objDeclarante().vBufferUltimos();

    if (lngNumDeclarantes < 1) {
        mdi->Boton(2)->setEnabled(false);
        mdi->Boton(3)->setEnabled(false);
        for (const char* nombre :
             {"mnuAbrDec", "mnuEliDec", "mnuGraImpOfi", "mnuExpDec", "mnuTelGes", "mnuImpDe"})
            menu(nombre)->setEnabled(false);
        return;
    }
    bool sinDeclaraciones = objDeclaracion().MaxEjerPer(false, 0).isNull();
    for (const char* nombre : {"mnuGraImpOfi", "mnuTelGes", "mnuImpDe"})
        menu(nombre)->setEnabled(!sinDeclaraciones);

    int32_t llenar = std::min<int32_t>(lngNumDeclarantes, 4);
    // The count and the list are read one after the other; fill no more
    // entries than the list has rows.
    if (vBufferUltimos.isArray()) llenar = std::min(llenar, rt::UBound(vBufferUltimos, 2));
    else llenar = 0;
    for (int32_t k = 1; k <= llenar; ++k) {
        QAction* entrada = menu(recientes[k - 1]);
        entrada->setData(texto(rt::CStr(vBufferUltimos(0, k))));
        // Doubled, an "&" of a name is shown as typed, not taken for a shortcut mark.
        QString rotulo = texto(rt::CStr(vBufferUltimos(1, k))) + " - " + texto(rt::CStr(vBufferUltimos(2, k)));
        entrada->setText(rotulo.replace(QLatin1Char('&'), QStringLiteral("&&")));
        entrada->setVisible(true);
    }
    if (llenar > 0) menu("mnuSep3")->setVisible(true);
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
