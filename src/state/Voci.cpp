#include "state/Voci.h"

namespace vellora {

namespace {
constexpr std::string_view Nomi[] = {
#define VELLORA_NOME(nome) #nome,
    VELLORA_VOCI(VELLORA_NOME)
#undef VELLORA_NOME
};
static_assert(std::size(Nomi) == NumeroVoci);
} // namespace

std::string_view NomeVoce(Voce v)
{
    return Nomi[static_cast<size_t>(v)];
}

StatoVoci::StatoVoci()
{
    for (Voce v : {Voce::MnuModificaAnnulla, Voce::MnuModificaRipeti, Voce::MnuModificaElimina, Voce::MnuFiguraReplica,
                   Voce::MnuVisualizzaDati, Voce::MnuMacroEsegui, Voce::MnuMacroInterrompi, Voce::MnuMacroFine,
                   Voce::MnuMacroInserisciPausa, Voce::MnuMacroEdita})
        Abilita(v, false);
    Spunta(Voce::MnuVisualizzaRighello, true);
}

} // namespace vellora
