#pragma once
// The formatting rules of the comment window: its four text colours, the
// font size steps of its + and - buttons, and what its controls show of the
// selected text.
#include "model/TestoRicco.h"

#include <array>
#include <optional>
#include <vector>

namespace vellora {

inline constexpr int DimensioneMinima = 8;
inline constexpr int DimensioneMassima = 35;

// Swatches 0..3: black, red, green, navy.
inline constexpr std::array<ColoreRgb, 4> ColoriCommento{{{0, 0, 0}, {255, 0, 0}, {0, 128, 0}, {0, 0, 128}}};

// The size after one step up (piu) or down. `attuale` is empty for a
// selection of mixed sizes, which first becomes 9 (up) or 11 (down), so that
// either step gives 10. A step never leaves 8..35 from inside it, and never
// moves a size outside it further away.
int PassoDimensione(std::optional<int> attuale, bool piu);

// What the controls show of a selection with these styles: the size and
// colour when all share them, each toggle on when all have it.
struct StatoSelezione {
    std::optional<int> dimensione;
    bool grassetto = false;
    bool corsivo = false;
    bool sottolineato = false;
    std::optional<ColoreRgb> colore;
    bool operator==(const StatoSelezione&) const = default;
};
StatoSelezione Riassumi(const std::vector<StileTesto>& stili);

// The swatch of a colour; -1 when none has it.
int IndiceColore(std::optional<ColoreRgb> colore);

} // namespace vellora
