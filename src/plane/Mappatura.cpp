#include "plane/Mappatura.h"

#include "model/NumeriTesto.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vellora {

namespace {

// Pixel values are 16-bit; past the limits they stop at the bound rather than
// wrapping round to the other side of the window.
int16_t Satura(int v)
{
    return static_cast<int16_t>(
        std::clamp(v, int{std::numeric_limits<int16_t>::min()}, int{std::numeric_limits<int16_t>::max()}));
}

} // namespace

int RangeGriglia(const Disegno& m)
{
    return std::clamp<int>(m.Range, 1, 30);
}

void CalcolaMappatura(const Disegno& m, Mappa& mp, int w, int h)
{
    const int range = RangeGriglia(m);
    const int16_t halfW = Arrotonda(static_cast<float>(w) / 2.0f);
    const int16_t halfH = Arrotonda(static_cast<float>(h) / 2.0f);
    float semi = halfH > halfW ? halfH : halfW;
    semi = Arrotonda(semi + static_cast<float>(range) / 2.0f);
    mp.SemiAmpiezza = semi;
    mp.PassoPixel = Arrotonda(semi / static_cast<float>(range));
    mp.OrigineX = Satura(m.TraslPianoX * mp.PassoPixel + halfW);
    mp.OrigineY = Satura(m.TraslPianoY * mp.PassoPixel + halfH);
}

CorniceGriglia Cornice(const Disegno& m, const Mappa& mp)
{
    const int range = RangeGriglia(m);
    const int p = mp.PassoPixel;
    return {mp.OrigineX - (m.TraslPianoX + range) * p, mp.OrigineX + (range - m.TraslPianoX) * p,
            mp.OrigineY - (m.TraslPianoY + range) * p, mp.OrigineY + (range - m.TraslPianoY) * p};
}

PuntoPixel PianoInPixel(const Disegno& m, const Mappa& mp, float x, float y)
{
    return {mp.OrigineX + static_cast<double>(x) * mp.PassoPixel / m.ScalaX,
            mp.OrigineY - static_cast<double>(y) * mp.PassoPixel / m.ScalaY};
}

PuntoPiano PixelInPiano(const Disegno& m, const Mappa& mp, double px, double py)
{
    return {(px - mp.OrigineX) * m.ScalaX / mp.PassoPixel, (mp.OrigineY - py) * m.ScalaY / mp.PassoPixel};
}

bool EntroLimiti(const Disegno& m, const Mappa& mp, float x, float y)
{
    const float a = static_cast<float>(std::fabs(mp.PassoPixel * static_cast<double>(x) / m.ScalaX));
    const float b = static_cast<float>(std::fabs(mp.PassoPixel * static_cast<double>(y) / m.ScalaY));
    return a <= LimitePixel && b <= LimitePixel;
}

} // namespace vellora
