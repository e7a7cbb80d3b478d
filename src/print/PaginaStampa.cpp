#include "print/PaginaStampa.h"

#include "model/NumeriTesto.h"
#include "plane/Contorno.h"
#include "plane/Mappatura.h"

#include <algorithm>

namespace vellora {

namespace {

// Printer ink: palette colour 0.
ColoreRgb Nero()
{
    return ColoreDaCodice(0.0f);
}

constexpr double LunghezzaTacca = 50.0;
constexpr double BraccioCroce = 15.0;
constexpr double ScartoValoreX = 80.0; // a value starts left of its tick
constexpr double ScartoValore = 50.0;  // below the x axis, right of the y axis
constexpr double MargineAlto = 100.0;  // no value in the top strip

const std::string FormatoValori = "0.###";

} // namespace

MappaturaStampa CalcolaMappaturaStampa(const Disegno& m, float larghezza, float altezza, float fattore)
{
    const int range = RangeGriglia(m);
    const int16_t pw = Arrotonda(larghezza / 2.0f);
    const int16_t ph = Arrotonda(altezza / 2.0f);
    const float semiPagina = Arrotonda(static_cast<float>(pw) + static_cast<float>(range) / 2.0f);
    MappaturaStampa r;
    r.SemiLatoStampa = semiPagina * fattore;
    r.PassoStampa = Arrotonda(r.SemiLatoStampa / static_cast<float>(range));
    r.OrigineStampaX = static_cast<float>(m.TraslPianoX) * r.PassoStampa + pw;
    r.OrigineStampaY = static_cast<float>(m.TraslPianoY) * r.PassoStampa + ph;
    return r;
}

PaginaStampa::PaginaStampa(const Disegno& m, Superficie& s, float larghezza, float altezza, float fattore,
                           bool righello)
    : m_(m), s_(s), larghezza_(larghezza), altezza_(altezza), fattore_(fattore), righello_(righello)
{
}

void PaginaStampa::Stampa()
{
    // The plane goes down twice, the second time over the circles.
    StPianoCartesiano();
    StTracciaCirconferenze();
    StPianoCartesiano();
    StTracciaFigure();
}

double PaginaStampa::ColonnaX(int i) const
{
    return static_cast<double>(i - m_.TraslPianoX) * mappa_.PassoStampa + mappa_.OrigineStampaX;
}

double PaginaStampa::RigaY(int i) const
{
    return static_cast<double>(i - m_.TraslPianoY) * mappa_.PassoStampa + mappa_.OrigineStampaY;
}

PaginaStampa::Cornice PaginaStampa::Bordi(int range) const
{
    const double p = mappa_.PassoStampa;
    const double ox = mappa_.OrigineStampaX;
    const double oy = mappa_.OrigineStampaY;
    return {ox - (m_.TraslPianoX + range) * p, (range - m_.TraslPianoX) * p + ox, oy - (m_.TraslPianoY + range) * p,
            (range - m_.TraslPianoY) * p + oy};
}

void PaginaStampa::Tacche(int i)
{
    const double ox = mappa_.OrigineStampaX;
    const double oy = mappa_.OrigineStampaY;
    const double x = ColonnaX(i);
    s_.Linea(x, oy + LunghezzaTacca, x, oy, Nero(), StileLinea::Continuo);
    const double y = RigaY(i);
    s_.Linea(ox - LunghezzaTacca, y, ox, y, Nero(), StileLinea::Continuo);
}

void PaginaStampa::Griglia(int range)
{
    const double p = mappa_.PassoStampa;
    const double oy = mappa_.OrigineStampaY;
    const Cornice c = Bordi(range);
    switch (m_.TipoGriglia) {
    case GrigliaRighe:
        for (int i = -range; i <= range; ++i) {
            const double y = oy - (m_.TraslPianoY + i) * p;
            s_.Linea(c.xL, y, c.xR, y, Nero(), StileLinea::Punteggiato);
            const double x = ColonnaX(i);
            s_.Linea(x, c.yT, x, c.yB, Nero(), StileLinea::Punteggiato);
        }
        break;
    case GrigliaTacche:
        for (int i = -range; i <= range; ++i)
            Tacche(i);
        break;
    case GrigliaPunti:
        // A cross is a row of 31 one-twip dots each way: drawn as two short
        // lines, which put the same ink on paper with 2 marks instead of 62.
        for (int i = 1 - range; i <= range - 1; ++i) {
            const double x = ColonnaX(i);
            for (int j = 1 - range; j <= range - 1; ++j) {
                const double y = RigaY(j);
                s_.Linea(x - BraccioCroce, y, x + BraccioCroce, y, Nero(), StileLinea::Continuo);
                s_.Linea(x, y - BraccioCroce, x, y + BraccioCroce, Nero(), StileLinea::Continuo);
            }
            Tacche(i);
        }
        break;
    default:
        break;
    }
}

void PaginaStampa::StPianoCartesiano()
{
    const int range = RangeGriglia(m_);
    mappa_ = CalcolaMappaturaStampa(m_, larghezza_, altezza_, fattore_);
    Griglia(range);

    const double p = mappa_.PassoStampa;
    const double ox = mappa_.OrigineStampaX;
    const double oy = mappa_.OrigineStampaY;
    const Cornice c = Bordi(range);
    s_.Linea(c.xL, oy, c.xR + 1, oy, Nero(), StileLinea::Continuo);
    s_.Linea(ox, c.yT, ox, c.yB + 1, Nero(), StileLinea::Continuo);

    if (righello_) {
        StRighello();
        return;
    }
    s_.Testo(ox + p - ScartoValoreX, oy + ScartoValore, FormattaNumero(m_.ScalaX, FormatoValori), Nero());
    s_.Testo(ox + ScartoValore, oy - p, FormattaNumero(m_.ScalaY, FormatoValori), Nero());
}

void PaginaStampa::StRighello()
{
    const int range = RangeGriglia(m_);
    const double ox = mappa_.OrigineStampaX;
    const double oy = mappa_.OrigineStampaY;
    for (int i = 1 - range; i <= range - 1; i += 2) {
        // Values past the right edge, in the top strip or below the page are
        // left out; nothing stops one on the left.
        if (i != m_.TraslPianoX) {
            const double x = ColonnaX(i) - ScartoValoreX;
            if (x < larghezza_ - ScartoValoreX) {
                const float v = static_cast<float>(i - m_.TraslPianoX) * m_.ScalaX;
                s_.Testo(x, oy + ScartoValore, FormattaNumero(v, FormatoValori), Nero());
            }
        }
        if (i != m_.TraslPianoY) {
            const double y = RigaY(i);
            if (y > MargineAlto && y < altezza_) {
                const float v = static_cast<float>(m_.TraslPianoY - i) * m_.ScalaY;
                s_.Testo(ox + ScartoValore, y, FormattaNumero(v, FormatoValori), Nero());
            }
        }
    }
}

void PaginaStampa::StTracciaFigura(int f)
{
    if (PuntiValidi(m_, f) == 1)
        return;
    const StileLinea stile =
        m_.Figure.Y(f, SlotColore) != TrattoPieno ? StileLinea::Tratteggiato : StileLinea::Continuo;
    const Proiezione pr{mappa_.PassoStampa, mappa_.OrigineStampaX, mappa_.OrigineStampaY, m_.ScalaX, m_.ScalaY};
    TracciaContorno(m_, f, pr, Nero(), stile, Chiusura::Sempre, s_);
}

void PaginaStampa::StTracciaCirconferenze()
{
    const int numero = std::min<int>(m_.NumeroFigure, MaxFigure);
    for (int f = 1; f <= numero; ++f)
        if (IsCerchio(m_, f))
            StTracciaFigura(f);
}

void PaginaStampa::StTracciaFigure()
{
    const int numero = std::min<int>(m_.NumeroFigure, MaxFigure);
    for (int f = 1; f <= numero; ++f)
        if (m_.Figure.Y(f, 0) == 0.0f)
            StTracciaFigura(f);
}

bool StampaDocumento(const Disegno& m, bool righello, float fattore, Orientamento orientamento, Stampante& stampante)
{
    stampante.ImpostaOrientamento(orientamento);
    Superficie* pagina = stampante.IniziaDocumento();
    if (!pagina)
        return false;
    PaginaStampa(m, *pagina, stampante.LarghezzaStampabile(), stampante.AltezzaStampabile(), fattore, righello)
        .Stampa();
    stampante.FineDocumento();
    return true;
}

} // namespace vellora
