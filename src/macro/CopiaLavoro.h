#pragma once
// The working copy "Macro.tmp" is the only file recording writes and
// playback reads; opening a macro, saving a recording and playing an
// inverse copy whole files over it or from it.
#include <string>

namespace vellora {

// Copies the whole file; the target is replaced only once the copy is
// complete. False, with the reason in Italian, when nothing was copied.
bool CopiaFile(const std::string& da, const std::string& a, std::string& motivo);

} // namespace vellora
