#include "files/StileCommento.h"

#include <algorithm>

namespace vellora {

int PassoDimensione(std::optional<int> attuale, bool piu)
{
    const int d = attuale.value_or(piu ? 9 : 11);
    if (piu)
        return d >= DimensioneMassima ? d : d + 1;
    return d <= DimensioneMinima ? d : d - 1;
}

StatoSelezione Riassumi(const std::vector<StileTesto>& stili)
{
    StatoSelezione r;
    if (stili.empty())
        return r;
    const StileTesto& primo = stili.front();
    const auto tutti = [&](auto&& vero) { return std::all_of(stili.begin(), stili.end(), vero); };
    if (tutti([&](const StileTesto& s) { return s.dimensione == primo.dimensione; }))
        r.dimensione = primo.dimensione;
    if (tutti([&](const StileTesto& s) { return s.colore == primo.colore; }))
        r.colore = primo.colore;
    r.grassetto = tutti([](const StileTesto& s) { return s.grassetto; });
    r.corsivo = tutti([](const StileTesto& s) { return s.corsivo; });
    r.sottolineato = tutti([](const StileTesto& s) { return s.sottolineato; });
    return r;
}

int IndiceColore(std::optional<ColoreRgb> colore)
{
    if (!colore)
        return -1;
    const auto* trovato = std::find(ColoriCommento.begin(), ColoriCommento.end(), *colore);
    return trovato == ColoriCommento.end() ? -1 : static_cast<int>(trovato - ColoriCommento.begin());
}

} // namespace vellora
