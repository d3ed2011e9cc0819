#pragma once
// How the declarant and presenter tables store and read their column values.
#include <cstdint>
#include <string>
#include <string_view>

#include "general.h"
#include "quelvodat/recordset.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat {

// Stored rows hold no empty text: an empty value is kept as one blank.
inline std::string TextoGuardado(const std::string& valor) { return valor.empty() ? " " : valor; }

// A free-text column: stored data relies on the apostrophe as an acute accent.
inline std::string TextoGuardadoEscapado(const std::string& valor) {
    return valor.empty() ? " " : General::EscaparComillas(valor);
}

// A Null column fails here (invalid use of Null), as a row of ours has none.
inline std::string TextoDeFila(const Recordset& rs, std::string_view columna) {
    return rt::CStr(rs.Field(columna));
}
inline std::string TextoRecortadoDeFila(const Recordset& rs, std::string_view columna) {
    return rt::Trim(TextoDeFila(rs, columna));
}
inline int32_t EnteroDeFila(const Recordset& rs, std::string_view columna) {
    return rt::CLng(rs.Field(columna));
}

}  // namespace quelvodat
