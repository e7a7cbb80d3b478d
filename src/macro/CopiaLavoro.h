#pragma once
// The working copy "Macro.tmp" is the only file recording writes and
// playback reads; opening a macro, saving a recording and playing an
// inverse copy whole files over it or from it.
#include <cstdint>
#include <string>

namespace vellora {

// A macro line is some 40 bytes: a million recorded commands stay below this.
// What is larger is no macro, and reading it whole would only fill the memory.
inline constexpr std::uintmax_t LimiteMacro = 64 * 1024 * 1024;

// Copies the whole file; the target is replaced only once the copy is
// complete. False, with the reason in Italian, when nothing was copied.
bool CopiaFile(const std::string& da, const std::string& a, std::string& motivo);

} // namespace vellora
