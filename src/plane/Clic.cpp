// Clicks on the plane: selection, point O, and the dispatch of the buttons.
#include "measures/DatiFigura.h"
#include "plane/Mappatura.h"
#include "plane/Mouse.h"
#include "plane/Schermo.h"
#include "state/Programma.h"
#include "state/Selezione.h"
#include "state/Storia.h"

namespace vellora {

namespace {

PuntoPiano Piano(const Programma& p, double px, double py)
{
    return PixelInPiano(p.d, p.mappa, px, py);
}

} // namespace

void SelezionaPresa(Programma& p)
{
    Disegno& m = p.d;
    const int f = p.mouse.FiguraPresa;
    const int k = p.mouse.VerticePreso;
    // The hover result may be older than a deletion made from the keyboard.
    const bool presa = f > 0 && f <= m.NumeroFigure && k <= NumeroPunti(m, f);
    if (presa) {
        m.FiguraAttiva = static_cast<uint8_t>(f);
        m.VerticeAttivo = static_cast<uint8_t>(k);
        p.TestiFigura();
        p.testi.CampoVertice = TestoVertice(p);
        RegistraSelezione(p);
        p.AzzeraTotali();
    }
    Ridisegna(p);
    AggiornaDati(p);
    p.Mostra();
}

void PosizionaO(Programma& p, float x, float y)
{
    const Disegno prima = p.d;
    p.d.CentroX = x;
    p.d.CentroY = y;
    p.SegnaModifiche(prima);
    Ridisegna(p);
    p.Mostra();
}

void MousePremuto(Programma& p, int pulsante, int tasti, double px, double py)
{
    const PuntoPiano q = Piano(p, px, py);
    const auto x = static_cast<float>(q.x);
    const auto y = static_cast<float>(q.y);
    if (pulsante == PulsanteSinistro && tasti == 0)
        SelezionaPresa(p);
    else if (pulsante == PulsanteSinistro && tasti == TastoShift)
        EseguiPasso(p, "punto O", [&] { PosizionaO(p, x, y); });
    else if (pulsante == PulsanteDestro && tasti == 0 && p.d.NumeroFigure > 0)
        PreparaSpostamento(p, x, y);
}

void MouseRilasciato(Programma& p, int pulsante, int tasti)
{
    if (pulsante != PulsanteDestro)
        return;
    const bool pronto = p.mouse.SpostamentoPronto;
    p.mouse.SpostamentoPronto = false;
    if (pronto && tasti == 0)
        EseguiPasso(p, "spostamento", [&] { ApplicaSpostamento(p); });
}

float PosizioneDaClic(double s, double lunghezza)
{
    // Exactly at two thirds counts as the middle: the three bands then cover
    // every position.
    if (s <= lunghezza / 3)
        return 0.0f;
    if (s > 2 * lunghezza / 3)
        return 1.0f;
    return 2.0f / 3.0f;
}

void ClicDati(Programma& p, int posizione, int lunghezza)
{
    p.sessione.PosizioneDati = PosizioneDaClic(posizione, lunghezza);
}

} // namespace vellora
