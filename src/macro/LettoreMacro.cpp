#include "macro/LettoreMacro.h"

#include "files/CampiFile.h"

#include <cmath>
#include <limits>

namespace vellora {

namespace {

// A line of a damaged file may be long or hold any byte: the message quotes
// a readable start of it, in plain ASCII whatever the file's code page.
std::string Citazione(std::string_view testo)
{
    constexpr std::size_t Massimo = 60;
    std::string r;
    for (unsigned char c : Rifila(testo.substr(0, Massimo)))
        r += c < 0x20 || c > 0x7E ? '?' : static_cast<char>(c);
    if (testo.size() > Massimo)
        r += "...";
    return r;
}

std::string Campo(std::string_view campo)
{
    return "«" + Citazione(campo) + "»";
}

} // namespace

LettoreMacro::LettoreMacro(std::string_view testo) : testo_(testo)
{
    const auto fine = testo_.find('\n');
    pos_ = fine == std::string_view::npos ? testo_.size() : fine + 1;
}

bool LettoreMacro::Prossima(RigaLetta& riga)
{
    if (pos_ >= testo_.size())
        return false;
    auto fine = testo_.find('\n', pos_);
    if (fine == std::string_view::npos)
        fine = testo_.size();
    riga.testo = testo_.substr(pos_, fine - pos_);
    if (!riga.testo.empty() && riga.testo.back() == '\r')
        riga.testo.remove_suffix(1);
    riga.numero = ++numero_;
    pos_ = fine + 1;

    riga.parametri.clear();
    std::string_view resto = riga.testo;
    auto virgola = resto.find(',');
    riga.parola = Rifila(resto.substr(0, virgola));
    while (virgola != std::string_view::npos) {
        resto.remove_prefix(virgola + 1);
        virgola = resto.find(',');
        riga.parametri.push_back(Rifila(resto.substr(0, virgola)));
    }
    return true;
}

std::optional<double> LeggiParametro(std::string_view campo, TipoParametro tipo, std::string& motivo)
{
    if (campo.empty()) {
        motivo = "manca un parametro";
        return std::nullopt;
    }
    const std::optional<double> numero = NumeroDaCampo(campo);
    if (!numero || !std::isfinite(*numero)) {
        motivo = Campo(campo) + " non è un numero";
        return std::nullopt;
    }
    const auto fuori = [&] {
        motivo = Campo(campo) + " è fuori dall'intervallo consentito";
        return std::nullopt;
    };
    switch (tipo) {
    case TipoParametro::Singola: {
        const std::optional<float> v = SingolaDaCampo(campo);
        if (!v || !std::isfinite(*v))
            return fuori();
        return *v;
    }
    case TipoParametro::Byte: {
        const double r = std::nearbyint(*numero);
        if (r < 0 || r > 255)
            return fuori();
        return r;
    }
    case TipoParametro::Long: {
        const double r = std::nearbyint(*numero);
        if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
            return fuori();
        return r;
    }
    }
    return std::nullopt;
}

std::string PostoRiga(const RigaLetta& riga)
{
    return Campo(riga.testo) + " (riga " + std::to_string(riga.numero) + ")";
}

} // namespace vellora
