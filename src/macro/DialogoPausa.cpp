#include "macro/DialogoPausa.h"

#include "state/Programma.h"

#include <algorithm>

namespace vellora {

ImpostazioniPausa ImpostazioniPausaAttuali(const Programma& p)
{
    return {p.PausaAutomatica, std::clamp(p.PausaMacro, PausaMinima, PausaMassima)};
}

void ConfermaImpostazioniPausa(Programma& p, ImpostazioniPausa scelta)
{
    p.PausaAutomatica = scelta.automatica;
    p.PausaMacro = std::clamp(scelta.durata, PausaMinima, PausaMassima);
}

} // namespace vellora
