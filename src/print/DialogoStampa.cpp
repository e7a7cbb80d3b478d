#include "print/DialogoStampa.h"

#include "plane/Schermo.h"
#include "print/PaginaStampa.h"
#include "state/LeggiNumero.h"
#include "state/Programma.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace vellora {

namespace {

constexpr int MassimoCopie = 255;

// The name offered for the PDF: the drawing's own, or "Senza nome".
std::string NomePdf(const std::string& nomeDisegno)
{
    if (nomeDisegno.empty())
        return SenzaNome + ".pdf";
    return std::filesystem::path(nomeDisegno).replace_extension(".pdf").string();
}

} // namespace

std::optional<int> LeggiCopie(const std::string& testo)
{
    // Blanks never end a number typed in the box; they are skipped wherever
    // they stand.
    std::string cifre;
    for (char c : testo)
        if (c != ' ' && c != '\t')
            cifre += c;
    double v = 0.0;
    if (!ValoreTesto(cifre, v) || v <= 0.0 || v > MassimoCopie)
        return std::nullopt;
    double intero = std::floor(v);
    const double resto = v - intero;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(intero, 2.0) != 0.0))
        intero += 1.0;
    // "0.4" would print nothing and close the dialog as if it had printed.
    if (intero < 1.0)
        return std::nullopt;
    return static_cast<int>(intero);
}

float FattoreDaVoce(int voce)
{
    const int ultima = static_cast<int>(VociFattoreScala.size()) - 1;
    return static_cast<float>(std::clamp(voce, 0, ultima) + 1) / 10.0f;
}

DialogoStampa::DialogoStampa(const Programma& p, Stampante& stampante) : p_(p), stampante_(stampante)
{
    stampante_.ImpostaOrientamento(Orientamento::Orizzontale);
}

std::string DialogoStampa::NomeStampante() const
{
    return "Stampante: " + stampante_.NomeDispositivo();
}

bool DialogoStampa::Stampa()
{
    OrientamentoStampa = stampante_.LeggiOrientamento();
    const std::optional<int> copie = LeggiCopie(TestoCopie);
    if (!copie) {
        p_.dialoghi.Messaggio(MessaggioNumeroCopie, Icona::Stop);
        return false;
    }
    CopieStampa = *copie;
    FattoreStampa = FattoreDaVoce(VoceFattore);

    std::string percorso;
    if (stampante_.ScriveFile()) {
        const auto scelto =
            p_.dialoghi.ScegliFile({RichiestaFile::Salva, TitoloSalvaPdf, NomePdf(p_.sessione.NomeDisegno), FiltroPdf});
        if (!scelto)
            return false;
        percorso = *scelto;
        stampante_.ImpostaFile(percorso);
    }
    const bool righello = Opzioni(p_).Righello;
    bool riuscito = true;
    for (int copia = 1; copia <= CopieStampa && riuscito; ++copia)
        riuscito = StampaDocumento(p_.d, righello, FattoreStampa, OrientamentoStampa, stampante_);
    riuscito = stampante_.Conclude() && riuscito;
    if (!riuscito) {
        const std::string motivo = stampante_.Motivo().empty() ? "" : ": " + stampante_.Motivo();
        p_.dialoghi.Messaggio(stampante_.ScriveFile()
                                  ? "Impossibile scrivere il file «" + percorso + "»" + motivo
                                  : "Impossibile stampare su «" + stampante_.NomeDispositivo() + "»" + motivo,
                              Icona::Stop);
        return false;
    }
    return true;
}

} // namespace vellora
