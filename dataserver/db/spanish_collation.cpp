// The "ES" collation for sorting names: letter case and accents do not count,
// and Ñ sorts as its own letter after N.
#include <cstring>

#include "sqlite_database.h"

namespace quelvodat::sqlite {

namespace {

char32_t decodeNext(std::string_view s, size_t& i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= s.size()) {
        ++i;
        return c;  // a stray byte sorts by its value
    }
    char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (byte(i + static_cast<size_t>(k)) & 0x3F);
    i += static_cast<size_t>(extra) + 1;
    return cp;
}

// Base letter of the Latin-1 letters, lower case; 0 when not one of them.
char32_t baseLetter(char32_t cp) {
    static const char* const kBases =
        // U+00C0 to U+00FF
        "aaaaaaaceeeeiiiidnooooo*ouuuuyts"
        "aaaaaaaceeeeiiiidnooooo/ouuuuyty";
    if (cp >= 0xC0 && cp <= 0xFF) {
        char b = kBases[cp - 0xC0];
        return (b == '*' || b == '/') ? 0 : static_cast<char32_t>(b);
    }
    if (cp == 0x160 || cp == 0x161) return U's';
    if (cp == 0x17D || cp == 0x17E) return U'z';
    if (cp == 0x178) return U'y';
    return 0;
}

}  // namespace

std::u32string SpanishSortKey(std::string_view utf8) {
    std::u32string key;
    key.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = decodeNext(utf8, i);
        char32_t weight;
        if (cp == 0xD1 || cp == 0xF1) {
            weight = 2 * U'n' + 1;  // between N and O
        } else if (cp >= U'A' && cp <= U'Z') {
            weight = 2 * (cp - U'A' + U'a');
        } else if (char32_t base = baseLetter(cp)) {
            weight = 2 * base;
        } else {
            weight = 2 * cp;
        }
        key.push_back(weight);
    }
    return key;
}

namespace {
int compare(void*, int lengthA, const void* a, int lengthB, const void* b) {
    std::string_view sa(static_cast<const char*>(a), static_cast<size_t>(lengthA));
    std::string_view sb(static_cast<const char*>(b), static_cast<size_t>(lengthB));
    int primary = SpanishSortKey(sa).compare(SpanishSortKey(sb));
    if (primary != 0) return primary < 0 ? -1 : 1;
    int binary = sa.compare(sb);
    return binary < 0 ? -1 : binary > 0 ? 1 : 0;
}
}  // namespace

void RegisterSpanishCollation(sqlite3* db) {
    sqlite3_create_collation(db, "ES", SQLITE_UTF8, nullptr, compare);
}

}  // namespace quelvodat::sqlite
