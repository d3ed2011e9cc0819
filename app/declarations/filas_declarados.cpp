#include "declarations/filas_declarados.h"

#include <QTreeWidget>
#include <string_view>

#include "controls/imagenes.h"
#include "declarations/descripcion_clave.h"
#include "quelvodat/cDeclarado.h"
#include "quelvort/convert.h"
#include "services/valores.h"

namespace quelvo {

namespace {

using namespace columnas_declarados;
using C = quelvodat::CampoLista;

const std::string kNada;

// The fields a column shows.
std::vector<int32_t> CamposDe(int columna) {
    switch (columna) {
    case kClave:
    case kIcono: return {C::codope};
    case kPais: return {C::paiso};
    case kNif: return {C::nifo};
    case kNombre: return {C::razon};
    case kDescripcion: return {C::claveopo, C::tipoopo};
    case kImporte: return {C::base};
    default: return {C::codope, C::paiso, C::nifo, C::razon, C::claveopo, C::base, C::tipoopo};
    }
}

// Whether `a` comes before `b` as the list orders texts (QString's compare,
// by UTF-16 unit). UTF-8 bytes order as the characters do, and so as their
// UTF-16 units, except a character beyond U+FFFF against one from U+E000:
// only there is the text converted.
bool Antes(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    size_t k = 0;
    while (k < n && a[k] == b[k]) ++k;
    if (k == n) return a.size() < b.size();
    const auto x = static_cast<unsigned char>(a[k]);
    const auto y = static_cast<unsigned char>(b[k]);
    if (x >= 0xEE && y >= 0xEE)
        return QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()))
                   .compare(QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()))) < 0;
    return x < y;
}

}  // namespace

ListadoDeclarados::ListadoDeclarados() : filas_(rt::Variant::Null()), icono_(ImagenMDI16(kImagenDeclarado)) {}

void ListadoDeclarados::Filas(const rt::Variant& filas) {
    filas_ = filas;
    cuenta_ = filas_.isArray() ? rt::UBound(filas_, 2) : 0;
    descritas_.assign(static_cast<size_t>(cuenta_) + 1, -1);
}

int32_t ListadoDeclarados::Clave(const rt::Variant& filas, int32_t i) { return rt::CLng(filas(C::codope, i)); }

int32_t ListadoDeclarados::FilaDeClave(int32_t clave) const {
    // The rows run by entry key.
    int32_t desde = 1, hasta = cuenta_;
    while (desde <= hasta) {
        const int32_t medio = desde + (hasta - desde) / 2;
        const int32_t otra = Clave(filas_, medio);
        if (otra == clave) return medio;
        if (otra < clave) desde = medio + 1;
        else hasta = medio - 1;
    }
    return 0;
}

bool ListadoDeclarados::Igual(const rt::Variant& a, int32_t i, const rt::Variant& b, int32_t j, int columna) {
    for (int32_t campo : CamposDe(columna))
        if (!(a(campo, i) == b(campo, j))) return false;
    return true;
}

const std::string& ListadoDeclarados::Campo(int32_t i, int32_t campo) const {
    const rt::Variant& v = filas_(campo, i);
    return v.isString() ? v.str() : kNada;
}

const QString& ListadoDeclarados::Descripcion(int32_t i) const {
    int32_t& lugar = descritas_[static_cast<size_t>(i)];
    if (lugar < 0) {
        const std::string& clave = Campo(i, C::claveopo);
        const std::string& tipo = Campo(i, C::tipoopo);
        size_t k = 0;
        while (k < descripciones_.size() && (descripciones_[k].clave != clave || descripciones_[k].tipo != tipo)) ++k;
        if (k == descripciones_.size())
            descripciones_.push_back(
                {clave, tipo, DescripcionClave(QString::fromStdString(clave), QString::fromStdString(tipo))});
        lugar = static_cast<int32_t>(k);
    }
    return descripciones_[static_cast<size_t>(lugar)].texto;
}

double ListadoDeclarados::Importe(int32_t i) const {
    const rt::Variant& base = filas_(C::base, i);
    auto blanco = [](std::string_view t) { return t.find_first_not_of(" \t\n\v\f\r") == t.npos; };
    if (base.isNull() || (base.isString() ? blanco(base.str()) : blanco(rt::CStr(base)))) return 0;
    return rt::CDbl(base) / 100;
}

QString ListadoDeclarados::Texto(int32_t i, int columna) const {
    switch (columna) {
    case kClave:
    case kIcono: return QString::fromStdString(Campo(i, C::codope));
    case kPais: return QString::fromStdString(Campo(i, C::paiso));
    case kNif: return QString::fromStdString(Campo(i, C::nifo));
    case kNombre: return QString::fromStdString(Campo(i, C::razon));
    case kDescripcion: return Descripcion(i);
    case kImporte: return FormatoImporte(Importe(i));
    default: return {};
    }
}

QVariant FilaDeclarado::data(int columna, int rol) const {
    if (fila_ < 1 || fila_ > listado_.Cuenta()) return QTreeWidgetItem::data(columna, rol);
    switch (rol) {
    case Qt::DisplayRole:
    case Qt::EditRole: return listado_.Texto(fila_, columna);
    case Qt::DecorationRole:
        if (columna == kIcono) return listado_.Icono();
        break;
    case Qt::TextAlignmentRole:
        if (columna == kImporte) return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default: break;
    }
    return QTreeWidgetItem::data(columna, rol);
}

bool FilaDeclarado::operator<(const QTreeWidgetItem& otra) const {
    const auto* fila = dynamic_cast<const FilaDeclarado*>(&otra);
    const int columna = treeWidget() ? treeWidget()->sortColumn() : 0;
    if (!fila || &fila->listado_ != &listado_ || fila_ < 1 || fila_ > listado_.Cuenta() || fila->fila_ < 1 ||
        fila->fila_ > listado_.Cuenta())
        return QTreeWidgetItem::operator<(otra);
    switch (columna) {
    case kPais: return Antes(listado_.Campo(fila_, C::paiso), listado_.Campo(fila->fila_, C::paiso));
    case kNif: return Antes(listado_.Campo(fila_, C::nifo), listado_.Campo(fila->fila_, C::nifo));
    case kNombre: return Antes(listado_.Campo(fila_, C::razon), listado_.Campo(fila->fila_, C::razon));
    case kDescripcion: return listado_.Descripcion(fila_).compare(listado_.Descripcion(fila->fila_)) < 0;
    default: return QTreeWidgetItem::operator<(otra);
    }
}

}  // namespace quelvo
