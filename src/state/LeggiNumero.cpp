#include "state/LeggiNumero.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vellora {

namespace {

constexpr size_t LunghezzaMassima = 22;
constexpr float Massimo = 999999.0f;
constexpr float Minimo = 1E-9f;

bool IsCifra(char c)
{
    return c >= '0' && c <= '9';
}

// Codes 43..57 ("+,-./" and the digits) and the capital "E".
bool IsAccettato(char c)
{
    return (c >= '+' && c <= '9') || c == 'E';
}

float Rifiuta(const std::string& messaggio, bool& erroreInput, Dialoghi& dialoghi)
{
    erroreInput = true;
    dialoghi.Messaggio(messaggio, Icona::Stop, Pulsanti::Ok);
    return ValoreRifiutato;
}

void TogliSpazi(std::string& testo)
{
    const size_t inizio = testo.find_first_not_of(' ');
    if (inizio == std::string::npos) {
        testo.clear();
        return;
    }
    testo = testo.substr(inizio, testo.find_last_not_of(' ') - inizio + 1);
}

} // namespace

bool ValoreTesto(const std::string& t, double& valore)
{
    valore = 0.0;
    size_t i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negativo = t[i++] == '-';

    const size_t inizioNumero = i;
    bool punto = false;
    bool cifre = false;
    bool significativa = false;
    for (; i < t.size(); ++i) {
        if (IsCifra(t[i])) {
            cifre = true;
            significativa = significativa || t[i] != '0';
        } else if (t[i] == '.' && !punto) {
            punto = true;
        } else {
            break;
        }
    }
    if (!cifre)
        return true; // no leading number: worth 0

    // The exponent belongs to the number only when digits follow the "E".
    size_t fine = i;
    if (i < t.size() && t[i] == 'E') {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j < t.size() && IsCifra(t[j])) {
            while (j < t.size() && IsCifra(t[j]))
                ++j;
            fine = j;
        }
    }

    if (!significativa)
        return true; // zeros stay 0 whatever the exponent
    double assoluto = 0.0;
    const auto r = std::from_chars(t.data() + inizioNumero, t.data() + fine, assoluto);
    if (r.ec != std::errc{} || !std::isfinite(assoluto) || assoluto == 0.0)
        return false; // too large or too small for a double
    valore = negativo ? -assoluto : assoluto;
    return true;
}

float LeggiNumero(std::string& testo, bool& erroreInput, Dialoghi& dialoghi)
{
    if (erroreInput)
        return 0.0f;

    TogliSpazi(testo);
    int barre = 0;
    for (char c : testo) {
        if (c == '/')
            ++barre;
        if (!IsAccettato(c) || barre > 1)
            return Rifiuta(MessaggioInputNonInterpretabile, erroreInput, dialoghi);
    }
    if (testo.size() > LunghezzaMassima)
        testo.resize(LunghezzaMassima);
    for (char& c : testo)
        if (c == ',')
            c = '.';

    double valore = 0.0;
    const size_t barra = testo.find('/');
    if (barra != std::string::npos) {
        double numeratore = 0.0;
        double denominatore = 0.0;
        if (!ValoreTesto(testo.substr(barra + 1), denominatore))
            return Rifiuta(MessaggioFuoriIntervallo, erroreInput, dialoghi);
        if (denominatore == 0.0)
            return Rifiuta(MessaggioDivisionePerZero, erroreInput, dialoghi);
        if (!ValoreTesto(testo.substr(0, barra), numeratore))
            return Rifiuta(MessaggioFuoriIntervallo, erroreInput, dialoghi);
        valore = numeratore / denominatore;
    } else if (!ValoreTesto(testo, valore)) {
        return Rifiuta(MessaggioFuoriIntervallo, erroreInput, dialoghi);
    }

    // Stored in single precision; a value a float cannot hold is out of range.
    if (!std::isfinite(valore) || std::fabs(valore) > std::numeric_limits<float>::max())
        return Rifiuta(MessaggioFuoriIntervallo, erroreInput, dialoghi);
    const float x = static_cast<float>(valore);
    if (std::fabs(x) > Massimo || (x != 0.0f && std::fabs(x) < Minimo) || (x == 0.0f && valore != 0.0))
        return Rifiuta(MessaggioFuoriIntervallo, erroreInput, dialoghi);
    return x;
}

} // namespace vellora
