#include "nif_cif.h"

#include <string>

#include "quelvort/strings.h"

namespace zentalib {

namespace {

constexpr std::string_view kLetrasDni = "TRWAGMYFPDXBNJZSQVHLCKE";
constexpr std::string_view kLetrasCif = "ABCDEFGHJNPQRSUVW";
constexpr std::string_view kControlCifLetra = "JABCDEFGHI";
// Organisations whose control character is always a letter, or always a digit.
constexpr std::string_view kCifSoloLetra = "PQRSNW";
constexpr std::string_view kCifSoloDigito = "ABEH";

bool digitos(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool contiene(std::string_view conjunto, char c) {
    return conjunto.find(c) != std::string_view::npos;
}

std::string normalizar(std::string_view texto) { return rt::UCase(rt::Trim(texto)); }

// The NIE's leading letter stands for a digit in front of the number.
char digitoNie(char c) { return c == 'X' ? '0' : c == 'Y' ? '1' : c == 'Z' ? '2' : '\0'; }

char letraDni(std::string_view ochoDigitos) {
    unsigned long n = std::stoul(std::string(ochoDigitos));
    return kLetrasDni[n % kLetrasDni.size()];
}

bool dniValido(const std::string& s) {
    return s.size() == 9 && digitos(std::string_view(s).substr(0, 8)) &&
           letraDni(std::string_view(s).substr(0, 8)) == s[8];
}

bool nieValido(const std::string& s) {
    if (s.size() != 9 || !digitoNie(s[0]) || !digitos(std::string_view(s).substr(1, 7)))
        return false;
    std::string numero = digitoNie(s[0]) + s.substr(1, 7);
    return letraDni(numero) == s[8];
}

// Personal numbers of minors, Spaniards living abroad and foreigners without a
// NIE: K, L or M, seven digits and the letter of those digits.
bool nifKlmValido(const std::string& s) {
    if (s.size() != 9 || !contiene("KLM", s[0]) || !digitos(std::string_view(s).substr(1, 7)))
        return false;
    return letraDni(std::string_view(s).substr(1, 7)) == s[8];
}

bool cifValido(const std::string& s) {
    if (s.size() != 9 || !contiene(kLetrasCif, s[0]) || !digitos(std::string_view(s).substr(1, 7)))
        return false;
    int suma = 0;
    for (int i = 1; i <= 7; ++i) {
        int d = s[static_cast<size_t>(i)] - '0';
        if (i % 2 == 0) {
            suma += d;
        } else {
            int doble = d * 2;
            suma += doble / 10 + doble % 10;
        }
    }
    int control = (10 - suma % 10) % 10;
    char comoDigito = static_cast<char>('0' + control);
    char comoLetra = kControlCifLetra[static_cast<size_t>(control)];
    char dado = s[8];
    if (contiene(kCifSoloLetra, s[0])) return dado == comoLetra;
    if (contiene(kCifSoloDigito, s[0])) return dado == comoDigito;
    return dado == comoDigito || dado == comoLetra;
}

}  // namespace

bool ValidarNifCif(std::string_view texto) {
    std::string s = normalizar(texto);
    return dniValido(s) || nieValido(s) || nifKlmValido(s) || cifValido(s);
}

bool ValidarNifSinLetra(std::string_view texto) {
    std::string s = normalizar(texto);
    if (s.size() != 8) return false;
    return digitos(s) || (digitoNie(s[0]) && digitos(std::string_view(s).substr(1)));
}

}  // namespace zentalib
