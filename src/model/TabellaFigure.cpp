#include "model/TabellaFigure.h"

#include <stdexcept>
#include <string>

namespace vellora {

int TabellaFigure::Indice(int f, int k)
{
    if (f < 1 || f > MaxFigure || k < 0 || k > UltimoSlot)
        throw std::out_of_range("figura " + std::to_string(f) + ", slot " + std::to_string(k));
    return (f - 1) * Slot + k;
}

void TabellaFigure::CopiaRecord(int da, int a)
{
    for (int k = 0; k <= UltimoSlot; ++k) {
        X(a, k) = X(da, k);
        Y(a, k) = Y(da, k);
    }
}

} // namespace vellora
