#include "printing/imprimir.h"

#include "declarations/cdeclaracion.h"
#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "printing/borrador_declarados.h"
#include "printing/cimprgrabar.h"
#include "printing/destino_impresion.h"
#include "printing/etiqueta_soporte.h"
#include "printing/formato.h"
#include "printing/hoja_resumen.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/cgeneral.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "windows/frmBarraDeProgreso_794.h"

namespace quelvo {

namespace {

// The name of an output's PDF when no printer is configured: the document,
// then whose it is, of which exercise and period, so that runs of different
// declarants, exercises or periods never meet:
// 794_Interesado_12345678Z_2011_2T. A collective run goes under its
// presenter: 794_Interesado_Colectiva_B01234567_2011_2T.
QString NombreDocumento(const QString& documento, bool colectiva, const QString& nif, int32_t ejercicio,
                        int32_t periodo, int32_t periodicidad) {
    // Only letters and digits of the NIF: whatever is stored, the name stays
    // one plain file in the work folder.
    QString nifFichero;
    for (const QChar c : nif)
        if (c.isDigit() || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) nifFichero += c;
    QStringList partes{QStringLiteral("794"), documento};
    if (colectiva) partes << QStringLiteral("Colectiva");
    partes << nifFichero << QString::number(ejercicio)
           << CodigoPeriodo(static_cast<uint8_t>(periodo), static_cast<uint8_t>(periodicidad));
    partes.removeAll(QString());
    return partes.join('_');
}

QString NombreDocumento(const cImprGrabar& run, const QString& nif) {
    QString documento;
    switch (run.Impreso()) {
        case 0: documento = QStringLiteral("Etiqueta"); break;
        case 1: documento = QStringLiteral("Borrador"); break;
        case 2: documento = QStringLiteral("Interesado"); break;
        case 3: documento = QStringLiteral("Administracion"); break;
        default: documento = QStringLiteral("Impreso"); break;
    }
    return NombreDocumento(documento, run.IndCol() == 1, nif, run.Ejercicio(), run.Periodo(), run.Periodicidad());
}

PersonaImpresa Persona(const cDatosPersona& d) {
    PersonaImpresa p;
    p.nif = d.NIF();
    p.nombre = d.Nombre();
    p.siglas = d.Siglas();
    p.domicilio = d.domicilio();
    p.numero = d.numero();
    p.letra = d.letra();
    p.escal = d.Escal();
    p.piso = d.piso();
    p.mano = d.mano();
    p.municipio = d.municipio();
    p.codProvin = d.CodProvin();
    p.cpost = d.CPost();
    p.telefono = d.Telefono();
    // The reference table keys provinces by their two-digit code.
    p.provincia = objGeneral().ObtenerProvincia(Formato(d.CodProvin(), "00"));
    return p;
}

PersonaImpresa Persona(const cDeclarante& d) {
    PersonaImpresa p = Persona(static_cast<const cDatosPersona&>(d));
    p.contacto = d.NombrePd();
    p.telefonoContacto = d.TelefonoPd();
    return p;
}

PersonaImpresa Persona(const cPresentador& d) {
    PersonaImpresa p = Persona(static_cast<const cDatosPersona&>(d));
    p.contacto = d.NombreP();
    p.telefonoContacto = d.TelefonoP();
    return p;
}

int32_t Codigo(const rt::Variant& codigos, int32_t i) { return rt::CLng(codigos(i)); }

// The key of that declarant's declaration of the run's exercise and period.
int32_t DeclaracionDe(const cImprGrabar& run, const cDeclarante& declarante, cDeclaracion& declaracion) {
    return declaracion.ObtenerDeclaracion(declarante.CODDEC(), run.Ejercicio(),
                                          static_cast<uint8_t>(run.Periodo()),
                                          static_cast<uint8_t>(run.Periodicidad()));
}

// The run's type-2 records: the entries of each declarant's declaration of
// the run's exercise, period and periodicity.
int32_t RegistrosDelRun(const cImprGrabar& run) {
    const rt::Variant codigos = run.vBufferDeclarantes();
    int32_t total = 0;
    cDeclarante declarante;
    cDeclaracion totales;
    for (int32_t i = 0; i <= rt::UBound(codigos); ++i) {
        declarante.CargarDeclarante(Codigo(codigos, i));
        const int32_t declaracion = DeclaracionDe(run, declarante, totales);
        if (declaracion == 0) continue;
        totales.ObtenerTotalDeclarados(declaracion, run.Ejercicio());
        total += totales.NoTotalDeclarados().toInt();
    }
    return total;
}

void ImprimirEtiquetas(const cImprGrabar& run, const PersonaImpresa& presentador) {
    const rt::Variant codigos = run.vBufferDeclarantes();
    EtiquetaSoporte e;
    e.indCol = run.IndCol();
    e.ejercicio = run.Ejercicio();
    e.periodo = DescripcionPeriodo(static_cast<int16_t>(run.Periodo()),
                                   static_cast<int16_t>(run.Periodicidad()));
    e.numeroDeclarantes = rt::UBound(codigos) + 1;
    e.numeroRegistros = RegistrosDelRun(run);
    e.moneda = run.Moneda();
    if (run.IndCol() == 1) {
        e.persona = presentador;
    } else {
        cDeclarante declarante;
        declarante.CargarDeclarante(Codigo(codigos, 0));
        e.persona = Persona(declarante);
    }
    DocumentoImpreso documento(NombreDocumento(run, e.persona.nif));
    ImprimirEtiquetas(documento.lienzo(), e);
    documento.Terminar();
}

}  // namespace

void ImprimirModelo() {
    cImprGrabar& run = objImprGrabar();
    // The presenter is read once for the run, into a copy of our own.
    cPresentador leido;
    leido.CargarPresentador();
    const PersonaImpresa presentador = Persona(leido);

    if (run.Impreso() == 0) {
        ImprimirEtiquetas(run, presentador);
        return;
    }

    const rt::Variant codigos = run.vBufferDeclarantes();
    const bool colectiva = run.IndCol() == 1;
    HojaResumen hoja;
    hoja.ejercicio = run.Ejercicio();
    hoja.periodo = static_cast<uint8_t>(run.Periodo());
    hoja.periodicidad = static_cast<uint8_t>(run.Periodicidad());
    hoja.indCol = run.IndCol();
    hoja.impreso = run.Impreso();
    hoja.moneda = run.Moneda();
    hoja.fechaPresentacion = run.FechaPresentacion();
    hoja.presentador = presentador;

    // Objects of the run's own: the program's current declarant and
    // declaration stay as the user left them.
    cDeclarante declarante;
    cDeclaracion totales;
    if (!colectiva) declarante.CargarDeclarante(Codigo(codigos, 0));
    DocumentoImpreso documento(NombreDocumento(run, colectiva ? presentador.nif : declarante.NIF()));
    Lienzo& lienzo = documento.lienzo();
    if (colectiva) run.NoTotalDeclarados(0);
    const int32_t ultimo = colectiva ? rt::UBound(codigos) : 0;
    bool parado = false;
    for (int32_t i = 0; i <= ultimo && !parado; ++i) {
        declarante.CargarDeclarante(Codigo(codigos, i));
        const int32_t declaracion = DeclaracionDe(run, declarante, totales);
        run.CodDecla(declaracion);
        totales.ObtenerTotalDeclarados(declaracion, run.Ejercicio());
        if (AvanzarProgreso(totales.NoTotalDeclarados().toInt())) {
            parado = true;
            break;
        }
        run.Persona(0);
        hoja.persona = 0;
        hoja.identificado = Persona(declarante);
        hoja.totales = totales.BufferTotalDeclarados();
        hoja.bimensual = declaracion == 0 ? QString() : totales.ObtenerBimensualidad(declaracion);
        const int32_t contados = ImprimirHoja(lienzo, hoja);
        run.NoTotalDeclarados(run.NoTotalDeclarados() + contados);
    }
    if (colectiva && !parado) {
        run.Persona(1);
        hoja.persona = 1;
        hoja.identificado = presentador;
        hoja.totales = rt::Variant::Null();
        hoja.bimensual.clear();
        hoja.numeroDeclarantes = rt::UBound(codigos) + 1;
        hoja.totalDeclarados = run.NoTotalDeclarados();
        ImprimirHoja(lienzo, hoja);
    }
    documento.Terminar();
}

void ImprimirBorradorDeclarados() {
    const cImprGrabar& run = objImprGrabar();
    const int32_t declaracion = run.CodDecla();

    BorradorDeclarados b;
    b.nombre = objDeclarante().Nombre();
    b.nif = objDeclarante().NIF();
    b.ejercicio = run.Ejercicio();
    b.moneda = run.Moneda();
    // The period of the very declaration asked for, from the declarant's list.
    cListaDeclaraciones& lista = objListaDeclaraciones();
    const auto buscar = [&]() -> int32_t {
        const rt::Variant& filas = lista.BufferDeclaraciones();
        if (!filas.isArray()) return 0;
        for (int32_t i = 1; i <= rt::UBound(filas, 2); ++i)
            if (rt::CLng(filas(0, i)) == declaracion) return i;
        return 0;
    };
    int32_t fila = buscar();
    if (fila == 0) {
        lista.RellenarDeclaraciones();
        fila = buscar();
    }
    if (fila == 0)
        throw rt::Error(rt::err::InvalidArgument, "Quelvo",
                        "La declaración " + std::to_string(declaracion) +
                            " no pertenece al declarante actual.");
    const rt::Variant& filas = lista.BufferDeclaraciones();
    b.periodo = DescripcionPeriodo(rt::CInt(filas(2, fila)), rt::CInt(filas(4, fila)));
    const QString nombre = NombreDocumento(QStringLiteral("BorradorDeclarados"), false, b.nif, b.ejercicio,
                                           rt::CInt(filas(2, fila)), rt::CInt(filas(4, fila)));

    cDeclarado& declarados = objDeclarado();
    declarados.ObtenerTodosLosDecl(declaracion);
    b.declarados = declarados.BufferTodosLosDecl();
    if (!b.declarados.isArray()) return;
    cDeclaracion& totales = objDeclaracion();
    totales.ObtenerTotalDeclarados(declaracion, run.Ejercicio());
    b.totales = totales.BufferTotalDeclarados();

    DocumentoImpreso documento(nombre);
    ImprimirBorradorDeclarados(documento.lienzo(), b);
    documento.Terminar();
}

}  // namespace quelvo
