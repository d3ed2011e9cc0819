#include "definicion_sql.h"

#include <cctype>

#include "quelvort/strings.h"

namespace zentalib {

namespace {

bool Letra(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool LetraODigito(char c) { return Letra(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '$'; }

// A name as a plain word when it is one; otherwise quoted, so that a name
// holding blanks or signs never reads as several words.
std::string Nombre(std::string_view nombre) {
    std::string r = rt::LCase(nombre);
    bool simple = !r.empty() && Letra(r[0]);
    for (char c : r) simple = simple && LetraODigito(c);
    if (simple) return r;
    std::string entre = "\"";
    for (char c : r) entre += c == '"' ? std::string("\"\"") : std::string(1, c);
    return entre + "\"";
}

// The end of a quoted run that opened at `i` and closes with `cierre`; a
// doubled closing mark stands for itself. Copies the content into `dentro`.
std::size_t FinEntreComillas(std::string_view sql, std::size_t i, char cierre, std::string& dentro) {
    for (++i; i < sql.size(); ++i) {
        if (sql[i] != cierre) {
            dentro += sql[i];
        } else if (cierre != ']' && i + 1 < sql.size() && sql[i + 1] == cierre) {
            dentro += cierre;
            ++i;
        } else {
            return i + 1;
        }
    }
    return i;
}

}  // namespace

std::string DefinicionNormalizada(std::string_view sql) {
    std::string r;
    const auto anadir = [&r](const std::string& palabra) {
        if (!r.empty()) r += ' ';
        r += palabra;
    };
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (sql.substr(i, 2) == "--") {
            const auto fin = sql.find('\n', i);
            i = fin == std::string_view::npos ? sql.size() : fin + 1;
        } else if (sql.substr(i, 2) == "/*") {
            const auto fin = sql.find("*/", i + 2);
            i = fin == std::string_view::npos ? sql.size() : fin + 2;
        } else if (c == '\'') {
            // A literal stays exactly as written, quotes and all.
            std::string dentro;
            const std::size_t fin = FinEntreComillas(sql, i, '\'', dentro);
            anadir(std::string(sql.substr(i, fin - i)));
            i = fin;
        } else if (c == '"' || c == '`' || c == '[') {
            std::string dentro;
            i = FinEntreComillas(sql, i, c == '[' ? ']' : c, dentro);
            anadir(Nombre(dentro));
        } else if (Letra(c)) {
            std::size_t fin = i;
            while (fin < sql.size() && LetraODigito(sql[fin])) ++fin;
            anadir(Nombre(sql.substr(i, fin - i)));
            i = fin;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            std::size_t fin = i;
            while (fin < sql.size() && (LetraODigito(sql[fin]) || sql[fin] == '.')) ++fin;
            anadir(std::string(sql.substr(i, fin - i)));
            i = fin;
        } else {
            anadir(std::string(1, c));
            ++i;
        }
    }
    return r;
}

}  // namespace zentalib
