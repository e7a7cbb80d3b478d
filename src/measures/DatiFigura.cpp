#include "measures/DatiFigura.h"

#include "model/Nomi.h"
#include "model/NumeriTesto.h"
#include "state/Programma.h"

#include <algorithm>
#include <cmath>

namespace vellora {

namespace {

const std::string Rientro = "   ";
const std::string Margine = "    ";
constexpr double DuePiGradi = 6.2831853;
constexpr double PiGreco = 3.14159265;

std::string Numero(double v)
{
    return FormattaNumero(v, "0.####");
}

void Chiudi(Disegno& m, int f, int n)
{
    if (NumeroPunti(m, f) == n) {
        ChiudiFigura(m, f);
        return;
    }
    m.Figure.X(f, n + 1) = m.Figure.X(f, 1);
    m.Figure.Y(f, n + 1) = m.Figure.Y(f, 1);
}

// Shoelace sum over the edges k..k+1; the closing copy must already be in
// slot n+1. Each step goes through double and back to float, so that large
// coordinates lose the same digits whatever the compiler keeps in registers.
float Area(const Disegno& m, int f, int n)
{
    float s = 0.0f;
    for (int k = 1; k <= n; ++k) {
        const double x = m.Figure.X(f, k), y = m.Figure.Y(f, k);
        const double xs = m.Figure.X(f, k + 1), ys = m.Figure.Y(f, k + 1);
        s = static_cast<float>(s + (ys - y) * x - (xs - x) * y);
    }
    return std::fabs(s / 2.0f);
}

float Lato(const Disegno& m, int f, int da, int a)
{
    return Distanza(m.Figure.X(f, da), m.Figure.Y(f, da), m.Figure.X(f, a), m.Figure.Y(f, a));
}

std::string TestoLati(const Disegno& m, int f, int n)
{
    if (n == 2)
        return "Distanza AB=" + Numero(Lato(m, f, 1, 2)) + ACapo;
    std::string t = "Lati:" + ACapo;
    float perimetro = 0.0f;
    for (int k = 1; k <= n; ++k) {
        const int dopo = k < n ? k + 1 : 1;
        const float lato = Lato(m, f, k, dopo);
        perimetro += lato;
        t += Margine + LetteraPunto(k) + LetteraPunto(dopo) + "=" + Numero(lato) + ACapo;
    }
    return t + "Perimetro=" + Numero(perimetro);
}

std::string TestoAltezzeERaggi(const Disegno& m, int f, float area)
{
    const float ab = Lato(m, f, 1, 2), bc = Lato(m, f, 2, 3), ca = Lato(m, f, 3, 1);
    std::string t = "Altezze:" + ACapo;
    const struct {
        const char* nome;
        float lato;
    } lati[] = {{"AB", ab}, {"BC", bc}, {"CA", ca}};
    for (const auto& l : lati)
        if (l.lato > 0.0f)
            t += Margine + "relativa " + l.nome + "= " + Numero(2.0f * area / l.lato) + ACapo;
    t += "Raggi circonferenze:" + ACapo;
    const float perimetro = ab + bc + ca;
    if (perimetro > 0.0f)
        t += Margine + "inscritta= " + Numero(area / (perimetro / 2.0f)) + ACapo;
    if (area > 0.0f)
        t += Margine + "circoscritta= " + Numero(ab * bc * ca / (4.0f * area));
    return t;
}

std::string TestoPoligono(const Disegno& m, int f, int n)
{
    std::string t = "Figura: " + ACapo;
    t += Rientro +
         (n == 1 ? std::string("punto") : NomiFigure[static_cast<size_t>(n)] + NomeColore(m.Figure.X(f, SlotColore))) +
         ACapo;
    t += "Vertici:" + ACapo;
    for (int k = 1; k <= n; ++k)
        t +=
            Rientro + LetteraPunto(k) + "(" + Numero(m.Figure.X(f, k)) + ";  " + Numero(m.Figure.Y(f, k)) + ")" + ACapo;
    if (n >= 2)
        t += TestoLati(m, f, n) + ACapo;
    if (n < 3)
        return t;
    const float area = Area(m, f, n);
    t += "Area=" + Numero(area) + ACapo;
    t += "Angoli (convessi):" + ACapo;
    for (int k = 1; k <= n; ++k) {
        const int prima = k > 1 ? k - 1 : n;
        const std::string angolo = TestoAngolo(m.Figure.X(f, prima), m.Figure.Y(f, prima), m.Figure.X(f, k),
                                               m.Figure.Y(f, k), m.Figure.X(f, k + 1), m.Figure.Y(f, k + 1));
        t += Margine + "in " + LetteraPunto(k) + "= " + angolo + ACapo;
    }
    if (n == 3)
        t += TestoAltezzeERaggi(m, f, area);
    return t;
}

std::string TestoCerchio(const Disegno& m, int f)
{
    const float r = Lato(m, f, 1, 2);
    const auto punto = [&](int k) {
        return LetteraPunto(k) + "(" + Numero(m.Figure.X(f, k)) + ", " + Numero(m.Figure.Y(f, k)) + ")";
    };
    std::string t = "Figura: " + ACapo;
    t += Rientro + "circonferenza in" + NomeColore(m.Figure.X(f, SlotColore)) + ACapo;
    t += "Centro:" + ACapo + Rientro + punto(1) + ACapo;
    t += "Punto B sulla circonf.:" + ACapo + Rientro + punto(2) + ACapo;
    t += "Raggio:" + ACapo + Rientro + Numero(r) + ACapo;
    t += "Lunghezza della circonf.:" + ACapo + Rientro + Numero(r * DuePiGradi) + ACapo;
    t += "Area:" + ACapo + Rientro + Numero(static_cast<double>(r) * r * PiGreco) + ACapo;
    return t;
}

} // namespace

float AreaPoligono(Disegno& m, int f)
{
    const int n = PuntiValidi(m, f);
    Chiudi(m, f, n);
    return Area(m, f, n);
}

std::string TestoAngolo(float px, float py, float qx, float qy, float rx, float ry)
{
    const float a = Distanza(px, py, qx, qy);
    const float b = Distanza(qx, qy, rx, ry);
    const float c = Distanza(px, py, rx, ry);
    double p = (static_cast<double>(a) + b + c) / 2.0;
    if ((p - a) * p * (p - b) * (p - c) < 0.0)
        p = 0.0; // rounding on a flat triangle: its area is 0
    const double area = std::sqrt(std::max(0.0, (p - a) * p * (p - b) * (p - c)));
    const double ab = static_cast<double>(a) * b;
    if (ab == 0.0)
        return "non definito";
    const float seno = static_cast<float>(2.0 * area / ab);
    if (seno >= 1.0f)
        return "90°";
    const double a2 = static_cast<double>(a) * a, b2 = static_cast<double>(b) * b, c2 = static_cast<double>(c) * c;
    const double acuto = std::atan(seno / std::sqrt(1.0 - static_cast<double>(seno) * seno)) * 360.0 / DuePiGradi;
    double angolo = 90.0; // c² = a² + b² exactly: a right angle, though rounding kept the sine below 1
    if (c2 < a2 + b2)
        angolo = acuto;
    else if (c2 > a2 + b2)
        angolo = 180.0 - acuto;
    return Numero(static_cast<float>(angolo)) + "°";
}

std::string TestoDatiFigura(Disegno& m)
{
    const int f = m.FiguraAttiva;
    const int n = PuntiValidi(m, f);
    Chiudi(m, f, n);
    return IsCerchio(m, f) ? TestoCerchio(m, f) : TestoPoligono(m, f, n);
}

int LunghezzaTesto(const std::string& testo)
{
    // Continuation bytes (10xxxxxx) belong to the character before them, and
    // the box shows a CR LF as one line end.
    return static_cast<int>(std::count_if(testo.begin(), testo.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80 && ch != '\r';
    }));
}

void AggiornaDati(Programma& p)
{
    if (!p.voci.Spuntata(Voce::MnuVisualizzaDati) || p.d.NumeroFigure == 0)
        return;
    p.testi.TestoDati = TestoDatiFigura(p.d);
    // A circle's text leaves the caret alone; otherwise the caret goes back to
    // where the user last clicked, as a fraction of the text.
    p.testi.CursoreDati =
        IsCerchio(p.d, p.d.FiguraAttiva)
            ? -1
            : static_cast<int>(std::lround(p.sessione.PosizioneDati * LunghezzaTesto(p.testi.TestoDati)));
}

void AlternaDati(Programma& p)
{
    if (p.voci.Spuntata(Voce::MnuVisualizzaDati)) {
        p.voci.Spunta(Voce::MnuVisualizzaDati, false);
        p.testi.DatiVisibili = false;
    } else {
        p.voci.Spunta(Voce::MnuVisualizzaDati, true);
        p.testi.DatiVisibili = true;
        p.sessione.PosizioneDati = 0.0f;
        AggiornaDati(p);
    }
    p.Mostra();
}

} // namespace vellora
