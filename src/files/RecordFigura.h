#pragma once
// One figure as the drawing and figure files carry it: 23 lines "x,y" for the
// slots 0..22 of the table, and the check that keeps a hand-edited file from
// putting into the table a figure the rest of the program cannot handle.
#include "files/CampiFile.h"
#include "model/TabellaFigure.h"

#include <array>
#include <string>

namespace vellora {

struct RecordFigura {
    std::array<float, UltimoSlot + 1> x{};
    std::array<float, UltimoSlot + 1> y{};
    bool operator==(const RecordFigura&) const = default;
};

RecordFigura EstraiRecord(const TabellaFigure& t, int f);
void PosaRecord(TabellaFigure& t, int f, const RecordFigura& r);

// Appends the 23 lines, each ended by CR LF.
void ScriviRecord(std::string& testo, const RecordFigura& r);

// Reads the 23 pairs into r; false when a field is missing or is not a
// number: a record is read whole or not at all.
bool LeggiRecord(CampiFile& campi, RecordFigura& r);

// A point count 1..20, a circle flag 0 or 1 (a circle has 2 points), a colour
// the palette offers (7, 10..15), a dash flag 0 or 2, all whole; every
// coordinate finite.
bool RecordValido(const RecordFigura& r);

} // namespace vellora
