#pragma once
// Every menu item and toolbar button of the main window, by control name.
// Their enabled and checked states are core state: the program reads them
// ("recording is on" is "MnuMacroFine enabled") and the GUI mirrors them
// onto its actions after every command.
#include <array>
#include <cstddef>
#include <string_view>

namespace vellora {

// clang-format off
#define VELLORA_VOCI(X)                                                                        \
    X(MnuFile) X(MnuFileNuovo) X(MnuFileApri) X(MnuFileSalva)                                  \
    X(MnuFileSalvaNome) X(MnuFileSalvaFiguraNome) X(MnuFileSalvaBitmap) X(MnuFileClipboard)    \
    X(MnuFileStampa) X(MnuFileUltimoDisegno) X(MnuFileEsci)                                    \
    X(MnuModifica) X(MnuModificaAnnulla) X(MnuModificaRipeti) X(MnuModificaElimina)            \
    X(MnuFigura)                                                                               \
    X(MnuFiguraMenu) X(MnuFiguraMenuPunto) X(MnuFiguraMenuSegmento)                            \
    X(MnuFiguraMenuTriangoli) X(MnuFiguraMenuTriangoliRett) X(MnuFiguraMenuTriangoliRett1)     \
    X(MnuFiguraMenuTriangoliIsoscele)                                                          \
    X(MnuFiguraMenuTriangoliEqui)                                                              \
    X(MnuFiguraMenuQuadrilateri) X(MnuFiguraMenuQuadrilateriQuadrato)                          \
    X(MnuFiguraMenuQuadrilateriRettangolo) X(MnuFiguraMenuQuadrilateriRombo)                   \
    X(MnuFiguraMenuQuadrilateriParallelogramma) X(MnuFiguraMenuQuadrilateriTrapezio)           \
    X(MnuFiguraMenuPentagoni) X(MnuFiguraMenuPentagoniRegolare) X(MnuFiguraMenuEsagoni)        \
    X(MnuFiguraMenuEsagoniRegolare)                                                            \
    X(MnuFiguraMenuEttagoni) X(MnuFiguraMenuEttagoniRegolare) X(MnuFiguraMenuOttagoni)         \
    X(MnuFiguraMenuOttagoniRegolare)                                                           \
    X(MnuFiguraMenuEnnagoni) X(MnuFiguraMenuEnnagoniRegolare) X(MnuFiguraMenuDecagoni)         \
    X(MnuFiguraMenuDecagoniRegolare)                                                           \
    X(MnuFiguraMenuUndecagoni) X(MnuFiguraMenuUndecagoniRegolare) X(MnuFiguraMenuDodecagoni)   \
    X(MnuFiguraMenuDodecagoniRegolare)                                                         \
    X(MnuFiguraFile) X(MnuFiguraCoordinate)                                                    \
    X(MnuCerchio)                                                                              \
    X(MnuFiguraCerchio2) X(MnuFiguraCerchio) X(MnuFiguraCerchio1) X(MnuFiguraReplica)          \
    X(MnuImpostazioni) X(MnuImpostazioniRange) X(MnuImpostazioniScala)                         \
    X(MnuImpostazioniTrasf) X(MnuImpostazioniTrasfTraslOriz) X(MnuImpostazioniTrasfTraslVert)  \
    X(MnuImpostazioniTrasfTrasl)                                                               \
    X(MnuImpostazioniTrasfRotazione) X(MnuImpostazioniTrasfSimm1) X(MnuImpostazioniTrasfSimm2) \
    X(MnuImpostazioniTrasfSimm3)                                                               \
    X(MnuImpostazioniTrasfSimm4) X(MnuImpostazioniTrasfOmot) X(MnuImpostazioniTrasfStir1)      \
    X(MnuImpostazioniTrasfStir2)                                                               \
    X(MnuVisualizza) X(MnuVisualizzaDati) X(MnuVisualizzaCommento) X(MnuVisualizzaRighello)    \
    X(MnuVisualizzaAssiSimm) X(MnuVisualizzaTrattoSpesso) X(MnuVisualizzaCalcolatrice)         \
    X(MnuMacro) X(MnuMacroApri) X(MnuMacroEsegui) X(MnuMacroInterrompi)                        \
    X(MnuMacroInizio) X(MnuMacroFine) X(MnuMacroInserisciPausa) X(MnuMacroEdita)               \
    X(MnuMacroImpostaPausa)                                                                    \
    X(MnuInfo) X(MnuInfoGuida) X(MnuInfoGuidaEsempi) X(MnuInfoInfo)                            \
    X(MnuInfoWeb) X(MnuInfoWebVellora) X(MnuInfoWebCorvane) X(MnuInfoWebAutore)                \
    X(Stir2) X(Stir1) X(Omotetia) X(simm4)                                                     \
    X(simm3) X(simm2) X(simm1) X(ruota1)                                                       \
    X(trasla3) X(trasla2) X(trasla1) X(Macro)                                                  \
    X(CmdElimina) X(CmdReplica)                                                                \
    X(TavolozzaFigure0) X(TavolozzaFigure1) X(TavolozzaFigure2) X(TavolozzaFigure3)            \
    X(TavolozzaFigure4) X(TavolozzaFigure5) X(TavolozzaFigure6) X(TavolozzaFigure7)            \
    X(VerticeAvanti) X(VerticeIndietro) X(FigIndietro) X(FigAvanti)                            \
    X(PrimoQuadrante) X(SecondoQuadrante) X(TerzoQuadrante) X(QuartoQuadrante)                 \
    X(ResettaPiano)                                                                            \
    X(TraslaPiano1) X(TraslaPiano2) X(TraslaPiano3) X(TraslaPiano4)
// clang-format on

enum class Voce {
#define VELLORA_ENUM(nome) nome,
    VELLORA_VOCI(VELLORA_ENUM)
#undef VELLORA_ENUM
        Conteggio
};

inline constexpr size_t NumeroVoci = static_cast<size_t>(Voce::Conteggio);

// The control name, e.g. "MnuFileNuovo"; the GUI uses it as objectName.
std::string_view NomeVoce(Voce v);

struct StatoVoce {
    bool Abilitata = true;
    bool Spuntata = false;
    bool operator==(const StatoVoce&) const = default;
};

class StatoVoci {
public:
    StatoVoci(); // the states of the main window when it opens
    StatoVoce& operator[](Voce v) { return stati_[static_cast<size_t>(v)]; }
    const StatoVoce& operator[](Voce v) const { return stati_[static_cast<size_t>(v)]; }
    void Abilita(Voce v, bool si) { (*this)[v].Abilitata = si; }
    void Spunta(Voce v, bool si) { (*this)[v].Spuntata = si; }
    bool Abilitata(Voce v) const { return (*this)[v].Abilitata; }
    bool Spuntata(Voce v) const { return (*this)[v].Spuntata; }
    bool operator==(const StatoVoci&) const = default;

private:
    std::array<StatoVoce, NumeroVoci> stati_{};
};

} // namespace vellora
