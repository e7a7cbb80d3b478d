#include "plane/Mappatura.h"

#include "model/NumeriTesto.h"

#include <algorithm>
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

int RangeGriglia(const Modello& m)
{
    return std::clamp<int>(m.Range, 1, 30);
}

void CalcolaMappatura(Modello& m, int w, int h)
{
    const int range = RangeGriglia(m);
    const int16_t halfW = Arrotonda(static_cast<float>(w) / 2.0f);
    const int16_t halfH = Arrotonda(static_cast<float>(h) / 2.0f);
    float semi = halfH > halfW ? halfH : halfW;
    semi = Arrotonda(semi + static_cast<float>(range) / 2.0f);
    m.SemiAmpiezza = semi;
    m.PassoPixel = Arrotonda(semi / static_cast<float>(range));
    m.OrigineX = Satura(m.TraslPianoX * m.PassoPixel + halfW);
    m.OrigineY = Satura(m.TraslPianoY * m.PassoPixel + halfH);
}

CorniceGriglia Cornice(const Modello& m)
{
    const int range = RangeGriglia(m);
    const int p = m.PassoPixel;
    return {m.OrigineX - (m.TraslPianoX + range) * p, m.OrigineX + (range - m.TraslPianoX) * p,
            m.OrigineY - (m.TraslPianoY + range) * p, m.OrigineY + (range - m.TraslPianoY) * p};
}

PuntoPixel PianoInPixel(const Modello& m, float x, float y)
{
    return {m.OrigineX + static_cast<double>(x) * m.PassoPixel / m.ScalaX,
            m.OrigineY - static_cast<double>(y) * m.PassoPixel / m.ScalaY};
}

PuntoPiano PixelInPiano(const Modello& m, double px, double py)
{
    return {(px - m.OrigineX) * m.ScalaX / m.PassoPixel, (m.OrigineY - py) * m.ScalaY / m.PassoPixel};
}

} // namespace vellora
