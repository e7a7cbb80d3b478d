#pragma once
// Transformation parameters shared by the toolbar, the settings dialogs, the
// drawing file and the macros.

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

    // The radian copy follows the angle and is not compared.
    bool operator==(const ParametriTrasformazione& o) const;
};

} // namespace vellora
