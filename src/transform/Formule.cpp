#include "transform/Formule.h"

#include <cmath>
#include <limits>

namespace vellora {

namespace {

static_assert(std::numeric_limits<float>::is_iec559, "an overflowing result must round to infinity");

// Rounds a double result to single precision; past the float range IEEE
// rounding gives an infinity, which the caller reports.
float Singola(double v)
{
    return static_cast<float>(v);
}

} // namespace

Formula::Formula(const Applicazione& a) : a_(a)
{
    if (a.tipo != Trasformazione::Simm4)
        return;
    const ParametriTrasformazione& par = a.parametri;
    const float d = Singola(static_cast<double>(par.PuntoPX) - a.CentroX);
    verticale_ = d == 0.0f;
    if (verticale_)
        return;
    m_ = Singola((static_cast<double>(par.PuntoPY) - a.CentroY) / d);
    q_ = Singola(static_cast<double>(a.CentroY) - static_cast<double>(a.CentroX) * m_);
}

PuntoF Formula::operator()(float xf, float yf) const
{
    const ParametriTrasformazione& par = a_.parametri;
    const double x = xf;
    const double y = yf;
    const double a = a_.CentroX;
    const double b = a_.CentroY;
    const double segno = a_.inversa ? -1.0 : 1.0;
    switch (a_.tipo) {
    case Trasformazione::Simm1:
        return {Singola(a + a - x), yf};
    case Trasformazione::Simm2:
        return {xf, Singola(b + b - y)};
    case Trasformazione::Simm3:
        return {Singola(a + a - x), Singola(b + b - y)};
    case Trasformazione::Simm4: {
        if (verticale_)
            return {Singola(a + a - x), yf};
        const double m = m_;
        const double q = q_;
        const double m2 = std::pow(m, 2);
        return {Singola((x - m2 * x - 2 * m * q + 2 * m * y) / (m2 + 1)),
                Singola((m2 * y - y + 2 * m * x + 2 * q) / (m2 + 1))};
    }
    case Trasformazione::Trasla1:
        return {Singola(x + segno * par.TraslX), yf};
    case Trasformazione::Trasla2:
        return {xf, Singola(y + segno * par.TraslY)};
    case Trasformazione::Trasla3:
        return {Singola(x + segno * par.TraslX), Singola(y + segno * par.TraslY)};
    case Trasformazione::Ruota: {
        const double t = segno * par.AngoloRadianti;
        const double c = std::cos(t);
        const double s = std::sin(t);
        return {Singola((x - a) * c - (y - b) * s + a), Singola((y - b) * c + (x - a) * s + b)};
    }
    case Trasformazione::Omotetia: {
        const double k = par.CoeffOmotetia;
        if (a_.inversa)
            return {Singola((x - a) / k + a), Singola((y - b) / k + b)};
        return {Singola((x - a) * k + a), Singola((y - b) * k + b)};
    }
    case Trasformazione::Stir1: {
        const double h = par.StirOriz;
        return {Singola(a_.inversa ? (x - a) / h + a : (x - a) * h + a), yf};
    }
    case Trasformazione::Stir2: {
        const double v = par.StirVert;
        return {xf, Singola(a_.inversa ? (y - b) / v + b : (y - b) * v + b)};
    }
    }
    return {xf, yf};
}

} // namespace vellora
