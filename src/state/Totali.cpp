#include "state/Totali.h"

#include "model/NumeriTesto.h"

namespace vellora {

std::array<std::string, 6> TestiPannelli(const Totali& t)
{
    const std::string f = "0.######";
    return {
        "Rot.=" + FormattaNumero(t.TotRotazione, f) + "°", "xTrasl.=" + FormattaNumero(t.TotTraslX, f),
        "yTrasl.=" + FormattaNumero(t.TotTraslY, f),       "Omot.=" + FormattaNumero(t.TotOmotetia, f),
        "Stir. oriz.=" + FormattaNumero(t.TotStirOriz, f), "Stir. vert.=" + FormattaNumero(t.TotStirVert, f),
    };
}

} // namespace vellora
