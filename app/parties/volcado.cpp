#include "parties/volcado.h"

#include <QVariant>
#include <QWidget>
#include <functional>
#include <string>

#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"
#include "services/etiqueta.h"
#include "services/objetos.h"
#include "services/valores.h"

namespace quelvo {

namespace {

// One row of the tag table: the field's old value as the copy returns it,
// and the write, false when the text does not fit the field.
template <typename Objeto>
struct Campo {
    const char* tag;
    std::function<rt::Variant(const Objeto&)> leer;
    std::function<bool(Objeto&, const std::string&)> escribir;
};

template <typename Objeto>
Campo<Objeto> texto(const char* tag, const QString& (Objeto::*leer)() const,
                    void (Objeto::*escribir)(const QString&)) {
    return {tag,
            [leer](const Objeto& o) { return rt::Variant((o.*leer)().toStdString()); },
            [escribir](Objeto& o, const std::string& valor) {
                (o.*escribir)(QString::fromStdString(valor));
                return true;
            }};
}

template <typename Objeto, typename Entero>
Campo<Objeto> entero(const char* tag, Entero (Objeto::*leer)() const, void (Objeto::*escribir)(Entero)) {
    return {tag,
            [leer](const Objeto& o) {
                rt::Variant valor((o.*leer)());
                return CB(valor);
            },
            [escribir](Objeto& o, const std::string& valor) {
                try {
                    rt::Variant numero(BC(rt::Variant(valor)));
                    if constexpr (sizeof(Entero) == 2) (o.*escribir)(rt::CInt(numero));
                    else (o.*escribir)(rt::CLng(numero));
                    return true;
                } catch (const rt::Error&) {
                    // Pasted text that is no number, or too large: the field
                    // keeps its value.
                    return false;
                }
            }};
}

const std::vector<Campo<cDeclarante>>& camposDeclarante() {
    using D = cDeclarante;
    static const std::vector<Campo<D>> campos = {
        texto<D>("NOMBRE", &D::Nombre, &D::Nombre),
        texto<D>("NIF", &D::NIF, &D::NIF),
        texto<D>("SIGLAS", &D::Siglas, &D::Siglas),
        texto<D>("DOMICILIO", &D::domicilio, &D::domicilio),
        entero<D, int32_t>("NUMERO", &D::numero, &D::numero),
        texto<D>("LETRA", &D::letra, &D::letra),
        texto<D>("ESCALE", &D::Escal, &D::Escal),
        texto<D>("PISO", &D::piso, &D::piso),
        texto<D>("MANO", &D::mano, &D::mano),
        entero<D, int16_t>("PROVIN", &D::CodProvin, &D::CodProvin),
        texto<D>("MUNICI", &D::municipio, &D::municipio),
        entero<D, int32_t>("CODPOS", &D::CPost, &D::CPost),
        entero<D, int32_t>("TELEFO", &D::Telefono, &D::Telefono),
        texto<D>("NOMPDC", &D::NombrePd, &D::NombrePd),
        entero<D, int32_t>("TELPDC", &D::TelefonoPd, &D::TelefonoPd),
    };
    return campos;
}

const std::vector<Campo<cPresentador>>& camposPresentador() {
    using P = cPresentador;
    static const std::vector<Campo<P>> campos = {
        texto<P>("NOMBRE", &P::Nombre, &P::Nombre),
        texto<P>("NIF", &P::NIF, &P::NIF),
        texto<P>("SIGLAS", &P::Siglas, &P::Siglas),
        texto<P>("DOMICILIO", &P::domicilio, &P::domicilio),
        entero<P, int32_t>("NUMERO", &P::numero, &P::numero),
        texto<P>("LETRA", &P::letra, &P::letra),
        texto<P>("ESCALE", &P::Escal, &P::Escal),
        texto<P>("PISO", &P::piso, &P::piso),
        texto<P>("MANO", &P::mano, &P::mano),
        entero<P, int16_t>("PROVIN", &P::CodProvin, &P::CodProvin),
        texto<P>("MUNICI", &P::municipio, &P::municipio),
        entero<P, int32_t>("CODPOS", &P::CPost, &P::CPost),
        entero<P, int32_t>("TELEFO", &P::Telefono, &P::Telefono),
        texto<P>("NOMPC", &P::NombreP, &P::NombreP),
        entero<P, int32_t>("TELPC", &P::TelefonoP, &P::TelefonoP),
    };
    return campos;
}

struct Asignacion {
    rt::Variant anterior;
    bool cabe = true;
};

template <typename Objeto>
Asignacion asignar(Objeto& objeto, const std::vector<Campo<Objeto>>& campos,
                   const std::string& tag, const std::string& valor) {
    for (const auto& campo : campos) {
        if (tag != campo.tag) continue;
        Asignacion a{campo.leer(objeto)};
        a.cabe = campo.escribir(objeto, valor);
        return a;
    }
    // A tag the object has no field for compares as unchanged.
    return {rt::Variant(valor)};
}

Asignacion AsignarCampo(int32_t tipo, const std::string& tag, const std::string& valor) {
    if (tipo == kVolcarDeclarante) return asignar(objDeclarante(), camposDeclarante(), tag, valor);
    if (tipo == kVolcarPresentador) return asignar(objPresentador(), camposPresentador(), tag, valor);
    return {};
}

void MarcarModificado(const std::string& nuevo, const std::string& anterior, int32_t tipo) {
    if (rt::UCase(rt::Trim(nuevo)) == rt::UCase(rt::Trim(anterior))) return;
    if (tipo == kVolcarPresentador) objPresentador().Modificado(true);
    else if (tipo == kVolcarDeclarante) objDeclarante().Modificado(true);
}

std::string textoDe(const QWidget* control) {
    const QVariant texto = control->property("text");
    if (!texto.isValid()) throw rt::Error::Runtime(rt::err::ObjectDoesNotSupport);
    return texto.toString().toStdString();
}

}  // namespace

std::vector<QWidget*> VolcarFormulario(int32_t tipo, QWidget* formulario) {
    std::vector<QWidget*> noCaben;
    for (QWidget* control : formulario->findChildren<QWidget*>()) {
        const QString nombre = control->objectName();
        if (!nombre.startsWith("txt") && !nombre.startsWith("cn")) continue;
        const std::string tag = rt::UCase(Tag(control).toStdString());
        const Asignacion a = AsignarCampo(tipo, tag, rt::UCase(textoDe(control)));
        if (!a.cabe) noCaben.push_back(control);
        MarcarModificado(textoDe(control), rt::CStr(a.anterior), tipo);
    }
    return noCaben;
}

}  // namespace quelvo
