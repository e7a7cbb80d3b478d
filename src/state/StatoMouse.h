#pragma once
// What the mouse on the plane has left for the next event: the object the
// last hover test found, and the move a right press prepared.
#include <cstdint>

namespace vellora {

struct StatoMouse {
    uint8_t FiguraPresa = 0;  // 0: nothing under the pointer
    uint8_t VerticePreso = 0; // 0: the figure itself (edge or circumference)
    float ScartoX = 0.0f;
    float ScartoY = 0.0f;
    // Set by a right press on a non-empty drawing, used up by the next right
    // release: a release that no press prepared must not move a stale figure.
    bool SpostamentoPronto = false;

    bool operator==(const StatoMouse&) const = default;
};

} // namespace vellora
