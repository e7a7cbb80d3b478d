#pragma once
// The figure file (.fgr): one figure's 23 lines, without header, and the two
// commands that write the selected figure and add a figure from a file.
#include "files/RecordFigura.h"
#include "state/Programma.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellora {

inline const std::string FiltroFigura = "Figura di Vellora (*.fgr)|*.fgr";
inline const std::string NonEUnaFigura = "Non è una figura di Vellora";

std::string TestoFigura(const RecordFigura& r);

// A figure file is under 1 kB.
inline constexpr std::uintmax_t LimiteFigura = 64 * 1024;

// The 23 pairs in a new record; nothing when one is missing or is not a
// number, or when the figure would break the model (RecordValido). What
// follows the 23rd pair is not read.
std::optional<RecordFigura> LeggiTestoFigura(std::string_view testo);

// Writes the selected figure; names and Modificato stay as they are. True
// when the file was written.
bool SalvaFiguraConNome(Programma& p);

// Adds the figure of a file as the last one and selects it. True when added.
bool InserisciFiguraDaFile(Programma& p);

} // namespace vellora
