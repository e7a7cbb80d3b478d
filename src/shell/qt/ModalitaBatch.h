#pragma once
// The command-line mode: with any of its options no window opens.

namespace vellora {

// Runs the command-line mode when the arguments ask for it and returns the
// exit status; -1 when the program should open its window as usual. Must run
// before any application object exists: it creates its own, offscreen.
int EseguiSeBatch(int argc, char** argv);

} // namespace vellora
