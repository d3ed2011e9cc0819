#include "exchange/cimportacion.h"

#include "exchange/registro_importacion.h"
#include "parties/cdeclarante.h"
#include "quelvodat/cImportacion.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "services/catalogo.h"
#include "services/interaccion.h"
#include "services/mensajes.h"
#include "services/objetos.h"
#include "services/servidor.h"
#include "services/texto_valor.h"

namespace quelvo {

namespace {

std::shared_ptr<quelvodat::_cImportacion> servidor() {
    return CrearServidor<quelvodat::_cImportacion>("Quelvodat.cImportacion");
}

// The NIF of a checked line: a flat buffer (an existing declarant) holds it
// at 1, the labelled buffer of a refused line at (1, 0).
std::string NifDe(const rt::Variant& valores) {
    if (!valores.isArray()) return {};
    if (valores.array().dimensions() == 2) return rt::CStr(valores(1, 0));
    return rt::CStr(valores(1));
}

// The values of a declarant line as the declarant's load record: the line
// carries the whole postal code where the record holds its last three digits,
// and a blank number (a telephone left empty) is a zero.
rt::Variant RegistroDeCarga(rt::Variant valores) {
    valores(11) = rt::Right(rt::CStr(valores(11)), 3);
    for (int32_t i : {5, 10, 11, 14, 15})
        if (rt::Trim(rt::CStr(valores(i))).empty()) valores(i) = 0;
    return valores;
}

}  // namespace

void cImportacion::IniciarImportacion() {
    ResultImp_ = kImpImportado;
    ImpAct_ = kLineaPresentador;
    CodDecla_ = 0;
    Periodo_ = 0;
    Periodicidad_ = 0;
    Ejercicio_ = 0;
    RecDeclaracion_ = false;
    Convertir_ = false;
    Estatal_ = false;
    respuestaAviso_ = 0;
    servidor()->IniciarImportacion();
}

void cImportacion::TerminarImportacion() { servidor()->TerminarImportacion(); }

std::string cImportacion::ConvertirLinea(const std::string& linea) {
    const std::string tipo = rt::Left(linea, 1);
    return tipo == "1" || tipo == "2" ? tipo : std::string();
}

void cImportacion::ConfigurarServidor(quelvodat::_cImportacion& s) const {
    s.EjercicioMax(kEjercicioMaxImportacion);
    s.EjercicioMin(kEjercicioMinImportacion);
    s.declaracion(std::to_string(CodDecla_));
    s.Resultado(static_cast<uint8_t>(ResultImp_));
    s.Convertir(Convertir_);
    s.RechazarDeclaracion(RecDeclaracion_);
    s.Periodo(static_cast<uint8_t>(Periodo_));
    s.Periodicidad(static_cast<uint8_t>(Periodicidad_));
}

void cImportacion::CopiarEstado(const quelvodat::_cImportacion& s) {
    ResultImp_ = s.Resultado();
    CodDecla_ = rt::CLng(s.declaracion());
    Periodo_ = s.Periodo();
    Periodicidad_ = s.Periodicidad();
    Convertir_ = s.Convertir();
    RecDeclaracion_ = s.RechazarDeclaracion();
    const int32_t sujeto = s.Sujeto();
    if (sujeto == kLineaPresentador || sujeto == kLineaDeclarante || sujeto == kLineaDeclarado ||
        sujeto == kLineaDesconocida)
        ImpAct_ = sujeto;
}

bool cImportacion::Sobreescribir(const std::string& nif) {
    if (!blnMostrarAviso) return respuestaAviso_ == kImpSustituido;
    // The user may take their time: the run's lines so far are not kept waiting.
    servidor()->ConfirmarImportacion();
    const bool si = interaccion().Preguntar(
        ConPregunta(ConValor(Cat(286), QString::fromStdString(nif)), Cat(310)), Cat(311));
    respuestaAviso_ = si ? kImpSustituido : kImpIgnorado;
    return si;
}

void cImportacion::ImportarDtes(std::string& linea, RegistroImportacion& registro,
                                int32_t numero) {
    rt::Variant valores;
    rt::Variant errores;
    ResultImp_ = servidor()->importDte(linea, valores, errores);
    switch (ResultImp_) {
        case kImpErroneo:
            EscribirErroresImportacion(
                errores, registro, numero,
                "** DECLARANTE - " + QString::fromStdString(NifDe(valores)) + " ** :");
            break;
        case kImpCaracteres:
            EscribirErroresImportacion(errores, registro, numero, ":");
            break;
        case kImpSustituido:
            if (Sobreescribir(NifDe(valores))) {
                cDeclarante& declarante = objDeclarante();
                declarante.CargarDeclarante(RegistroDeCarga(valores));
                declarante.Modo(1);
                declarante.GuardarDeclarante();
            } else {
                ResultImp_ = kImpIgnorado;
            }
            break;
        default:
            break;
    }
}

void cImportacion::importSoporte(std::string& linea, RegistroImportacion& registro,
                                 int32_t numero) {
    auto s = servidor();
    ConfigurarServidor(*s);
    rt::Variant errores;
    s->importSpte(linea, errores, Estatal_);
    CopiarEstado(*s);
    if (ResultImp_ == kImpErroneo || ResultImp_ == kImpDeclaracionRechazada ||
        ResultImp_ == kImpCaracteres)
        EscribirErroresImportacion(errores, registro, numero, QString());
}

void cImportacion::importDeclarado(std::string& linea, RegistroImportacion& registro,
                                   int32_t numero) {
    auto s = servidor();
    ConfigurarServidor(*s);
    rt::Variant errores;
    s->importDeclarado(linea, errores, Estatal_, CodDecla_, Ejercicio_);
    CopiarEstado(*s);
    if (ResultImp_ == kImpErroneo || ResultImp_ == kImpDeclaracionRechazada ||
        ResultImp_ == kImpCaracteres)
        EscribirErroresImportacion(errores, registro, numero, QString());
}

}  // namespace quelvo
