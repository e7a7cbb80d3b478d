#include "state/Dialoghi.h"

namespace vellora {

Risposta RispostaPrudente(Pulsanti pulsanti)
{
    switch (pulsanti) {
    case Pulsanti::OkAnnulla:
    case Pulsanti::SiNoAnnulla:
        return Risposta::Annulla;
    case Pulsanti::SiNo:
        return Risposta::No;
    case Pulsanti::Ok:
        break;
    }
    return Risposta::Ok;
}

} // namespace vellora
