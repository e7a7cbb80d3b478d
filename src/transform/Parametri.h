#pragma once
// Transformation parameters shared by the toolbar, the settings dialogs, the
// drawing file and the macros, and the totals shown in the status bar.
#include <array>
#include <string>

namespace vellora {

// The rotation keeps its angle in radians too, computed with this constant
// exactly as written (drawings and macros rely on the same rounding).
inline constexpr double PiGreco = 3.14159265;

struct ParametriTrasformazione {
    float TraslX = 1.0f;
    float TraslY = 1.0f;
    float PuntoPX = 1.0f;
    float PuntoPY = 1.0f;
    float AngoloRotazione = 10.0f;
    double AngoloRadianti = 31.4159265 / 180.0;
    float CoeffOmotetia = 2.0f;
    float StirOriz = 2.0f;
    float StirVert = 2.0f;

    // Sets the angle in degrees and its radian copy together.
    void ImpostaAngolo(float gradi);

    bool operator==(const ParametriTrasformazione&) const = default;
};

// Accumulated composition of the transformations applied to the active
// figure since it became active.
struct Totali {
    float TotRotazione = 0.0f;
    float TotTraslX = 0.0f;
    float TotTraslY = 0.0f;
    float TotOmotetia = 1.0f;
    float TotStirOriz = 1.0f;
    float TotStirVert = 1.0f;

    bool operator==(const Totali&) const = default;
};

// The six status-bar panel texts: "Rot.=0°", "xTrasl.=0", ...
std::array<std::string, 6> TestiPannelli(const Totali& t);

} // namespace vellora
