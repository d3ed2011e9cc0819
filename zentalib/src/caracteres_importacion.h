#pragma once
// An import line made ready for the importer's character check and cut.
#include <string>
#include <string_view>

namespace zentalib {

// The authority's records admit capitals A-Z, "Ñ", "Ç", digits, the blank and
// the punctuation their texts and signs use (". , - + & ' / ( )"). The line
// comes back with the same number of characters:
// - small letters become capitals as the program's typing writes them: a-z,
//   "ñ", "ç", and "á", "é", "í", "ó", "ú", "ü" become their capitals, accents
//   kept (the importer's check admits the accented capitals, as typing does);
// - a no-break space becomes `sustituto`, which must be one character;
// - every other character, in the set or not, stays where it stands: nothing
//   outside the set is ever turned into an admitted character (no accent
//   dropped, no quote straightened, no mis-decoded "Ã‘" folded into "A'"), so
//   the importer's check refuses the line naming the character ("|", "Ã",
//   control characters).
// Raises error 5 when `sustituto` is not exactly one character.
std::string PrepararLineaImportada(std::string_view linea, std::string_view sustituto);

}  // namespace zentalib
