// The writer: one sans font, a colour table of the colours the text uses,
// and each run opened by the attributes that differ from the run before, so
// that the file stays readable and a word processor keeps the runs apart.
// Everything beyond ASCII goes out as \uN with a "?" for readers that do not
// know \u. Every paragraph ends with \par, the last one too, as word
// processors write them; the reader drops that closing one again.
#include "files/Rtf.h"

#include <algorithm>
#include <map>

namespace vellora {
namespace {

constexpr char32_t Sostituto = 0xFFFD;

// The code point at `i`, advancing past it; a byte that does not start a
// well-formed sequence stands for U+FFFD on its own.
char32_t ProssimoCarattere(std::string_view s, size_t& i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i++);
    if (c < 0x80)
        return c;
    const int seguito = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    if (c < 0xC2 || c > 0xF4 || i + seguito > s.size())
        return Sostituto;
    char32_t cp = c & (0x3F >> seguito);
    for (int k = 0; k < seguito; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return Sostituto;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t minimo[] = {0, 0x80, 0x800, 0x10000};
    if (cp < minimo[seguito] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return Sostituto;
    i += seguito;
    return cp;
}

void ScriviUnicode(std::string& r, char32_t cp)
{
    // \u takes a signed 16-bit number: code points above 32767 go negative,
    // those beyond the first plane as a surrogate pair.
    const auto unita = [&](int u) { r += "\\u" + std::to_string(u > 32767 ? u - 65536 : u) + "?"; };
    if (cp > 0xFFFF) {
        cp -= 0x10000;
        unita(static_cast<int>(0xD800 + (cp >> 10)));
        unita(static_cast<int>(0xDC00 + (cp & 0x3FF)));
    } else {
        unita(static_cast<int>(cp));
    }
}

void ScriviTesto(std::string& r, std::string_view testo)
{
    for (size_t i = 0; i < testo.size();) {
        const char32_t cp = ProssimoCarattere(testo, i);
        if (cp == '\n')
            r += "\\par \r\n";
        else if (cp == '\t')
            r += "\\tab ";
        else if (cp == '\\' || cp == '{' || cp == '}')
            r += {'\\', static_cast<char>(cp)};
        else if (cp >= 0x20 && cp < 0x7F)
            r += static_cast<char>(cp);
        else if (cp > 0x9F)
            ScriviUnicode(r, cp);
        // Control characters have no place in a comment and the reader drops them.
    }
}

int MezziPunti(int punti)
{
    return 2 * std::clamp(punti, 1, 1638);
}

uint32_t Chiave(ColoreRgb c)
{
    return uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b;
}

} // namespace

std::string ScriviRtf(const TestoRicco& testo)
{
    std::string r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n";
    // Entry 0 stays the "automatic" colour word processors expect there.
    r += "{\\colortbl;";
    std::map<uint32_t, int> indici;
    for (const Sequenza& s : testo) {
        if (s.testo.empty() || !indici.emplace(Chiave(s.stile.colore), static_cast<int>(indici.size()) + 1).second)
            continue;
        r += "\\red" + std::to_string(s.stile.colore.r) + "\\green" + std::to_string(s.stile.colore.g) + "\\blue" +
             std::to_string(s.stile.colore.b) + ";";
    }
    r += "}\r\n\\pard\\plain\\f0 ";

    // The attributes in force: those \plain sets, which no run has yet.
    bool grassetto = false, corsivo = false, sottolineato = false;
    int colore = 0, mezziPunti = 24;
    for (const Sequenza& s : testo) {
        if (s.testo.empty())
            continue;
        const StileTesto& st = s.stile;
        std::string cambi;
        const auto interruttore = [&](bool& attuale, bool voluto, const char* acceso, const char* spento) {
            if (attuale != voluto)
                cambi += voluto ? acceso : spento;
            attuale = voluto;
        };
        interruttore(grassetto, st.grassetto, "\\b", "\\b0");
        interruttore(corsivo, st.corsivo, "\\i", "\\i0");
        interruttore(sottolineato, st.sottolineato, "\\ul", "\\ulnone");
        if (const int c = indici.at(Chiave(st.colore)); c != colore)
            cambi += "\\cf" + std::to_string(colore = c);
        if (const int m = MezziPunti(st.dimensione); m != mezziPunti)
            cambi += "\\fs" + std::to_string(mezziPunti = m);
        if (!cambi.empty())
            r += cambi + " ";
        ScriviTesto(r, s.testo);
    }
    if (std::any_of(testo.begin(), testo.end(), [](const Sequenza& s) { return !s.testo.empty(); }))
        r += "\\par \r\n";
    return r + "}\r\n";
}

} // namespace vellora
