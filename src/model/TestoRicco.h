#pragma once
// A formatted text as the comment window holds it and its file stores it:
// runs of characters that share their attributes. A "\n" inside a run ends
// a paragraph. Texts are UTF-8.
#include "model/Nomi.h"

#include <string>
#include <vector>

namespace vellora {

struct StileTesto {
    bool grassetto = false;
    bool corsivo = false;
    bool sottolineato = false;
    ColoreRgb colore{0, 0, 0};
    int dimensione = 10; // points
    bool operator==(const StileTesto&) const = default;
};

struct Sequenza {
    std::string testo;
    StileTesto stile;
    bool operator==(const Sequenza&) const = default;
};

using TestoRicco = std::vector<Sequenza>;

} // namespace vellora
