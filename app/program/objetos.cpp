#include "services/objetos.h"

#include <memory>

#include "declarations/cdeclaracion.h"
#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "exchange/cimportacion.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "services/cactonline.h"
#include "services/cgeneral.h"

namespace quelvo {

namespace {

struct Objetos {
    std::unique_ptr<cGeneral> general;
    std::unique_ptr<cActOnline> actOnline;
    std::unique_ptr<cDeclarante> declarante;
    std::unique_ptr<cPresentador> presentador;
    std::unique_ptr<cListaDeclaraciones> listaDeclaraciones;
    std::unique_ptr<cDeclaracion> declaracion;
    std::unique_ptr<cDeclarado> declarado;
    std::unique_ptr<cImprGrabar> imprGrabar;
    std::unique_ptr<cSelFichero> selFichero;
    std::unique_ptr<cImportacion> importacion;
};

Objetos& objetos() {
    static Objetos todos;
    return todos;
}

template <typename T>
T& unico(std::unique_ptr<T>& p) {
    if (!p) p = std::make_unique<T>();
    return *p;
}

}  // namespace

cGeneral& objGeneral() { return unico(objetos().general); }
cActOnline& objActOnline() { return unico(objetos().actOnline); }
cDeclarante& objDeclarante() { return unico(objetos().declarante); }
cPresentador& objPresentador() { return unico(objetos().presentador); }
cListaDeclaraciones& objListaDeclaraciones() { return unico(objetos().listaDeclaraciones); }
cDeclaracion& objDeclaracion() { return unico(objetos().declaracion); }
cDeclarado& objDeclarado() { return unico(objetos().declarado); }
cImprGrabar& objImprGrabar() { return unico(objetos().imprGrabar); }
cSelFichero& objSelFichero() { return unico(objetos().selFichero); }
cImportacion& objImportacion() { return unico(objetos().importacion); }

void LiberarObjetos() { objetos() = Objetos{}; }

}  // namespace quelvo
