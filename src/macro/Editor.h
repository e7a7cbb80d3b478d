#pragma once
// The macro editor: the working copy shown as plain lines, and what closing
// the window does with them. The window only hands the text over and marks
// every change; asking, writing and naming the macro happen here.
#include <string>

namespace vellora {

class Programma;

inline const std::string TitoloEditorMacro = "Edita macro: ";
inline const std::string DomandaSalvaMacro = "Salvare le modifiche alla macro ?";
inline const std::string TitoloSalvaMacro = "Salva file macro";
inline const std::string FiltroMacro = "Macro di Vellora (*.mcr)|*.mcr";
inline const std::string SuggerimentoMacroAttiva = "E' attiva la macro: ";

// The file's bytes as the editor shows them: UTF-8, one '\n' per line end.
// A file that is not UTF-8 is read as Latin-1, the code page of macros
// written on the older platform, so that an accented note survives.
std::string TestoMacroDaFile(const std::string& contenuto);

// The editor's text as the file stores it: CR LF line ends, then the one
// CR LF the editor always appends. Latin-1 when every character fits, so
// that the older platform still reads the file; UTF-8 otherwise.
std::string ContenutoMacroDaTesto(const std::string& testo);

class EditorMacro {
public:
    explicit EditorMacro(Programma& p);

    // Reads the working copy; a missing one is an empty macro. False, with
    // the message shown, when it exists but cannot be read.
    bool Apri();

    std::string Titolo() const;
    const std::string& Testo() const { return testo_; }

    // Every change of the text and every key typed in it.
    void SegnaModifica() { modificata_ = true; }
    bool Modificata() const { return modificata_; }

    // The window wants to close showing `testo`: asks, saves as answered and
    // says whether the window closes (false: Cancel, it stays open).
    bool Chiudi(const std::string& testo);

private:
    void Salva(const std::string& testo);
    void SalvaCome(const std::string& contenuto);

    Programma& p_;
    std::string testo_;
    bool modificata_ = false;
};

} // namespace vellora
