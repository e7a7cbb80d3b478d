#pragma once
// The comment window port: the child window beside the plane that holds the
// drawing's comment. The core decides when it opens and closes and what
// becomes of its file; the window only shows the text and hands it back.
// Tests use a fake that keeps the text in memory.
#include "model/TestoRicco.h"

namespace vellora {

class FinestraCommento {
public:
    virtual ~FinestraCommento() = default;
    // Shows the window beside the plane window, both sharing the main
    // window's area, with this text and the caret at its start.
    virtual void Apri(const TestoRicco& testo) = 0;
    // The text as the window holds it now.
    virtual TestoRicco Testo() const = 0;
    // Closes the window without asking anything; the plane window takes the
    // whole area again.
    virtual void Chiudi() = 0;
};

} // namespace vellora
