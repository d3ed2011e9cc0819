#pragma once
// Rewrites of an imported type-2 line before it is checked and cut: the
// operation key turned into the keys of the declaration's layout, and the
// sign and rectification fields moved to where that layout's cutter reads
// them. A line whose own exercise (5-8) is 2010 or later carries them where
// the writer puts them (sign 90, rectified exercise 91-94, rectified period
// 95-96) and has no triangular mark; an older line has the mark at 90, the
// sign at 91, the rectified exercise at 92-95 and the period at 96-97.
// Position 90 of a 2010 line is never overwritten by a mark.
#include <cstdint>
#include <string>

namespace quelvodat::Importacion {

// Into a declaration up to 2009, for a key that is not a digit: E, S, H, M
// and T become 1 (3 when the line holds a rectification at 90-95), A and I
// 2 (4); any other key stays; the mark at 90 is "X" for T, else a blank. A
// 2010 line comes out in the older positions, its sign and rectification
// moved behind the mark; an older line keeps 91-190 (191 on is dropped).
std::string ConvertirClaveAnt(const std::string& strLinea, int32_t lngEjercicioLinea);

// Into a declaration from 2010, a line up to 2009 with a digit key: 1 and 3
// become E, 2 and 4 A, either T when 90 holds "X"; 90 stays and one blank is
// appended.
std::string ConvertirClave2010A(const std::string& strLinea);

// H and M become E (a line after June 2011 into a declaration up to then).
// Only an older line gets the mark at 90.
std::string ConvertirClave2010B(const std::string& strLinea, int32_t lngEjercicioLinea);

// The key stays; only an older line gets the mark at 90.
std::string ConvertirClave2010C(const std::string& strLinea, int32_t lngEjercicioLinea);

// The line as the old-layout import cuts it: ConvertirClaveAnt when the key
// is not a digit, and a 2010 line with a digit key moved to the older
// positions with a blank mark.
std::string LineaParaDeclaracionAnterior(const std::string& strLinea, int32_t lngEjercicioLinea);

// The line as the 2010 import checks it: the first rule that holds of
// ConvertirClave2010A (older line, digit key), ConvertirClave2010B (line
// after 201106, letter key, declaration 201106 or before) and
// ConvertirClave2010C (letter key, line of 2010 on). Periods compare as
// exercise * 100 + month; lngPeriodo is the declaration's last month.
std::string LineaParaDeclaracion2010(const std::string& strLinea, int32_t lngEjercicioLinea,
                                     int32_t lngEjercicio, int32_t lngPeriodo);

// An older line with its sign and rectification moved to the writer's 2010
// positions, for the 2010 cutter; a 2010 line unchanged.
std::string EnPosiciones2010(const std::string& strLinea, int32_t lngEjercicioLinea);

}  // namespace quelvodat::Importacion
