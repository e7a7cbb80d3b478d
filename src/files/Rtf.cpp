// The reader: one pass over the bytes, with the attributes of the open
// groups on an explicit stack, so that neither deep nesting nor a long file
// costs more than its length. Groups inside a destination that holds no text
// are only counted. Whatever does not make sense (a brace too many or too
// few, a cut-off file, a number too large) is read as far as it goes.
#include "files/Rtf.h"

#include "files/RtfParole.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace vellora {
namespace {

using rtf::Azione;

// Far beyond what word processors write, near enough to keep the stack small.
constexpr size_t MassimaProfondita = 1000;
// Beyond any meaningful value, and ten times it still fits a long.
constexpr long MassimoParametro = 100'000'000;
constexpr char32_t Sostituto = 0xFFFD;
constexpr char32_t Radice = 0x221A;

enum class Destinazione : uint8_t { Testo, TabellaFont, TabellaColori, Scarta };

struct Gruppo {
    bool grassetto = false, corsivo = false, sottolineato = false;
    long colore = 0;
    long mezziPunti = 24; // what \plain sets: 12 points
    long font = 0;
    long saltoUnicode = 1;
    Destinazione destinazione = Destinazione::Testo;
};

// Windows-1252 from 0x80 to 0x9F; elsewhere its bytes are their own code
// points. The five holes stand for U+FFFD.
constexpr char16_t Windows1252[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

void AggiungiUtf8(std::string& s, char32_t cp)
{
    if (cp < 0x80) {
        s += static_cast<char>(cp);
        return;
    }
    char b[4];
    int n = cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    for (int k = n - 1; k > 0; --k, cp >>= 6)
        b[k] = static_cast<char>(0x80 | (cp & 0x3F));
    b[0] = static_cast<char>((0xF00 >> n) | cp);
    s.append(b, static_cast<size_t>(n));
}

// The name tells, not the charset: other fonts of signs (charset 2 too) have
// other signs at 0xD6.
bool FontSimbolo(std::string_view nome)
{
    const size_t a = nome.find_first_not_of(' '), z = nome.find_last_not_of(' ');
    if (a == std::string_view::npos || z - a + 1 != 6)
        return false;
    return std::equal(nome.begin() + a, nome.begin() + z + 1, "symbol", [](char x, char y) { return (x | 0x20) == y; });
}

class Lettore {
public:
    explicit Lettore(std::string_view dati) : d(dati) {}

    // False when the groups nest deeper than the limit.
    bool Leggi()
    {
        pila.push_back(Gruppo{});
        while (i < d.size()) {
            const char c = d[i++];
            if (c == '{') {
                if (pila.back().destinazione == Destinazione::Scarta) {
                    ++scartati;
                } else {
                    if (pila.size() > MassimaProfondita)
                        return false;
                    pila.push_back(pila.back());
                }
                daSaltare = 0;
            } else if (c == '}') {
                daSaltare = 0;
                if (scartati > 0) {
                    --scartati;
                } else if (pila.size() > 1) {
                    pila.pop_back();
                    if (pila.size() == 1)
                        break; // the document's group is closed: what follows is not the document
                }
            } else if (c == '\\') {
                Controllo();
            } else if (c != '\r' && c != '\n') {
                if (!Salta())
                    Byte(static_cast<unsigned char>(c));
            }
        }
        if (std::exchange(altoInSospeso, 0))
            Carattere(Sostituto);
        Chiudi();
        return true;
    }

    TestoRicco testo;

private:
    std::string_view d;
    size_t i = 0;
    std::vector<Gruppo> pila;
    size_t scartati = 0; // groups open inside a destination without text
    long daSaltare = 0;  // fallback characters still to skip after a \u
    char32_t altoInSospeso = 0;
    long fontPredefinito = 0;
    std::unordered_set<long> fontSimbolo;
    std::string nomeFont;
    long fontCorrente = 0;
    std::vector<ColoreRgb> colori;
    ColoreRgb colore{0, 0, 0};

    Gruppo& g() { return pila.back(); }

    bool Salta()
    {
        if (daSaltare <= 0)
            return false;
        --daSaltare;
        return true;
    }

    void Controllo()
    {
        if (i >= d.size())
            return;
        const char c = d[i];
        const auto lettera = [](char x) { return (x >= 'a' && x <= 'z') || (x >= 'A' && x <= 'Z'); };
        const auto cifra = [](char x) { return x >= '0' && x <= '9'; };
        if (!lettera(c)) {
            ++i;
            Simbolo(c);
            return;
        }
        const size_t inizio = i;
        while (i < d.size() && lettera(d[i]))
            ++i;
        const std::string_view nome = d.substr(inizio, i - inizio);
        std::optional<long> parametro;
        if (i < d.size() && (cifra(d[i]) || (d[i] == '-' && i + 1 < d.size() && cifra(d[i + 1])))) {
            const bool negativo = d[i] == '-';
            i += negativo;
            long n = 0;
            for (; i < d.size() && cifra(d[i]); ++i)
                n = std::min(MassimoParametro, n * 10 + (d[i] - '0'));
            parametro = negativo ? -n : n;
        }
        if (i < d.size() && d[i] == ' ')
            ++i;
        const rtf::Parola p = nome.size() <= 32 ? rtf::CercaParola(nome) : rtf::Parola{};
        if (p.azione == Azione::Binario) {
            // Its bytes follow whatever they are, braces and backslashes included.
            i += std::min(d.size() - i, static_cast<size_t>(std::max(parametro.value_or(0), 0L)));
            return;
        }
        if (Salta())
            return;
        Esegui(p, parametro);
    }

    void Simbolo(char c)
    {
        if (c == '\'') {
            const auto esadecimale = [](char x) {
                return x >= '0' && x <= '9'   ? x - '0'
                       : x >= 'a' && x <= 'f' ? x - 'a' + 10
                       : x >= 'A' && x <= 'F' ? x - 'A' + 10
                                              : -1;
            };
            const int alto = i < d.size() ? esadecimale(d[i]) : -1;
            const int basso = i + 1 < d.size() ? esadecimale(d[i + 1]) : -1;
            if (alto < 0 || basso < 0)
                return;
            i += 2;
            if (!Salta())
                Byte(static_cast<unsigned char>(alto * 16 + basso));
            return;
        }
        if (c == '*') {
            // A destination this reader would know comes without the star.
            g().destinazione = Destinazione::Scarta;
            return;
        }
        if (Salta())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Byte(static_cast<unsigned char>(c));
            break;
        case '~':
            Carattere(0x00A0);
            break;
        case '_':
            Carattere(0x2011);
            break;
        case '\r':
        case '\n':
            Carattere('\n');
            break;
        default: // \- (an optional hyphen), \| and \: of old formulas and indexes
            break;
        }
    }

    void Esegui(rtf::Parola p, std::optional<long> parametro)
    {
        const bool acceso = parametro.value_or(1) != 0;
        Gruppo& s = g();
        switch (p.azione) {
        case Azione::Carattere:
            Carattere(p.carattere);
            break;
        case Azione::Grassetto:
            s.grassetto = acceso;
            break;
        case Azione::Corsivo:
            s.corsivo = acceso;
            break;
        case Azione::Sottolineato:
            s.sottolineato = acceso;
            break;
        case Azione::NessunaLinea:
            s.sottolineato = false;
            break;
        case Azione::Colore:
            s.colore = parametro.value_or(0);
            break;
        case Azione::Dimensione:
            s.mezziPunti = parametro.value_or(24);
            break;
        case Azione::Font:
            s.font = parametro.value_or(0);
            if (s.destinazione == Destinazione::TabellaFont) {
                fontCorrente = s.font;
                nomeFont.clear();
            }
            break;
        case Azione::Semplice:
            s.grassetto = s.corsivo = s.sottolineato = false;
            s.colore = 0;
            s.mezziPunti = 24;
            s.font = fontPredefinito;
            break;
        case Azione::SaltoUnicode:
            s.saltoUnicode = std::clamp(parametro.value_or(1), 0L, 255L);
            break;
        case Azione::Unicode:
            if (!parametro)
                break;
            if (*parametro >= -32768 && *parametro <= 65535)
                Unicode(static_cast<char32_t>(*parametro < 0 ? *parametro + 65536 : *parametro));
            daSaltare = s.saltoUnicode;
            break;
        case Azione::FontPredefinito:
            s.font = fontPredefinito = parametro.value_or(0);
            break;
        case Azione::Rosso:
        case Azione::Verde:
        case Azione::Blu: {
            auto& componente = p.azione == Azione::Rosso ? colore.r : p.azione == Azione::Verde ? colore.g : colore.b;
            componente = static_cast<uint8_t>(std::clamp(parametro.value_or(0), 0L, 255L));
            break;
        }
        case Azione::TabellaFont:
            s.destinazione = Destinazione::TabellaFont;
            break;
        case Azione::TabellaColori:
            s.destinazione = Destinazione::TabellaColori;
            colori.clear();
            colore = {0, 0, 0};
            break;
        case Azione::Scarta:
            s.destinazione = Destinazione::Scarta;
            break;
        default:
            break;
        }
    }

    // A byte of text: in the code page of the document, or in the font
    // table and colour table their separators and names.
    void Byte(unsigned char b)
    {
        switch (g().destinazione) {
        case Destinazione::Testo:
            if (b == 0xD6 && fontSimbolo.contains(g().font))
                Carattere(Radice);
            else
                Carattere(b >= 0x80 && b <= 0x9F ? Windows1252[b - 0x80] : b);
            break;
        case Destinazione::TabellaFont:
            if (b != ';') {
                nomeFont += static_cast<char>(b);
            } else {
                if (FontSimbolo(nomeFont))
                    fontSimbolo.insert(fontCorrente);
                nomeFont.clear();
            }
            break;
        case Destinazione::TabellaColori:
            if (b == ';') {
                colori.push_back(colore);
                colore = {0, 0, 0};
            }
            break;
        case Destinazione::Scarta:
            break;
        }
    }

    void Unicode(char32_t cp)
    {
        if (g().destinazione != Destinazione::Testo)
            return;
        // The symbol font's characters also come as U+F0xx, the private
        // area where the font's own codes go.
        if ((cp == 0xD6 || cp == 0xF0D6) && fontSimbolo.contains(g().font))
            cp = Radice;
        if (cp >= 0xDC00 && cp <= 0xDFFF && altoInSospeso) {
            cp = 0x10000 + ((altoInSospeso - 0xD800) << 10) + (cp - 0xDC00);
            altoInSospeso = 0;
        } else if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (std::exchange(altoInSospeso, 0))
                Carattere(Sostituto);
            altoInSospeso = cp;
            return;
        }
        Carattere(cp);
    }

