#pragma once
// The figure table: two parallel rows of floats per figure, 128 figures of
// 23 slots. Slot 0 holds the point count (x row) and the circle flag (y row),
// slots 1..n the points, slot n+1 the closing copy of point 1, slot 22 the
// colour code (x row) and the dash flag (y row). The drawing file and the
// macro player address slots by number, so the layout is fixed.
#include <array>

namespace vellora {

inline constexpr int MaxFigure = 128;
inline constexpr int MaxPunti = 20;
inline constexpr int UltimoSlot = 22;
inline constexpr int SlotColore = 22;

inline constexpr float CodiceCerchio = 1.0f;
inline constexpr float TrattoPieno = 0.0f;
inline constexpr float TrattoPunteggiato = 2.0f;
inline constexpr float ColoreNuovaFigura = 14.0f;

class TabellaFigure {
public:
    // Figure 1..128, slot 0..22; anything else throws std::out_of_range
    // instead of touching memory: an index out of range is a programming error.
    float& X(int f, int k) { return x_[Indice(f, k)]; }
    float& Y(int f, int k) { return y_[Indice(f, k)]; }
    float X(int f, int k) const { return x_[Indice(f, k)]; }
    float Y(int f, int k) const { return y_[Indice(f, k)]; }

    // The 23 slots of figure f side by side, for scans that must not check
    // every index (the hover runs on every mouse move).
    const float* RigaX(int f) const { return &x_[Indice(f, 0)]; }
    const float* RigaY(int f) const { return &y_[Indice(f, 0)]; }

    // Copies all 23 slots of both rows of figure `da` onto figure `a`.
    void CopiaRecord(int da, int a);

    bool operator==(const TabellaFigure&) const = default;

private:
    static constexpr int Slot = UltimoSlot + 1;
    static int Indice(int f, int k);

    std::array<float, MaxFigure * Slot> x_{};
    std::array<float, MaxFigure * Slot> y_{};
};

} // namespace vellora
