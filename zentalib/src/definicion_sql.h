#pragma once
// The definition of a table or index as the engine keeps it (the text of its
// CREATE statement), reduced to what gives it its meaning, so that two
// definitions compare equal exactly when they make the same table or index.
#include <string>
#include <string_view>

namespace zentalib {

// The statement's words joined by one blank: spacing and comments dropped,
// names unquoted and in lower case (the engine matches names in any letter
// case), literals and everything else as written.
std::string DefinicionNormalizada(std::string_view sql);

}  // namespace zentalib
