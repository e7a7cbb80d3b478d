#pragma once
// The rules of the print dialog: the copies check and its message, the scale
// factor from the list, the page orientation kept on the printer, and the
// print run itself (one document per copy). The window only reads its
// controls into these members and calls the commands.
#include "print/Stampante.h"

#include <array>
#include <optional>
#include <string>

namespace vellora {

class Programma;

inline const std::string MessaggioNumeroCopie = "Il numero copie deve essere compreso tra 1 e 255";
inline const std::string TitoloSalvaPdf = "Salva il disegno in PDF";
inline const std::string FiltroPdf = "Documento PDF (*.pdf)|*.pdf";
inline const std::array<std::string, 10> VociFattoreScala = {"10%", "20%", "30%", "40%", "50%",
                                                             "60%", "70%", "80%", "90%", "100%"};

// The copies typed in the box: its leading number read with the decimal
// point ("2,5" is 2), rounded halves to even. Nothing when that is not
// 1..255: "0.4" and "0,4" get the copies message like "0".
std::optional<int> LeggiCopie(const std::string& testo);

// Item i of the list gives (i + 1) / 10; an item out of the list counts as
// the nearest one.
float FattoreDaVoce(int voce);

class DialogoStampa {
public:
    // Every opening turns the printer to landscape.
    DialogoStampa(const Programma& p, Stampante& stampante);

    std::string TestoCopie = "1";                                    // TxtNumCopie
    int VoceFattore = static_cast<int>(VociFattoreScala.size()) - 1; // Combo1: "100%"

    // What the print run read last.
    float FattoreStampa = 1.0f;
    int CopieStampa = 0;
    Orientamento OrientamentoStampa = Orientamento::Orizzontale;

    std::string NomeStampante() const;
    Orientamento OrientamentoAttuale() const { return stampante_.LeggiOrientamento(); }
    void ImpostaOrientamento(Orientamento o) { stampante_.ImpostaOrientamento(o); }

    // CmdStampa. True when the dialog is to close: the copies are printed.
    // False, with the dialog kept open, after the copies message, a
    // cancelled choice of file, or a printer that refused.
    bool Stampa();

private:
    const Programma& p_;
    Stampante& stampante_;
};

} // namespace vellora
