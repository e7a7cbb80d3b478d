#include "plane/Quadranti.h"

#include "model/NumeriTesto.h"
#include "plane/Schermo.h"
#include "state/Programma.h"
#include "state/Registratore.h"

#include <array>
#include <limits>

namespace vellora {

namespace {

constexpr float Margine = 50.0f;

// The closing steps of every plane button: a shift is stored in the drawing.
void Concludi(Programma& p, const Disegno& prima)
{
    p.SegnaModifiche(prima);
    Ridisegna(p);
    p.Mostra();
}

// A shift stops at the bounds of its 16-bit value instead of wrapping round.
int16_t Passo(int16_t v, int d)
{
    const int r = v + d;
    return r > std::numeric_limits<int16_t>::max() || r < std::numeric_limits<int16_t>::min() ? v
                                                                                              : static_cast<int16_t>(r);
}

} // namespace

const std::string& ParolaTraslaPiano(DirezionePiano d)
{
    static const std::array<std::string, 4> parole = {"TraslaPianoDestra", "TraslaPianoSinistra", "TraslaPianoAlto",
                                                      "TraslaPianoBasso"};
    return parole[static_cast<size_t>(d)];
}

void TraslaPiano(Programma& p, DirezionePiano d)
{
    Disegno& m = p.d;
    const Disegno prima = m;
    switch (d) {
    case DirezionePiano::Destra:
        m.TraslPianoX = Passo(m.TraslPianoX, 1);
        break;
    case DirezionePiano::Sinistra:
        m.TraslPianoX = Passo(m.TraslPianoX, -1);
        break;
    case DirezionePiano::Alto: // y pixels grow downwards
        m.TraslPianoY = Passo(m.TraslPianoY, -1);
        break;
    case DirezionePiano::Basso:
        m.TraslPianoY = Passo(m.TraslPianoY, 1);
        break;
    }
    p.AccodaRigaMacro(ParolaTraslaPiano(d));
    Concludi(p, prima);
}

void ResettaPiano(Programma& p)
{
    const Disegno prima = p.d;
    p.d.TraslPianoX = 0;
    p.d.TraslPianoY = 0;
    Concludi(p, prima);
}

TraslazionePiano TraslazioneQuadrante(Quadrante q, int w, int h, int passoPixel)
{
    if (passoPixel <= 0)
        return {0, 0};
    const int16_t a = Arrotonda(static_cast<float>(w) / 2.0f - Margine);
    const int16_t b = Arrotonda(static_cast<float>(h) / 2.0f - Margine);
    const int16_t pp = Arrotonda(static_cast<float>(a) / static_cast<float>(passoPixel));
    const int16_t qq = Arrotonda(static_cast<float>(b) / static_cast<float>(passoPixel));
    switch (q) {
    case Quadrante::Primo:
        return {static_cast<int16_t>(-pp), qq};
    case Quadrante::Secondo:
        return {pp, qq};
    case Quadrante::Terzo:
        return {pp, static_cast<int16_t>(-qq)};
    case Quadrante::Quarto:
        break;
    }
    return {static_cast<int16_t>(-pp), static_cast<int16_t>(-qq)};
}

void MostraQuadrante(Programma& p, Quadrante q)
{
    const TraslazionePiano t = TraslazioneQuadrante(q, p.Larghezza(), p.Altezza(), p.mappa.PassoPixel);
    const Disegno prima = p.d;
    p.d.TraslPianoX = t.x;
    p.d.TraslPianoY = t.y;
    Concludi(p, prima);
}

} // namespace vellora
