#include "model/Parametri.h"

#include <tuple>

namespace vellora {

void ParametriTrasformazione::ImpostaAngolo(float gradi)
{
    AngoloRotazione = gradi;
    AngoloRadianti = static_cast<double>(gradi) * PiGreco / 180.0;
}

bool ParametriTrasformazione::operator==(const ParametriTrasformazione& o) const
{
    auto campi = [](const ParametriTrasformazione& p) {
        return std::tie(p.TraslX, p.TraslY, p.PuntoPX, p.PuntoPY, p.AngoloRotazione, p.CoeffOmotetia, p.StirOriz,
                        p.StirVert);
    };
    return campi(*this) == campi(o);
}

} // namespace vellora
