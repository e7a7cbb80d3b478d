#include "files/SuperficieSvg.h"

#include "plane/Ridisegno.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace vellora {

namespace {

// Far outside any plane: only a damaged drawing gets there, and a viewer
// should not be asked to draw it.
bool Ragionevole(double v)
{
    return std::isfinite(v) && std::abs(v) < 1e7;
}

// Two decimals at most, with a point whatever the locale.
std::string Numero(double v)
{
    char testo[32];
    auto [fine, errore] = std::to_chars(testo, testo + sizeof testo, v, std::chars_format::fixed, 2);
    if (errore != std::errc{})
        return "0";
    std::string s(testo, fine);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string Colore(ColoreRgb c)
{
    char testo[8];
    std::snprintf(testo, sizeof testo, "#%02x%02x%02x", c.r, c.g, c.b);
    return testo;
}

std::string Penna(ColoreRgb colore, StileLinea stile, int fattore)
{
    const std::string larghezza = fattore > 1 ? " stroke-width=\"" + std::to_string(fattore) + "\"" : "";
    return " stroke=\"" + Colore(colore) + "\"" + larghezza + TrattoSvg(stile);
}

} // namespace

std::string TestoXml(const std::string& testo)
{
    std::string r;
    r.reserve(testo.size());
    for (char c : testo) {
        switch (c) {
        case '&':
            r += "&amp;";
            break;
        case '<':
            r += "&lt;";
            break;
        case '>':
            r += "&gt;";
            break;
        case '"':
            r += "&quot;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                r += c;
        }
    }
    return r;
}

// The screen's one-pixel pens: Qt's dots are one on, two off, its dashes
// four on, two off. A solid line covers its end points, as it does there.
std::string TrattoSvg(StileLinea stile)
{
    switch (stile) {
    case StileLinea::Punteggiato:
        return " stroke-dasharray=\"1,2\"";
    case StileLinea::Tratteggiato:
        return " stroke-dasharray=\"4,2\"";
    default:
        return " stroke-linecap=\"square\"";
    }
}

SuperficieSvg::SuperficieSvg(int larghezza, int altezza) : larghezza_(larghezza), altezza_(altezza) {}

void SuperficieSvg::Pulisci(ColoreRgb sfondo)
{
    tratto_.clear();
    corpo_.clear();
    sfondo_ = "<rect class=\"sfondo\" x=\"0\" y=\"0\" width=\"" + std::to_string(larghezza_) + "\" height=\"" +
              std::to_string(altezza_) + "\" fill=\"" + Colore(sfondo) + "\"/>\n";
}

void SuperficieSvg::ChiudiTratto()
{
    if (tratto_.size() == 2) {
        corpo_ += "<line x1=\"" + Numero(tratto_[0].first) + "\" y1=\"" + Numero(tratto_[0].second) + "\" x2=\"" +
                  Numero(tratto_[1].first) + "\" y2=\"" + Numero(tratto_[1].second) + "\"" +
                  Penna(coloreTratto_, stileTratto_, fattore_) + "/>\n";
    } else if (tratto_.size() > 2) {
        corpo_ += "<polyline points=\"";
        for (size_t i = 0; i < tratto_.size(); ++i) {
            if (i > 0)
                corpo_ += ' ';
            corpo_ += Numero(tratto_[i].first);
            corpo_ += ',';
            corpo_ += Numero(tratto_[i].second);
        }
        corpo_ += "\" fill=\"none\"" + Penna(coloreTratto_, stileTratto_, fattore_) + "/>\n";
    }
    tratto_.clear();
}

void SuperficieSvg::Linea(double x1, double y1, double x2, double y2, ColoreRgb colore, StileLinea stile)
{
    if (!Ragionevole(x1) || !Ragionevole(y1) || !Ragionevole(x2) || !Ragionevole(y2))
        return;
    const bool segue =
        !tratto_.empty() && colore == coloreTratto_ && stile == stileTratto_ && tratto_.back() == std::pair(x1, y1);
    if (!segue) {
        ChiudiTratto();
        tratto_.emplace_back(x1, y1);
        coloreTratto_ = colore;
        stileTratto_ = stile;
    }
    tratto_.emplace_back(x2, y2);
}

void SuperficieSvg::Punto(double x, double y, ColoreRgb colore)
{
    if (!Ragionevole(x) || !Ragionevole(y))
        return;
    ChiudiTratto();
    // The pixel whose centre is (x, y) once the half-pixel shift is applied.
    corpo_ += "<rect x=\"" + Numero(x - 0.5) + "\" y=\"" + Numero(y - 0.5) + "\" width=\"1\" height=\"1\" fill=\"" +
              Colore(colore) + "\"/>\n";
}

void SuperficieSvg::Cerchio(double x, double y, double raggio, ColoreRgb contorno, const ColoreRgb* riempimento,
                            StileLinea stile)
{
    if (!Ragionevole(x) || !Ragionevole(y) || !Ragionevole(raggio))
        return;
    ChiudiTratto();
    corpo_ += "<circle cx=\"" + Numero(x) + "\" cy=\"" + Numero(y) + "\" r=\"" + Numero(raggio) + "\" fill=\"" +
              (riempimento ? Colore(*riempimento) : std::string("none")) + "\"" + Penna(contorno, stile, fattore_) +
              "/>\n";
}

void SuperficieSvg::Testo(double x, double y, const std::string& testo, ColoreRgb colore)
{
    if (testo.empty() || !Ragionevole(x) || !Ragionevole(y))
        return;
    ChiudiTratto();
    // (x, y) is the text's top-left corner, as on the screen; SVG places the
    // baseline.
    const bool spesso = fattore_ > 1;
    const double scala = spesso ? TestoSpesso : 1.0;
    corpo_ += "<text x=\"" + Numero(x) + "\" y=\"" + Numero(y + AscesaTestoSvg * scala) + "\" fill=\"" +
              Colore(colore) + "\"" +
              (spesso ? " font-size=\"" + Numero(AltezzaTestoSvg * scala) + "\" font-weight=\"bold\"" : "") + ">" +
              TestoXml(testo) + "</text>\n";
}

void SuperficieSvg::ImpostaTratto(int fattore)
{
    // A polyline keeps one width: the next stroke starts a new one.
    if (fattore != fattore_)
        ChiudiTratto();
    fattore_ = std::max(1, fattore);
}

std::string SuperficieSvg::Documento()
{
    ChiudiTratto();
    const std::string w = std::to_string(larghezza_);
    const std::string h = std::to_string(altezza_);
    // Pixel (i, j) of the screen is the unit square from (i, j): whole-pixel
    // lines are shifted half a pixel to fill that square instead of blurring
    // over two.
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n" + sfondo_ +
           "<g transform=\"translate(0.5,0.5)\" stroke-width=\"1\" font-family=\"sans-serif\" font-size=\"" +
           Numero(AltezzaTestoSvg) + "\">\n" + corpo_ + "</g>\n</svg>\n";
}

} // namespace vellora
