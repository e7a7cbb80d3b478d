#pragma once
// Shifting the plane: the four arrows move the origin by one tick, the
// quadrant buttons bring one quadrant into view with the origin near a
// corner, ResettaPiano centres the origin again. Each ends with the full
// redraw.
#include <cstdint>
#include <string>

namespace vellora {

class Programma;

enum class DirezionePiano { Destra, Sinistra, Alto, Basso }; // TraslaPiano1..4

// The macro word of a shift: "TraslaPianoDestra", ...
const std::string& ParolaTraslaPiano(DirezionePiano d);

// Moves the plane one tick and records the shift when a macro is recorded.
void TraslaPiano(Programma& p, DirezionePiano d);
void ResettaPiano(Programma& p);

enum class Quadrante { Primo, Secondo, Terzo, Quarto };

struct TraslazionePiano {
    int16_t x;
    int16_t y;
    bool operator==(const TraslazionePiano&) const = default;
};

// The shift that shows quadrant q on a w x h drawing area at passoPixel
// pixels a tick: the origin about 50 pixels from the corner's two edges.
TraslazionePiano TraslazioneQuadrante(Quadrante q, int w, int h, int passoPixel);

void MostraQuadrante(Programma& p, Quadrante q);
inline void PrimoQuadrante(Programma& p)
{
    MostraQuadrante(p, Quadrante::Primo);
}
inline void SecondoQuadrante(Programma& p)
{
    MostraQuadrante(p, Quadrante::Secondo);
}
inline void TerzoQuadrante(Programma& p)
{
    MostraQuadrante(p, Quadrante::Terzo);
}
inline void QuartoQuadrante(Programma& p)
{
    MostraQuadrante(p, Quadrante::Quarto);
}

} // namespace vellora
