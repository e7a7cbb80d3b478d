#pragma once
// Texts and visibilities the main window shows; the commands rebuild them and
// the window copies them onto its widgets.
#include <array>
#include <string>

namespace vellora {

inline const std::string SenzaNome = "Senza nome";
inline const std::string AvvisoPausaMacro = "Pausa: spazio per continuare";
inline const std::string SuggerimentoMacroIniziale = "Esegue una macro; attualmente non è attiva alcuna macro";

// The status-bar panels in their order on the bar.
enum PannelloStato {
    PannelloRotazione,
    PannelloTraslX,
    PannelloTraslY,
    PannelloOmotetia,
    PannelloStirOriz,
    PannelloStirVert
};

struct TestiVista {
    std::string CampoFigura;
    std::string CampoVertice;
    std::array<std::string, 6> Pannelli;
    bool Pannello7Visibile = false;
    std::string DidascaliaPiano = SenzaNome;
    bool DatiVisibili = false;
    std::string TestoDati;
    int CursoreDati = -1; // caret position in TestoDati; -1 leaves the caret where it is
    std::string SuggerimentoMacro = SuggerimentoMacroIniziale;
    std::string DidascaliaAnnulla = "&Annulla"; // "&Annulla rotazione"
    std::string DidascaliaRipeti = "&Ripeti";
    std::string AvvisoPausa; // the status bar while a macro pause lasts
    bool operator==(const TestiVista&) const = default;
};

} // namespace vellora
