#pragma once
// The drawing file (.geo): the header, the figure count, 23 lines per figure
// and the 18 settings, one value or pair per line, CR LF. A file is read into
// a new drawing and handed back only when the result keeps every rule of the
// model, so a bad file never leaves half a drawing behind.
#include "model/Disegno.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellora {

inline const std::string IntestazioneDisegno = "Disegno di Vellora";

std::string TestoDisegno(const Disegno& c);

// A drawing is under 100 kB (128 figures of 23 lines of two numbers); a file
// ten times as large is not one.
inline constexpr std::uintmax_t LimiteDisegno = 1024 * 1024;

// The file's values in a new drawing: whatever the file does not hold (it
// ends early, or a setting's line is empty) keeps the value of Disegno{}.
// Nothing when the first field is not the header, letter case included, or
// when the file cannot be a drawing: a count that is not a whole number
// 0..128, a figure whose 23 pairs are not all there or that RecordValido
// refuses, a setting that is there but not a number, a setting outside what
// the program lets the user choose (range 1..30, scales ScalaMinima..
// ScalaMassima, grid 1..3, a finite value), a selection no figure read has
// (with no figures, figure 1..128 and no vertex), or anything but empty
// lines after the last setting.
std::optional<Disegno> LeggiTestoDisegno(std::string_view testo);

} // namespace vellora
