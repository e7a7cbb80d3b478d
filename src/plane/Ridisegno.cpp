#include "plane/Ridisegno.h"

#include "model/NumeriTesto.h"
#include "plane/Contorno.h"
#include "plane/Mappatura.h"

#include <algorithm>
#include <array>

namespace vellora {

namespace {

// Built once: the redraw runs on every mouse move while dragging, and the
// texts below are passed by reference on every call.
const std::string& FormatoTacche()
{
    static const std::string formato = "0.###";
    return formato;
}

const std::string& EtichettaO()
{
    static const std::string o = "O";
    return o;
}

const std::string& Nessuna()
{
    static const std::string vuota;
    return vuota;
}

// The letters "A".."T", built once.
const std::string& Lettera(int k)
{
    static const auto lettere = [] {
        std::array<std::string, MaxPunti + 1> l{};
        for (int i = 1; i <= MaxPunti; ++i)
            l[static_cast<size_t>(i)] = LetteraPunto(i);
        return l;
    }();
    return lettere[static_cast<size_t>(std::clamp(k, 0, MaxPunti))];
}

constexpr double ScartoVertice = -10.0; // label left of a vertex
constexpr double ScartoPunto = 5.0;     // label right of point O and of picked points

ColoreRgb Codice(int c)
{
    return ColoreDaCodice(static_cast<float>(c));
}

// The label takes the marker's colour: setting the outline colour sets the
// text colour too, which is also why the ruler-off tick values come out white
// right after point O.
void Marca(const Disegno& m, const Mappa& mp, float x, float y, ColoreRgb c, const std::string& etichetta, int pieno,
           double scarto, Superficie& s)
{
    const PuntoPixel p = PianoInPixel(m, mp, x, y);
    const int tratto = s.Tratto();
    s.Cerchio(p.x, p.y, 2.0 * tratto, c, pieno == 0 ? &c : nullptr);
    // The larger text of a thick stroke needs about twice the room.
    if (!etichetta.empty())
        s.Testo(p.x + (tratto > 1 ? 2 * scarto : scarto), p.y, etichetta, c);
}

void Griglia(const Disegno& m, const Mappa& mp, int range, const CorniceGriglia& g, uint8_t intensita, Superficie& s)
{
    const int p = mp.PassoPixel;
    const int ox = mp.OrigineX;
    const int oy = mp.OrigineY;
    const ColoreRgb grigio = Codice(CodiceGrigio);
    const auto tacche = [&](int i) {
        const double x = ox + (i - m.TraslPianoX) * p;
        s.Linea(x, oy, x, oy + 5, grigio, StileLinea::Continuo);
        const double y = oy + (i - m.TraslPianoY) * p;
        s.Linea(ox - 3, y, ox, y, grigio, StileLinea::Continuo);
    };
    switch (m.TipoGriglia) {
    case GrigliaRighe: {
        const ColoreRgb righe{0, intensita, 170};
        const ColoreRgb colonne{0, static_cast<uint8_t>(std::min(255, intensita + 15)), 170};
        for (int i = -range; i <= range; ++i) {
            const double y = oy - (m.TraslPianoY + i) * p;
            s.Linea(g.xSinistra, y, g.xDestra, y, righe, StileLinea::Continuo);
            const double x = ox + (i - m.TraslPianoX) * p;
            s.Linea(x, g.yAlto, x, g.yBasso, colonne, StileLinea::Continuo);
        }
        break;
    }
    case GrigliaTacche:
        for (int i = -range; i <= range; ++i)
            tacche(i);
        break;
    case GrigliaPunti: {
        const ColoreRgb verde = Codice(CodiceVerdeChiaro);
        for (int i = -range; i <= range; ++i) {
            const double x = ox + (i - m.TraslPianoX) * p;
            for (int j = -range; j <= range; ++j)
                s.Punto(x, oy + (j - m.TraslPianoY) * p, verde);
            tacche(i);
        }
        break;
    }
    default:
        break;
    }
}

void ValoriTacche(const Disegno& m, const Mappa& mp, int range, const OpzioniPiano& opzioni, Superficie& s)
{
    const int p = mp.PassoPixel;
    const int ox = mp.OrigineX;
    const int oy = mp.OrigineY;
    if (!opzioni.Righello) {
        const ColoreRgb bianco = Codice(CodiceBianco);
        s.Testo(ox + p - 7, oy, FormattaNumero(m.ScalaX, FormatoTacche()), bianco);
        s.Testo(ox + 2, oy - p - 1, FormattaNumero(m.ScalaY, FormatoTacche()), bianco);
        return;
    }
    const ColoreRgb verde = Codice(CodiceVerdeChiaro);
    for (int i = -range; i <= range; i += 2) {
        // The tick values are single-precision products, as the figures are.
        if (i != m.TraslPianoX) {
            const float v = static_cast<float>(i - m.TraslPianoX) * m.ScalaX;
            s.Testo(ox + (i - m.TraslPianoX) * p - 7, oy, FormattaNumero(v, FormatoTacche()), verde);
        }
        if (i != m.TraslPianoY) {
            const float v = static_cast<float>(m.TraslPianoY - i) * m.ScalaY;
            s.Testo(ox + 2, oy + (i - m.TraslPianoY) * p - 1, FormattaNumero(v, FormatoTacche()), verde);
        }
    }
}

void AsseVerticale(const Disegno& m, const Mappa& mp, const CorniceGriglia& g, Superficie& s)
{
    if (m.CentroX != 0.0f) {
        const PuntoPixel o = PianoInPixel(m, mp, m.CentroX, m.CentroY);
        s.Linea(o.x, g.yAlto, o.x, g.yBasso + 1, Codice(CodiceVerdeChiaro), StileLinea::Punteggiato);
    }
}

void AsseOrizzontale(const Disegno& m, const Mappa& mp, const CorniceGriglia& g, Superficie& s)
{
    if (m.CentroY != 0.0f) {
        const PuntoPixel o = PianoInPixel(m, mp, m.CentroX, m.CentroY);
        s.Linea(g.xSinistra, o.y, g.xDestra + 1, o.y, Codice(CodiceVerdeChiaro), StileLinea::Punteggiato);
    }
}

void SegniSelezione(const Disegno& m, const Mappa& mp, int f, int n, Superficie& s)
{
    const int fa = m.FiguraAttiva;
    const int va = m.VerticeAttivo;
    if (va > 0) {
        if (fa >= 1 && fa <= MaxFigure && va <= MaxPunti)
            SegnaVertice(m, mp, m.Figure.X(fa, va), m.Figure.Y(fa, va), CodiceRosso, Lettera(va), 0, s);
        return;
    }
    if (f != fa)
        return;
    for (int k = 1; k <= n; ++k)
        SegnaVertice(m, mp, m.Figure.X(f, k), m.Figure.Y(f, k), CodiceRosso, Lettera(k), 1, s);
}

} // namespace

void SegnaVertice(const Disegno& m, const Mappa& mp, float x, float y, int colore, const std::string& etichetta,
                  int pieno, Superficie& s)
{
    Marca(m, mp, x, y, Codice(colore), etichetta, pieno, ScartoVertice, s);
}

void SegnaPunto(const Disegno& m, const Mappa& mp, float x, float y, int colore, const std::string& etichetta,
                int pieno, Superficie& s)
{
    Marca(m, mp, x, y, Codice(colore), etichetta, pieno, ScartoPunto, s);
}

void DisegnaPiano(const Disegno& m, Mappa& mp, int w, int h, const OpzioniPiano& opzioni, Superficie& s)
{
    CalcolaMappatura(m, mp, w, h);
    s.ImpostaTratto(1); // a thick grid would bury the figures
    s.Pulisci(SfondoPiano);
    const int range = RangeGriglia(m);
    const CorniceGriglia g = Cornice(m, mp);
    Griglia(m, mp, range, g, opzioni.IntensitaGriglia, s);
    // Every full redraw starts here: the figures drawn next keep the stroke.
    s.ImpostaTratto(opzioni.Tratto);

    const ColoreRgb bianco = Codice(CodiceBianco);
    s.Linea(g.xSinistra, mp.OrigineY, g.xDestra + 1, mp.OrigineY, bianco, StileLinea::Continuo);
    s.Linea(mp.OrigineX, g.yAlto, mp.OrigineX, g.yBasso + 1, bianco, StileLinea::Continuo);

    SegnaPunto(m, mp, m.CentroX, m.CentroY, CodiceBianco, EtichettaO(), 0, s);
    ValoriTacche(m, mp, range, opzioni, s);
    if (opzioni.AssiPerO) {
        AsseVerticale(m, mp, g, s);
        AsseOrizzontale(m, mp, g, s);
    }
}

void DisegnaFigura(const Disegno& m, const Mappa& mp, int f, Superficie& s)
{
    const int n = PuntiValidi(m, f);
    const bool attiva = f == m.FiguraAttiva;
    if (n == 1) {
        SegnaVertice(m, mp, m.Figure.X(f, 1), m.Figure.Y(f, 1), CodiceRosso, attiva ? Lettera(1) : Nessuna(),
                     attiva ? 0 : 1, s);
        return;
    }
    const StileLinea stile = m.Figure.Y(f, SlotColore) != TrattoPieno ? StileLinea::Punteggiato : StileLinea::Continuo;
    const ColoreRgb c = ColoreDaCodice(m.Figure.X(f, SlotColore));
    TracciaContorno(m, f, ProiezioneSchermo(m, mp), c, stile, Chiusura::SoloPoligoni, s);
    if (IsCerchio(m, f)) {
        Marca(m, mp, m.Figure.X(f, 1), m.Figure.Y(f, 1), c, Nessuna(), 1, ScartoVertice, s);
        Marca(m, mp, m.Figure.X(f, 2), m.Figure.Y(f, 2), c, Nessuna(), 1, ScartoVertice, s);
    }
    SegniSelezione(m, mp, f, n, s);
}

void DisegnaFigure(const Disegno& m, const Mappa& mp, Superficie& s)
{
    const int numero = std::min<int>(m.NumeroFigure, MaxFigure);
    for (int f = 1; f <= numero; ++f)
        DisegnaFigura(m, mp, f, s);
    if (numero > 0 && m.FiguraAttiva >= 1 && m.FiguraAttiva <= numero)
        DisegnaFigura(m, mp, m.FiguraAttiva, s);
}

void DisegnaAsseVerticale(const Disegno& m, const Mappa& mp, Superficie& s)
{
    AsseVerticale(m, mp, Cornice(m, mp), s);
}

void DisegnaAsseOrizzontale(const Disegno& m, const Mappa& mp, Superficie& s)
{
    AsseOrizzontale(m, mp, Cornice(m, mp), s);
}

} // namespace vellora
