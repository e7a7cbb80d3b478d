#pragma once
// The figure file (.fgr): one figure's 23 lines, without header, and the two
// commands that write the selected figure and add a figure from a file.
#include "files/RecordFigura.h"
#include "state/Programma.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellora {

inline const std::string FiltroFigura = "Figura di Vellora (*.fgr)|*.fgr";
inline const std::string NonEUnaFigura = "Non è una figura di Vellora";

std::string TestoFigura(const RecordFigura& r);

// The 23 pairs read over `base` (a value that cannot be read keeps its slot);
// nothing when the figure would break the model (RecordValido).
std::optional<RecordFigura> LeggiTestoFigura(std::string_view testo, RecordFigura base);

// Writes the selected figure; names and Modificato stay as they are. True
// when the file was written.
bool SalvaFiguraConNome(Programma& p);

// Adds the figure of a file as the last one and selects it. True when added.
bool InserisciFiguraDaFile(Programma& p);

} // namespace vellora
