#include "files/Rtf.h"

namespace vellora {

// Placeholder until the reader and writer land: plain text only.
std::optional<TestoRicco> LeggiRtf(std::string_view dati, std::string* motivo)
{
    if (dati.substr(0, 5) != "{\\rtf") {
        if (motivo)
            *motivo = "Il file non è in formato RTF";
        return std::nullopt;
    }
    return TestoRicco{};
}

std::string ScriviRtf(const TestoRicco& testo)
{
    std::string r = "{\\rtf1\\ansi ";
    for (const Sequenza& s : testo)
        r += s.testo;
    return r + "}";
}

} // namespace vellora
