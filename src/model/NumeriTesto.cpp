#include "model/NumeriTesto.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace vellora {

namespace {

// A positive finite number as significant digits d1 d2 ... and the exponent s
// of d1.d2... x 10^s, read from the scientific text of std::to_chars.
struct Cifre {
    std::string cifre;
    int esponente = 0;
};

Cifre Scomponi(const char* inizio, const char* fine)
{
    Cifre c;
    const char* p = inizio;
    for (; p != fine && *p != 'e'; ++p)
        if (*p != '.')
            c.cifre += *p;
    if (p != fine) {
        ++p;
        if (p != fine && *p == '+')
            ++p; // from_chars takes no '+'
        std::from_chars(p, fine, c.esponente);
    }
    while (c.cifre.size() > 1 && c.cifre.back() == '0')
        c.cifre.pop_back();
    return c;
}

// The shortest decimal that gives a back: the float's when a holds a float
// exactly (single-precision values converted by the caller), else the double's.
Cifre CifreBrevi(double a)
{
    char testo[64];
    std::to_chars_result r;
    if (a <= std::numeric_limits<float>::max() && static_cast<double>(static_cast<float>(a)) == a)
        r = std::to_chars(testo, testo + sizeof testo, static_cast<float>(a), std::chars_format::scientific);
    else
        r = std::to_chars(testo, testo + sizeof testo, a, std::chars_format::scientific);
    return Scomponi(testo, r.ptr);
}

// Digits of a positive float: the shortest of at most 7 significant digits
// that reads back as a, otherwise a rounded to 7 digits.
Cifre CifreSingola(float a)
{
    char testo[32];
    // No text shorter than the shortest that reads back can read back: the
    // search starts at its length, and mostly ends there.
    std::to_chars_result r = std::to_chars(testo, testo + sizeof testo, a, std::chars_format::scientific);
    const auto brevi = std::count_if(testo, std::find(testo, r.ptr, 'e'), [](char c) { return c != '.'; });
    for (int precisione = std::min(static_cast<int>(brevi) - 1, 6); precisione <= 6; ++precisione) {
        r = std::to_chars(testo, testo + sizeof testo, a, std::chars_format::scientific, precisione);
        if (precisione == 6)
            break; // seven digits whether they read back or not
        float riletto = 0.0f;
        std::from_chars(testo, r.ptr, riletto);
        if (riletto == a)
            break;
    }
    return Scomponi(testo, r.ptr);
}

int DecimaliDelFormato(const std::string& formato)
{
    const bool valido = !formato.empty() && formato[0] == '0' &&
                        (formato.size() == 1 || (formato[1] == '.' && std::all_of(formato.begin() + 2, formato.end(),
                                                                                  [](char ch) { return ch == '#'; })));
    if (!valido)
        throw std::invalid_argument("formato numerico non previsto: " + formato);
    return formato.size() > 1 ? static_cast<int>(formato.size()) - 2 : 0;
}

std::string TestoNonFinito(double v)
{
    char testo[16];
    const auto r = std::to_chars(testo, testo + sizeof testo, v);
    return std::string(testo, r.ptr);
}

// Adds one unit to the last digit of a digit string, carrying leftwards.
void Incrementa(std::string& cifre)
{
    for (auto it = cifre.rbegin(); it != cifre.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    cifre.insert(cifre.begin(), '1');
}

} // namespace

int16_t Arrotonda(float v)
{
    if (std::isnan(v))
        return 0;
    const float basso = std::floor(v);
    const double r = (v - basso >= 0.5f) ? static_cast<double>(basso) + 1.0 : static_cast<double>(basso);
    return static_cast<int16_t>(std::clamp(r, static_cast<double>(std::numeric_limits<int16_t>::min()),
                                           static_cast<double>(std::numeric_limits<int16_t>::max())));
}

std::string FormattaNumero(double v, const std::string& formato)
{
    const size_t decimali = static_cast<size_t>(DecimaliDelFormato(formato));
    if (!std::isfinite(v))
        return TestoNonFinito(v);
    if (v == 0.0)
        return "0";

    const Cifre c = CifreBrevi(std::fabs(v));
    const long interi = static_cast<long>(c.esponente) + 1; // digits before the separator
    const long quante = static_cast<long>(c.cifre.size());
    std::string intera;
    std::string frazione;
    if (interi <= 0) {
        intera = "0";
        frazione = std::string(static_cast<size_t>(-interi), '0') + c.cifre;
    } else if (interi >= quante) {
        intera = c.cifre + std::string(static_cast<size_t>(interi - quante), '0');
    } else {
        intera = c.cifre.substr(0, static_cast<size_t>(interi));
        frazione = c.cifre.substr(static_cast<size_t>(interi));
    }

    if (frazione.size() > decimali) {
        const bool perEccesso = frazione[decimali] >= '5';
        frazione.resize(decimali);
        if (perEccesso) {
            std::string tutte = intera + frazione;
            Incrementa(tutte);
            intera = tutte.substr(0, tutte.size() - decimali);
            frazione = tutte.substr(tutte.size() - decimali);
        }
    }
    while (!frazione.empty() && frazione.back() == '0')
        frazione.pop_back();
    const size_t primaCifra = std::min(intera.find_first_not_of('0'), intera.size() - 1);
    intera.erase(0, primaCifra);

    if (intera == "0" && frazione.empty())
        return "0"; // what rounds to nothing has no sign
    std::string testo = v < 0 ? "-" : "";
    testo += intera;
    if (!frazione.empty())
        testo += "," + frazione;
    return testo;
}

std::string NumeroConSegno(int v)
{
    std::string testo(1, v < 0 ? '-' : ' ');
    return testo += std::to_string(std::abs(static_cast<long long>(v)));
}

std::string TestoConSegno(float v)
{
    if (std::isnan(v))
        return " nan";
    const std::string segno = v < 0.0f ? "-" : " ";
    if (std::isinf(v))
        return segno + TestoNonFinito(std::fabs(static_cast<double>(v)));
    if (v == 0.0f)
        return " 0";

    const Cifre c = CifreSingola(std::fabs(v));
    const int k = static_cast<int>(c.cifre.size());
    const int s = c.esponente;
    const int posizioni = s >= 0 ? std::max(s + 1, k) : -s - 1 + k;
    std::string testo = segno;
    if (posizioni <= 7) {
        if (s < 0) {
            testo.append(".").append(static_cast<size_t>(-s - 1), '0').append(c.cifre);
        } else if (s + 1 >= k) {
            testo.append(c.cifre).append(static_cast<size_t>(s + 1 - k), '0');
        } else {
            testo.append(c.cifre, 0, static_cast<size_t>(s + 1))
                .append(".")
                .append(c.cifre, static_cast<size_t>(s + 1));
        }
    } else {
        testo += c.cifre[0];
        if (k > 1)
            testo.append(".").append(c.cifre, 1);
        const int e = std::abs(s);
        testo.append(s < 0 ? "E-" : "E+").append(e < 10 ? "0" : "").append(std::to_string(e));
    }
    return testo;
}

std::string TestoCasella(float v)
{
    const std::string t = TestoConSegno(v);
    std::string r;
    if (t[0] == '-')
        r += '-';
    if (t[1] == '.')
        r += '0';
    for (size_t i = 1; i < t.size(); ++i)
        r += t[i] == '.' ? ',' : t[i];
    return r;
}

} // namespace vellora
