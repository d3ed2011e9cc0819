#include "printing/cimprgrabar.h"

#include <QList>
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "declarations/cdeclaracion.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "printing/campos_registro.h"
#include "printing/cselfichero.h"
#include "printing/titulos.h"
#include "printing/totales.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvodat/cDeclarado.h"
#include "quelvodat/cExportacion.h"
#include "quelvodat/cImportacion.h"
#include "quelvort/convert.h"
#include "quelvort/cp1252.h"
#include "quelvort/error.h"
#include "quelvort/textfile.h"
#include "services/catalogo.h"
#include "services/claves.h"
#include "services/globales.h"
#include "services/hallazgos.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/servidor.h"
#include "services/valores.h"

namespace quelvo {

namespace {

// The run's period and periodicity are bytes: a value that does not fit
// raises overflow, as assigning it to a byte did.
int32_t Byte(int32_t v) {
    if (v < 0 || v > 255) throw rt::Error::Runtime(rt::err::Overflow);
    return v;
}

// The run's codes as decimal numbers joined by commas: 12,7,31.
std::string CodigosSeparadosPorComas(const rt::Variant& codigos) {
    std::string texto;
    for (int32_t i = rt::LBound(codigos); i <= rt::UBound(codigos); ++i) {
        if (!texto.empty()) texto += ',';
        texto += std::to_string(rt::CLng(codigos(i)));
    }
    return texto;
}

// True when the run names at least one declarant and every element is a
// declarant code.
bool HayDeclarantes(const rt::Variant& codigos) {
    if (!codigos.isArray() || codigos.array().dimensions() != 1 || codigos.array().size() == 0)
        return false;
    for (int32_t i = rt::LBound(codigos); i <= rt::UBound(codigos); ++i)
        if (!rt::IsNumeric(codigos(i)) || codigos(i).isEmpty() || rt::CLng(codigos(i)) <= 0)
            return false;
    return true;
}

// The first character of the record that Windows-1252 cannot hold, with its
// position (1-based, in characters); position 0 when there is none.
std::pair<QString, int> CaracterNoAdmitido(const std::string& registro) {
    if (rt::CanEncodeCp1252(registro)) return {{}, 0};
    const QList<uint> puntos = QString::fromStdString(registro).toUcs4();
    for (qsizetype i = 0; i < puntos.size(); ++i) {
        const char32_t punto = puntos[i];
        const QString caracter = QString::fromUcs4(&punto, 1);
        if (!rt::CanEncodeCp1252(caracter.toStdString()))
            return {caracter, static_cast<int>(i) + 1};
    }
    // Not valid text at all: name the record as a whole.
    return {QStringLiteral("?"), 1};
}

// Who a record belongs to, as the refusal names it.
QString Titular(char tipo, int32_t codigo, int32_t declarado) {
    if (tipo == '0') return lngIdioma == 0 ? QStringLiteral("del presentador") : QStringLiteral("aurkezlearen");
    cDeclarante declarante;
    declarante.CargarDeclarante(codigo);
    const QString quien = declarante.NIF().trimmed() + " " + declarante.Nombre().trimmed();
    if (tipo == '1')
        return lngIdioma == 0 ? "del declarante " + quien : quien + " aitortzailearen";
    return lngIdioma == 0
               ? QString("del declarado %1 del declarante %2").arg(declarado).arg(quien)
               : QString("%1 aitortzailearen %2. aitortuaren").arg(quien).arg(declarado);
}

// Tells the user, in their language, why the file was not written; the run
// stops there.
[[nodiscard]] bool NoGrabado(const QString& castellano, const QString& euskera) {
    interaccion().Avisar(lngIdioma == 0 ? castellano : euskera, Cat(173));
    return false;
}

// Refuses a record with a character the file's code page cannot hold: a
// fixed-width record never gets a "?" or a shifted field in its place.
[[nodiscard]] bool RegistroAdmitido(const std::string& registro, int32_t codigo,
                                    int32_t declarado) {
    const auto [caracter, posicion] = CaracterNoAdmitido(registro);
    if (posicion == 0) return true;
    const char tipo = registro.empty() ? '?' : registro.front();
    QString campo = CampoDeRegistro(registro, posicion);
    if (campo.isEmpty())
        campo = lngIdioma == 0 ? QString("posición %1").arg(posicion)
                               : QString("%1. posizioa").arg(posicion);
    const QString quien = Titular(tipo, codigo, declarado);
    return NoGrabado(QString("No se ha grabado el fichero: el carácter «%1» del campo «%2» %3 no se "
                             "puede escribir en el juego de caracteres del fichero (Windows-1252). "
                             "Corrija el dato y vuelva a grabar.")
                         .arg(caracter, campo, quien),
                     QString("Ez da fitxategia grabatu: %3 «%2» eremuko «%1» karakterea ezin da "
                             "fitxategiaren karaktere-jokoan (Windows-1252) idatzi. Zuzendu datua eta "
                             "grabatu berriro.")
                         .arg(caracter, campo, quien));
}

// Refuses a declarant whose declaration sums more than an amount field of
// the file holds: the record would not be written whole.
[[nodiscard]] bool TotalAdmitido(const cImprGrabar& run, int32_t codigo) {
    const int32_t declaracion = objDeclaracion().ObtenerDeclaracion(
        codigo, run.Ejercicio(), static_cast<uint8_t>(run.Periodo()),
        static_cast<uint8_t>(run.Periodicidad()));
    const rt::Variant totales =
        CrearServidor<quelvodat::_cDeclaraciones>("Quelvodat.cDeclaraciones")
            ->ObtenerTotalDeclarados(declaracion, rt::CInt(rt::Variant(run.Ejercicio())));
    const TotalesDeclaracion t = SumarTotales(totales, run.Ejercicio(), run.Moneda());
    const double total = std::max(t.importePrimera, t.importeSegunda);
    if (total <= kImporteMaximoFichero) return true;
    const QString quien = Titular('1', codigo, 0);
    const QString suma = FormatoImporte(total);
    const QString maximo = FormatoImporte(kImporteMaximoFichero);
    return NoGrabado(QString("No se ha grabado el fichero: las bases imponibles %1 suman %2, más de "
                             "lo que admite el fichero (%3). Corrija los importes y vuelva a grabar.")
                         .arg(quien, suma, maximo),
                     QString("Ez da fitxategia grabatu: %1 oinarri ezargarriak %2 dira guztira, "
                             "fitxategiak onartzen duena (%3) baino gehiago. Zuzendu zenbatekoak eta "
                             "grabatu berriro.")
                         .arg(quien, suma, maximo));
}

}  // namespace

void cImprGrabar::Periodo(int32_t v) { Periodo_ = Byte(v); }
void cImprGrabar::Periodicidad(int32_t v) { Periodicidad_ = Byte(v); }

rt::Variant cImprGrabar::ObtenerDeclarantes(int32_t lngEjercicio, uint8_t btePeriodo,
                                            const QString& strMoneda) {
    try {
        return CrearServidor<quelvodat::_cImportacion>("Quelvodat.cImportacion")
            ->ObtenerDeclarantes(lngEjercicio, btePeriodo, strMoneda.toStdString());
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cImprGrabar.ObtenerDeclarantes");
    }
}

void cImprGrabar::TotalDeclarados() {
    auto servidor = CrearServidor<quelvodat::_cExportacion>("Quelvodat.cExportacion");
    NoTotalDeclarados_ = servidor->TotalDeclarados(Ejercicio_, static_cast<uint8_t>(Periodo_),
                                                   CodigosSeparadosPorComas(vBufferDeclarantes_));
}

bool cImprGrabar::validarGrabacion() {
    Hallazgos hallazgos;
    auto declarado = CrearServidor<quelvodat::_cDeclarado>("Quelvodat.cDeclarado");
    const rt::Variant codigos = vBufferDeclarantes_;
    for (int32_t i = rt::LBound(codigos); i <= rt::UBound(codigos); ++i) {
        CodDecla_ = objDeclaracion().ObtenerDeclaracion(
            rt::CLng(codigos(i)), Ejercicio_, static_cast<uint8_t>(Periodo_),
            static_cast<uint8_t>(Periodicidad_));
        if (declarado->comprobarBaseImpNegativas(CodDecla_)) {
            hallazgos.Anadir(1, 64);
            break;
        }
    }
    if (hallazgos.Vacia()) return true;
    interaccion().CompletarProgreso();
    interaccion().MostrarErrores(hallazgos.Matriz());
    return false;
}

bool cImprGrabar::GrabarDeclaraciones() {
    // Every refusal comes before the file is touched.
    const rt::Variant codigos = vBufferDeclarantes_;
    if (!HayDeclarantes(codigos)) {
        interaccion().Avisar(TextoSinDeclarantes(), kTituloErrorIntroduccion);
        return false;
    }
    const bool colectiva = IndCol_ == 1;
    rt::Variant vPresentador;
    if (colectiva) {
        // The run's own presenter: the program's stays as the user left it.
        cPresentador presentador;
        presentador.CargarPresentador();
        if (presentador.CODPRES() <= 0) {
            interaccion().Avisar(Cat(217), "Quelvo");
            return false;
        }
        vPresentador = presentador.CargarPresParaExport();
    }
    if (!validarGrabacion()) return false;
    const QString ruta = objSelFichero().RutaFichero();

    auto servidor = CrearServidor<quelvodat::_cExportacion>("Quelvodat.cExportacion");
    servidor->Ejercicio(Ejercicio_);
    servidor->Moneda(Moneda_.toStdString());
    servidor->Periodo(static_cast<uint8_t>(Periodo_));
    servidor->Periodicidad(static_cast<uint8_t>(Periodicidad_));

    // The records are gathered first, so the presenter's record can carry
    // the number of entry records the file really holds.
    std::vector<std::string> lineas;
    if (colectiva) lineas.emplace_back();
    int64_t registros2 = 0;
    const int32_t ultimo = rt::UBound(codigos);
    for (int32_t i = rt::LBound(codigos); i <= ultimo; ++i) {
        const int32_t codigo = rt::CLng(codigos(i));
        servidor->NoTotalDeclarados(0);
        if (!TotalAdmitido(*this, codigo)) return false;
        std::string registro1 = servidor->ExportarReg1(codigos, i);
        if (!RegistroAdmitido(registro1, codigo, 0)) return false;
        lineas.push_back(std::move(registro1));
        const rt::Variant registros = servidor->ExportarReg2(codigos, i);
        int32_t escritos = 0;
        if (registros.isArray()) {
            for (int32_t j = 1; j <= rt::UBound(registros); ++j) {
                std::string registro2 = rt::CStr(registros(j));
                if (!RegistroAdmitido(registro2, codigo, j)) return false;
                lineas.push_back(std::move(registro2));
                ++escritos;
            }
        }
        registros2 += escritos;
        NoTotalDeclarados_ = escritos;
        if (interaccion().AvanzarProgreso(escritos)) return false;
    }
    if (colectiva) {
        if (registros2 > INT32_MAX) throw rt::Error::Runtime(rt::err::Overflow);
        lineas.front() = servidor->ExportarReg0(vPresentador, ultimo - rt::LBound(codigos) + 1,
                                                static_cast<int32_t>(registros2), Ejercicio_);
        if (!RegistroAdmitido(lineas.front(), 0, 0)) return false;
    }
    // Written aside and put in place whole: a failure leaves the old file.
    rt::WriteAllLines(ruta.toStdString(), lineas);
    return true;
}

void cImprGrabar::ExportarDte() {
    auto servidor = CrearServidor<quelvodat::_cExportacion>("Quelvodat.cExportacion");
    QString causa;
    try {
        if (servidor->ExportarDtes(objSelFichero().RutaFichero().toStdString(),
                                   vBufferDeclarantes_))
            return;
    } catch (const rt::Error& e) {
        causa = QString::fromStdString(e.Description);
    }
    interaccion().Avisar(Cat(306) + " " + causa, Cat(308));
}

void cImprGrabar::InicializarDatos() {
    Ejercicio_ = 0;
    Moneda_.clear();
    Periodo_ = 5;
}

}  // namespace quelvo
