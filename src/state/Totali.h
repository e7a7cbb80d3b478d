#pragma once
// The composition of the transformations applied to the active figure since
// it became active, and its six status-bar panels.
#include <array>
#include <string>

namespace vellora {

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
