#pragma once
// The pause settings of macro playback: automatic pauses after every
// transformation, and the length of one pause in hundreds of event turns.
#include "state/Programma.h"

namespace vellora {

inline constexpr int PausaMinima = 1;
inline constexpr int PausaMassima = 1000;

struct ImpostazioniPausa {
    bool automatica = true;
    int durata = PausaPredefinita;
    bool operator==(const ImpostazioniPausa&) const = default;
};

// What the dialog shows on opening; a length outside 1..1000 shows clamped.
ImpostazioniPausa ImpostazioniPausaAttuali(const Programma& p);

// OK: the values become the program's. A length outside 1..1000 is clamped,
// so that a pause never lasts fewer than 100 turns. Annulla calls nothing.
void ConfermaImpostazioniPausa(Programma& p, ImpostazioniPausa scelta);

} // namespace vellora
