#pragma once
// The eleven plane transformations as values, and the point formulas. Pure:
// the toolbar click, the settings dialogs, the macro writer and the macro
// player all describe a transformation with the same small value.
#include "model/Parametri.h"

namespace vellora {

// In the order of the rows of Descrittori.cpp.
enum class Trasformazione { Simm1, Simm2, Simm3, Simm4, Trasla1, Trasla2, Trasla3, Ruota, Omotetia, Stir1, Stir2 };

// One transformation as a click applies it: kind, direction and the values
// in force (point O lives in the drawing model, the rest in the parameters).
struct Applicazione {
    Trasformazione tipo = Trasformazione::Simm1;
    bool inversa = false;
    float CentroX = 0.0f;
    float CentroY = 0.0f;
    ParametriTrasformazione parametri;
};

struct PuntoF {
    float x;
    float y;
    bool operator==(const PuntoF&) const = default;
};

// The map of one application, ready for every point of a figure. The line OP
// is settled here, once per click, in single precision: its slope and
// intercept are stored as floats before any point is reflected, and a zero
// horizontal distance between O and P (P = O included) means the vertical
// line through O.
class Formula {
public:
    explicit Formula(const Applicazione& a);

    // New coordinates from the old ones only, computed in double precision
    // and rounded to single precision. A result beyond the float range comes
    // back infinite (or NaN for 0/0); the caller decides what that means.
    PuntoF operator()(float x, float y) const;

    // The line OP as reflected in: vertical x = CentroX, or y = m x + q.
    bool RettaVerticale() const { return verticale_; }
    float Pendenza() const { return m_; }
    float Intercetta() const { return q_; }

private:
    Applicazione a_;
    bool verticale_ = false;
    float m_ = 0.0f;
    float q_ = 0.0f;
};

} // namespace vellora
