#include "plane/Range.h"

#include "plane/Schermo.h"
#include "state/LeggiNumero.h"
#include "state/Programma.h"

#include <cmath>

namespace vellora {

namespace {

// Characters as the user sees them: UTF-8 continuation bytes do not count.
size_t Caratteri(const std::string& t)
{
    size_t n = 0;
    for (const char c : t)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

std::optional<int> RangeDaTesto(const std::string& testo)
{
    if (Caratteri(testo) > 2)
        return std::nullopt;
    double v = 0.0;
    if (!ValoreTesto(testo.substr(std::min(testo.find_first_not_of(' '), testo.size())), v))
        return std::nullopt;
    // nearbyint rounds halves to the even neighbour in the default mode.
    const double r = std::nearbyint(v);
    if (!(r >= RangeMinimo && r <= RangeMassimo))
        return std::nullopt;
    return static_cast<int>(r);
}

DialogoRange::DialogoRange(Programma& p)
    : Testo(std::to_string(p.d.Range)), p_(p), rangeIniziale_(p.d.Range), grigliaIniziale_(p.d.TipoGriglia),
      apertura_(p.d)
{
}

void DialogoRange::Ridisegna()
{
    vellora::Ridisegna(p_);
    p_.Mostra();
}

void DialogoRange::Imposta(int range)
{
    p_.d.Range = static_cast<int16_t>(range);
    Testo = std::to_string(range);
    Ridisegna();
}

bool DialogoRange::Applica()
{
    const std::optional<int> r = RangeDaTesto(Testo);
    if (!r) {
        p_.Messaggio(MessaggioRange);
        const bool cambiato = p_.d.Range != rangeIniziale_;
        p_.d.Range = rangeIniziale_;
        Testo = std::to_string(rangeIniziale_);
        // The plane may show a range the buttons set since the opening.
        if (cambiato)
            Ridisegna();
        return false;
    }
    p_.d.Range = static_cast<int16_t>(*r);
    Ridisegna();
    return true;
}

bool DialogoRange::Ok()
{
    if (!Applica())
        return false;
    p_.SegnaModifiche(apertura_);
    return true;
}

void DialogoRange::Incrementa()
{
    if (p_.d.Range >= RangeMassimo) {
        p_.Messaggio(MessaggioRangeMassimo);
        return;
    }
    Imposta(p_.d.Range + 1);
}

void DialogoRange::Decrementa()
{
    if (p_.d.Range <= RangeMinimo) {
        p_.Messaggio(MessaggioRangeMinimo);
        return;
    }
    Imposta(p_.d.Range - 1);
}

void DialogoRange::Predefinito()
{
    Imposta(RangePredefinito);
}

void DialogoRange::Griglia(int tipo)
{
    p_.d.TipoGriglia = static_cast<uint8_t>(tipo);
    Ridisegna();
}

void DialogoRange::Intensita(int valore)
{
    p_.sessione.IntensitaGriglia = static_cast<uint8_t>(valore);
    Ridisegna();
}

void DialogoRange::Annulla()
{
    p_.d.Range = rangeIniziale_;
    p_.d.TipoGriglia = grigliaIniziale_;
    Ridisegna();
}

} // namespace vellora