    void Carattere(char32_t cp)
    {
        if (g().destinazione != Destinazione::Testo)
            return;
        if (std::exchange(altoInSospeso, 0))
            Carattere(Sostituto); // a high surrogate without its low half
        if ((cp < 0x20 && cp != '\t' && cp != '\n') || (cp >= 0x7F && cp <= 0x9F))
            return; // controls, which a comment does not show
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            cp = Sostituto;
        const Gruppo& s = g();
        const bool inTabella = s.colore >= 0 && s.colore < static_cast<long>(colori.size());
        const StileTesto stile{s.grassetto, s.corsivo, s.sottolineato,
                               inTabella ? colori[static_cast<size_t>(s.colore)] : ColoreRgb{0, 0, 0},
                               static_cast<int>(std::clamp((s.mezziPunti + 1) / 2, 1L, 1638L))};
        if (testo.empty() || testo.back().stile != stile)
            testo.push_back({{}, stile});
        AggiungiUtf8(testo.back().testo, cp);
    }

    // The \par that ends the last paragraph opens no new one.
    void Chiudi()
    {
        if (testo.empty() || testo.back().testo.back() != '\n')
            return;
        testo.back().testo.pop_back();
        if (testo.back().testo.empty())
            testo.pop_back();
    }
};

} // namespace

std::optional<TestoRicco> LeggiRtf(std::string_view dati, std::string* motivo)
{
    if (dati.starts_with("\xEF\xBB\xBF"))
        dati.remove_prefix(3);
    dati.remove_prefix(std::min(dati.find_first_not_of(" \t\r\n"), dati.size()));
    const auto rifiuta = [&](const char* perche) {
        if (motivo)
            *motivo = perche;
        return std::nullopt;
    };
    if (!dati.starts_with("{\\rtf"))
        return rifiuta("Il file non è in formato RTF");
    Lettore l(dati);
    if (!l.Leggi())
        return rifiuta("Il file RTF ha troppi gruppi annidati");
    return std::move(l.testo);
}

} // namespace vellora
