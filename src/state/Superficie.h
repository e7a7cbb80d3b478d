#pragma once
// The drawing surface the redraw paints on: the screen canvas, the printer
// and the exported bitmap each implement it once; tests record the calls.
// Coordinates are floating-point device units (pixels on the screen, twips
// on the printed page), (0, 0) top left, y downwards.
#include "model/Nomi.h"

#include <string>

namespace vellora {

// Dashed lines are the page's: the window shows a dashed outline dotted.
enum class StileLinea { Continuo, Punteggiato, Tratteggiato };

class Superficie {
public:
    virtual ~Superficie() = default;

    virtual void Pulisci(ColoreRgb sfondo) = 0;
    // A line includes both end points.
    virtual void Linea(double x1, double y1, double x2, double y2, ColoreRgb colore, StileLinea stile) = 0;
    virtual void Punto(double x, double y, ColoreRgb colore) = 0;
    // riempimento == nullptr leaves the interior untouched. The outline follows
    // the line style like a line does: a dotted circle stays dotted.
    virtual void Cerchio(double x, double y, double raggio, ColoreRgb contorno, const ColoreRgb* riempimento,
                         StileLinea stile = StileLinea::Continuo) = 0;
    // The text's top-left corner stands at (x, y).
    virtual void Testo(double x, double y, const std::string& testo, ColoreRgb colore) = 0;

    // A factor for a projector: lines that many times as wide, texts larger.
    // A surface that cannot widen its lines keeps 1.
    virtual void ImpostaTratto(int fattore) { (void)fattore; }
    virtual int Tratto() const { return 1; }
};

// Takes every call and draws nothing: a window not painted yet keeps the
// redraw's bookkeeping (the plane's map) without a canvas to fill.
class SuperficieNulla : public Superficie {
public:
    void Pulisci(ColoreRgb) override {}
    void Linea(double, double, double, double, ColoreRgb, StileLinea) override {}
    void Punto(double, double, ColoreRgb) override {}
    void Cerchio(double, double, double, ColoreRgb, const ColoreRgb*, StileLinea) override {}
    void Testo(double, double, const std::string&, ColoreRgb) override {}
    void ImpostaTratto(int fattore) override { tratto_ = fattore; }
    int Tratto() const override { return tratto_; }

private:
    int tratto_ = 1;
};

} // namespace vellora
