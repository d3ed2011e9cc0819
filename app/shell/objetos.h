#pragma once
// The program-wide single objects, each created on first use and kept until
// the program ends.

namespace quelvo {

class cGeneral;
class cActOnline;
class cDeclarante;
class cPresentador;
class cListaDeclaraciones;
class cDeclaracion;
class cDeclarado;
class cImportacion;

cGeneral& objGeneral();
cActOnline& objActOnline();
cDeclarante& objDeclarante();
cPresentador& objPresentador();
cListaDeclaraciones& objListaDeclaraciones();
cDeclaracion& objDeclaracion();
cDeclarado& objDeclarado();
cImportacion& objImportacion();

// Drops every single object, so the next use creates it afresh (tests).
void LiberarObjetos();

}  // namespace quelvo
