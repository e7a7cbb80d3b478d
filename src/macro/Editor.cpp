#include "macro/Editor.h"

#include "files/AccessoFile.h"
#include "macro/CopiaLavoro.h"
#include "macro/Macro.h"
#include "state/Programma.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace vellora {

namespace {

// The code points of a well-formed UTF-8 text; nothing when it is not one.
std::optional<std::vector<char32_t>> DecodificaUtf8(const std::string& s)
{
    std::vector<char32_t> punti;
    punti.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int seguito = 0;
        char32_t c = b;
        if (b >= 0xC2 && b <= 0xDF) {
            seguito = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            seguito = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            seguito = 3;
            c = b & 0x07;
        } else if (b >= 0x80) {
            return std::nullopt;
        }
        for (int k = 1; k <= seguito; ++k) {
            if (i + k >= s.size())
                return std::nullopt;
            const auto cont = static_cast<unsigned char>(s[i + k]);
            if ((cont & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (cont & 0x3F);
        }
        // Overlong forms and surrogates are not text.
        if ((seguito == 2 && c < 0x800) || (seguito == 3 && (c < 0x10000 || c > 0x10FFFF)) ||
            (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        punti.push_back(c);
        i += static_cast<size_t>(seguito) + 1;
    }
    return punti;
}

void AccodaUtf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Every CR LF, lone CR or lone LF becomes `fine`.
std::string FineRighe(const std::string& s, const char* fine)
{
    std::string r;
    r.reserve(s.size() + s.size() / 16);
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
            r += fine;
        } else {
            r += s[i];
        }
    }
    return r;
}

std::string Motivato(const std::string& cosa, const std::string& percorso, const std::string& motivo)
{
    return cosa + " «" + percorso + "»: " + motivo;
}

} // namespace

std::string TestoMacroDaFile(const std::string& contenuto)
{
    if (DecodificaUtf8(contenuto))
        return FineRighe(contenuto, "\n");
    std::string utf8;
    utf8.reserve(contenuto.size() + contenuto.size() / 8);
    for (char b : contenuto)
        AccodaUtf8(utf8, static_cast<unsigned char>(b));
    return FineRighe(utf8, "\n");
}

std::string ContenutoMacroDaTesto(const std::string& testo)
{
    std::string contenuto = FineRighe(testo, "\r\n") + "\r\n";
    const auto punti = DecodificaUtf8(contenuto);
    if (!punti)
        return contenuto;
    std::string latino;
    latino.reserve(punti->size());
    for (char32_t c : *punti) {
        if (c > 0xFF)
            return contenuto;
        latino += static_cast<char>(c);
    }
    return latino;
}

EditorMacro::EditorMacro(Programma& p) : p_(p) {}

bool EditorMacro::Apri()
{
    testo_.clear();
    modificata_ = false;
    const std::string copia = PercorsoCopiaLavoro(p_);
    std::error_code e;
    if (!std::filesystem::exists(copia, e))
        return true;
    std::string contenuto, motivo;
    if (!LeggiFileIntero(copia, contenuto, motivo, LimiteMacro)) {
        p_.Messaggio(Motivato("Impossibile leggere la macro", copia, motivo));
        return false;
    }
    testo_ = TestoMacroDaFile(contenuto);
    return true;
}

std::string EditorMacro::Titolo() const
{
    return TitoloEditorMacro + NomeDaPercorso(p_.NomeMacro);
}

bool EditorMacro::Chiudi(const std::string& testo)
{
    if (!p_.NomeMacro.empty() && !modificata_)
        return true;
    switch (p_.Messaggio(DomandaSalvaMacro, Icona::Esclamazione, Pulsanti::SiNoAnnulla)) {
    case Risposta::Si:
        Salva(testo);
        p_.Mostra();
        return true;
    case Risposta::No:
        return true;
    default:
        return false;
    }
}

// A write that fails is reported with the file and the reason; the editor
// closes all the same, and the file that refused keeps what it held.
void EditorMacro::Salva(const std::string& testo)
{
    const std::string contenuto = ContenutoMacroDaTesto(testo);
    const std::string copia = PercorsoCopiaLavoro(p_);
    std::string motivo;
    if (!ScriviFileSicuro(copia, contenuto, motivo)) {
        p_.Messaggio(Motivato("Impossibile salvare la macro in", copia, motivo));
        return;
    }
    if (!p_.NomeMacro.empty()) {
        if (!ScriviFileSicuro(p_.NomeMacro, contenuto, motivo))
            p_.Messaggio(Motivato("Impossibile salvare la macro in", p_.NomeMacro, motivo));
        return;
    }
    // While recording, the macro gets its name when the recording ends.
    if (!p_.voci.Abilitata(Voce::MnuMacroFine))
        SalvaCome(contenuto);
}

void EditorMacro::SalvaCome(const std::string& contenuto)
{
    const auto scelto = p_.dialoghi.ScegliFile({RichiestaFile::Salva, TitoloSalvaMacro, "", FiltroMacro});
    if (!scelto)
        return;
    std::string motivo;
    // The name becomes the active macro's only once the file holds it, so
    // that a later save never copies over a file the user could not write.
    if (!ScriviFileSicuro(*scelto, contenuto, motivo)) {
        p_.Messaggio(Motivato("Impossibile salvare la macro in", *scelto, motivo));
        return;
    }
    p_.NomeMacro = *scelto;
    p_.testi.SuggerimentoMacro = SuggerimentoMacroAttiva + *scelto + " ";
}

} // namespace vellora
