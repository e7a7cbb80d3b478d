#include "files/CampiFile.h"

#include "model/NumeriTesto.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vellora {

std::string_view Rifila(std::string_view s)
{
    constexpr std::string_view blanchi = " \t\r";
    const auto inizio = s.find_first_not_of(blanchi);
    if (inizio == std::string_view::npos)
        return {};
    return s.substr(inizio, s.find_last_not_of(blanchi) - inizio + 1);
}

namespace {

// The text of a number without blanks and without a plus sign.
std::string_view Cifre(std::string_view campo)
{
    campo = Rifila(campo);
    if (campo.size() > 1 && campo[0] == '+' && campo[1] != '-')
        campo.remove_prefix(1);
    return campo;
}

template <class T> std::optional<T> Converti(std::string_view cifre)
{
    const char* fine = cifre.data() + cifre.size();
    T v{};
    const auto r = std::from_chars(cifre.data(), fine, v);
    if (cifre.empty() || r.ptr != fine || r.ec != std::errc{})
        return std::nullopt;
    return v;
}

} // namespace

std::optional<double> NumeroDaCampo(std::string_view campo)
{
    return Converti<double>(Cifre(campo));
}

// A float straight from its digits, so that the value written comes back to
// the same float without a double rounding in between.
std::optional<float> SingolaDaCampo(std::string_view campo)
{
    const std::string_view cifre = Cifre(campo);
    if (const auto v = Converti<float>(cifre))
        return v;
    // Out of the float's range: a value below its smallest is read as the
    // nearest float (zero), a value above its largest does not fit.
    const auto d = Converti<double>(cifre);
    if (d && std::fabs(*d) <= std::numeric_limits<float>::max())
        return static_cast<float>(*d);
    return std::nullopt;
}

std::string TestoNumeroFile(float v)
{
    std::string testo = TestoConSegno(v);
    if (!testo.empty() && testo.front() == ' ')
        testo.erase(0, 1);
    return testo;
}

std::optional<std::string_view> CampiFile::Prossimo()
{
    if (pos_ >= testo_.size())
        return std::nullopt;
    auto fine = testo_.find_first_of(",\n", pos_);
    if (fine == std::string_view::npos)
        fine = testo_.size();
    const std::string_view campo = testo_.substr(pos_, fine - pos_);
    pos_ = fine + 1;
    return Rifila(campo);
}

bool CampiFile::Leggi(float& v)
{
    const auto campo = Prossimo();
    if (!campo || campo->empty())
        return true;
    const auto letto = SingolaDaCampo(*campo);
    if (letto)
        v = *letto;
    return letto.has_value();
}

template <class Intero> bool CampiFile::LeggiIntero(Intero& v)
{
    const auto campo = Prossimo();
    if (!campo || campo->empty())
        return true;
    const auto d = NumeroDaCampo(*campo);
    if (!d || !std::isfinite(*d))
        return false;
    const double r = std::nearbyint(*d);
    if (r < std::numeric_limits<Intero>::min() || r > std::numeric_limits<Intero>::max())
        return false;
    v = static_cast<Intero>(r);
    return true;
}

bool CampiFile::Leggi(unsigned char& v)
{
    return LeggiIntero(v);
}

bool CampiFile::Leggi(short& v)
{
    return LeggiIntero(v);
}

} // namespace vellora
