#include "macro/CopiaLavoro.h"

#include "files/AccessoFile.h"
#include "macro/Macro.h"
#include "state/Programma.h"
#include "state/Registratore.h"

namespace vellora {

bool CopiaFile(const std::string& da, const std::string& a, std::string& motivo)
{
    std::string testo;
    return LeggiFileIntero(da, testo, motivo, LimiteMacro) && ScriviFileSicuro(a, testo, motivo);
}

std::string PercorsoCopiaLavoro(const Programma& p)
{
    return PercorsoCopiaLavoro(p.CartellaDati);
}

} // namespace vellora
