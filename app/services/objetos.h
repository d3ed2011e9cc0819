#pragma once
// The program-wide single objects, each created on first use and kept until
// the program ends. Every layer may reach them; the program, which knows
// every subsystem's class, defines them (program/objetos.cpp).

namespace quelvo {

class cGeneral;
class cActOnline;
class cDeclarante;
class cPresentador;
class cListaDeclaraciones;
class cDeclaracion;
class cDeclarado;
class cImprGrabar;
class cSelFichero;
class cImportacion;

cGeneral& objGeneral();
cActOnline& objActOnline();
cDeclarante& objDeclarante();
cPresentador& objPresentador();
cListaDeclaraciones& objListaDeclaraciones();
cDeclaracion& objDeclaracion();
cDeclarado& objDeclarado();
// The settings of the current print, record or send run.
cImprGrabar& objImprGrabar();
// The destination or source file of the current run.
cSelFichero& objSelFichero();
// The import state carried from line to line of an import file.
cImportacion& objImportacion();

// Drops every single object, so the next use creates it afresh (tests).
void LiberarObjetos();

}  // namespace quelvo
