#pragma once
// The mapping every redraw computes for the drawing area: pixels per tick,
// the origin's pixel, the larger half-extent of the area.
#include <cstdint>

namespace vellora {

struct Mappa {
    int16_t OrigineX = 0;
    int16_t OrigineY = 0;
    int16_t PassoPixel = 0;
    float SemiAmpiezza = 0.0f;

    bool operator==(const Mappa&) const = default;
};

} // namespace vellora
