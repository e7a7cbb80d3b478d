#include "files/RecordFigura.h"

#include "model/Nomi.h"

#include <algorithm>
#include <cmath>

namespace vellora {

namespace {
bool Intero(float v, float minimo, float massimo)
{
    return v >= minimo && v <= massimo && std::trunc(v) == v;
}
} // namespace

RecordFigura EstraiRecord(const TabellaFigure& t, int f)
{
    RecordFigura r;
    for (int k = 0; k <= UltimoSlot; ++k) {
        r.x[static_cast<size_t>(k)] = t.X(f, k);
        r.y[static_cast<size_t>(k)] = t.Y(f, k);
    }
    return r;
}

void PosaRecord(TabellaFigure& t, int f, const RecordFigura& r)
{
    for (int k = 0; k <= UltimoSlot; ++k) {
        t.X(f, k) = r.x[static_cast<size_t>(k)];
        t.Y(f, k) = r.y[static_cast<size_t>(k)];
    }
}

void ScriviRecord(std::string& testo, const RecordFigura& r)
{
    for (size_t k = 0; k <= UltimoSlot; ++k)
        testo.append(TestoNumeroFile(r.x[k])).append(",").append(TestoNumeroFile(r.y[k])).append("\r\n");
}

bool LeggiRecord(CampiFile& campi, RecordFigura& r)
{
    const auto leggi = [&campi](float& v) {
        const auto campo = campi.Prossimo();
        const auto letto = campo ? SingolaDaCampo(*campo) : std::nullopt;
        if (letto)
            v = *letto;
        return letto.has_value();
    };
    for (size_t k = 0; k <= UltimoSlot; ++k)
        if (!leggi(r.x[k]) || !leggi(r.y[k]))
            return false;
    return true;
}

bool RecordValido(const RecordFigura& r)
{
    const float n = r.x[0];
    const float cerchio = r.y[0];
    const float colore = r.x[SlotColore];
    const float tratto = r.y[SlotColore];
    if (!Intero(n, 1, MaxPunti) || !(cerchio == 0.0f || cerchio == CodiceCerchio))
        return false;
    if (cerchio == CodiceCerchio && n != 2.0f)
        return false;
    if (!(colore == CodiceGrigio || Intero(colore, CodiceVerdeChiaro, CodiceBianco)) ||
        !(tratto == TrattoPieno || tratto == TrattoPunteggiato))
        return false;
    const auto finito = [](float v) { return std::isfinite(v); };
    return std::all_of(r.x.begin() + 1, r.x.begin() + SlotColore, finito) &&
           std::all_of(r.y.begin() + 1, r.y.begin() + SlotColore, finito);
}

} // namespace vellora
