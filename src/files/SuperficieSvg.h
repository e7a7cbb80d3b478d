#pragma once
// The drawing surface as an SVG 1.1 document, for worksheets that need the
// plane at any size: lines stay lines and texts stay texts, so a word
// processor or a browser can scale and edit them. Coordinates are the
// screen's pixels, the document is as large as the plane window would be.
#include "state/Superficie.h"

#include <string>
#include <utility>
#include <vector>

namespace vellora {

// The size and baseline of the texts, close to the screen's default font.
inline constexpr double AltezzaTestoSvg = 12.0;
inline constexpr double AscesaTestoSvg = 11.0;

class SuperficieSvg : public Superficie {
public:
    SuperficieSvg(int larghezza, int altezza);

    void Pulisci(ColoreRgb sfondo) override;
    void Linea(double x1, double y1, double x2, double y2, ColoreRgb colore, StileLinea stile) override;
    void Punto(double x, double y, ColoreRgb colore) override;
    void Cerchio(double x, double y, double raggio, ColoreRgb contorno, const ColoreRgb* riempimento,
                 StileLinea stile = StileLinea::Continuo) override;
    void Testo(double x, double y, const std::string& testo, ColoreRgb colore) override;
    void ImpostaTratto(int fattore) override;
    int Tratto() const override { return fattore_; }

    // The whole document, UTF-8.
    std::string Documento();

private:
    void ChiudiTratto();

    int larghezza_;
    int altezza_;
    std::string sfondo_;
    std::string corpo_;
    // The line being drawn: a segment that starts where the previous one of
    // the same pen ended continues it, so an outline is one polyline.
    std::vector<std::pair<double, double>> tratto_;
    ColoreRgb coloreTratto_{};
    StileLinea stileTratto_ = StileLinea::Continuo;
    int fattore_ = 1;
};

// The text with & < > " as XML entities and the control characters XML
// cannot hold dropped; other bytes, UTF-8 included, pass as they are.
std::string TestoXml(const std::string& testo);

// The stroke attributes of a line style: nothing for a solid line, a
// stroke-dasharray for the others.
std::string TrattoSvg(StileLinea stile);

} // namespace vellora
