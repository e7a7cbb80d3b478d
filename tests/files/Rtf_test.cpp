#include "files/Rtf.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace vellora;

namespace {

const std::filesystem::path Campioni = std::filesystem::path(__FILE__).parent_path() / "rtf";

std::string LeggiCampione(const std::string& nome)
{
    std::ifstream in(Campioni / nome, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

constexpr ColoreRgb Nero{0, 0, 0}, Rosso{255, 0, 0}, Verde{0, 128, 0}, Blu{0, 0, 128};

StileTesto Stile(int punti, ColoreRgb colore = Nero, bool g = false, bool c = false, bool s = false)
{
    return {g, c, s, colore, punti};
}

// The plain text of what was read, or the reason it was refused.
std::string Testo(std::string_view rtf)
{
    std::string motivo;
    const auto t = LeggiRtf(rtf, &motivo);
    if (!t)
        return "rifiutato: " + motivo;
    std::string r;
    for (const Sequenza& s : *t)
        r += s.testo;
    return r;
}

// What the word processors wrote from the same page: two paragraphs, the
// three toggles, three colours and sizes, accents, the radical and the
// Windows quotes. AbiWord adds two empty paragraphs and leaves the second
// paragraph's end in the red of its first word.
TEST(Rtf, LeggeIFileDeiWordProcessor)
{
    const TestoRicco comune = {
        {"Il triangolo ", Stile(12)},
        {"rettangolo", Stile(12, Nero, true)},
        {" ha lati ", Stile(12)},
        {"a", Stile(12, Nero, false, true)},
        {", ", Stile(12)},
        {"b", Stile(12, Nero, false, false, true)},
        {" e c.\n", Stile(12)},
        {"Città àèéìòù", Stile(16, Rosso)},
        {" verde ", Stile(12, Verde)},
        {"c = √(a² + b²) – “fine” €", Stile(9, Blu)},
    };
    TestoRicco abiword = comune;
    abiword.push_back({"\n", Stile(16, Rosso)});
    abiword.push_back({"\n", Stile(12)});
    for (const auto& [file, atteso] : {std::pair{"libreoffice.rtf", comune}, std::pair{"abiword.rtf", abiword}}) {
        const auto letto = LeggiRtf(LeggiCampione(file));
        ASSERT_TRUE(letto) << file;
        EXPECT_EQ(*letto, atteso) << file;
    }
}

const std::vector<TestoRicco> Formattati = {
    {{"Il commento: ", Stile(10)},
     {"grassetto", Stile(10, Nero, true)},
     {", corsivo", Stile(10, Nero, false, true)},
     {" e sottolineato\n", Stile(10, Nero, false, false, true)},
     {"Rosso 14", Stile(14, Rosso)},
     {" verde 12", Stile(12, Verde)},
     {" blu 9 \\ { } \t\n", Stile(9, Blu, true, true, true)},
     {"àèéìòù €, c = √2", Stile(35, Rosso)}},
    // Digits and blanks right after a control word, empty paragraphs at
    // either end, the extreme sizes.
    {{"\n 1", Stile(8)}, {"2 😀", Stile(1)}, {"3\n\n", Stile(1638, ColoreRgb{1, 2, 3})}},
    {{"\n", Stile(12)}},
    {},
};

TEST(Rtf, IlTestoScrittoSiRileggeUguale)
{
    for (const TestoRicco& t : Formattati) {
        const std::string rtf = ScriviRtf(t);
        EXPECT_EQ(LeggiRtf(rtf), t) << rtf;
        EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        for (size_t i = 0; i < rtf.size(); ++i) {
            ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << rtf;
            ASSERT_TRUE(rtf[i] != '\n' || (i > 0 && rtf[i - 1] == '\r')) << rtf;
        }
    }
    EXPECT_NE(ScriviRtf(Formattati[0]).find("\\u8730?"), std::string::npos);
}

// With VELLORA_RTF_CAMPIONE naming a folder, scripts/controlla_rtf gets there
// the file it gives the word processors, campione.rtf, and beside each .rtf
// of the folder (theirs, once they have written it) a .txt of its runs: bold,
// italic and underline as 0 or 1, colour, size and text, each run ended by
// the record separator, as the text may hold line ends.
TEST(Rtf, CampionePerIWordProcessor)
{
    const TestoRicco& campione = Formattati[0];
    const char* cartella = std::getenv("VELLORA_RTF_CAMPIONE");
    if (!cartella)
        return;
    namespace fs = std::filesystem;
    std::ofstream(fs::path(cartella) / "campione.rtf", std::ios::binary) << ScriviRtf(campione);
    for (const auto& voce : fs::directory_iterator(cartella)) {
        if (voce.path().extension() != ".rtf")
            continue;
        std::ifstream in(voce.path(), std::ios::binary);
        const auto letto = LeggiRtf(std::string(std::istreambuf_iterator<char>(in), {}));
        ASSERT_TRUE(letto) << voce.path();
        std::ofstream sequenze(fs::path(voce.path()).replace_extension(".txt"), std::ios::binary);
        for (const Sequenza& s : *letto) {
            char colore[8];
            std::snprintf(colore, sizeof colore, "#%02x%02x%02x", s.stile.colore.r, s.stile.colore.g, s.stile.colore.b);
            sequenze << s.stile.grassetto << s.stile.corsivo << s.stile.sottolineato << ' ' << colore << ' '
                     << s.stile.dimensione << ' ' << s.testo << '\x1E';
        }
    }
}

struct Caso {
    const char* rtf;
    const char* testo;
};

TEST(Rtf, CaratteriSpeciali)
{
    const Caso casi[] = {
        // The radical of old files, a Symbol character; re-saved, it comes
        // back in the private area, U+F0D6. Elsewhere 0xD6 is Ö.
        {R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss MS Sans Serif;}{\f1\froman\fcharset2 Symbol;}}
\pard\plain\f0\fs17 c = {\f1\'d6}2 \'d6\par })",
         "c = √2 Ö"},
        {R"({\rtf1{\fonttbl{\f3\fnil symbol;}{\f4\fcharset2 Wingdings;}}{\f3\u61654\'3f}{\f3\u214?}{\f4\'d6})", "√√Ö"},
        {R"({\rtf1\ansi \'80\'82\'85\'8c\'91\'92\'93\'94\'96\'97\'99\'9f\'81 \'e0\'E8 \'zz})",
         "€‚…Œ‘’“”–—™Ÿ\uFFFD àè zz"},
        // \uc counts the fallback characters, \'xx and control words alike,
        // within its group; a brace ends the skipping.
        {R"({\rtf1 \u233?\u-10179?\u-8704?{\uc2\u8730 xy}\u233 zw\u233\'e9!\u224\par x{\uc3\u233 a}b})", "é😀√éwé!àxéb"},
        {R"({\rtf1 \uc0\u8730 2 \u-3\u55357 a\u56832 b})", "√2 \uFFFD\uFFFDa\uFFFDb"},
        {R"({\rtf1 a\\b\{c\}d\~e\-f\_g\tab h\line i\emdash\rquote})", "a\\b{c}d\u00A0ef\u2011g\th\ni—’"},
        // What holds no text of the document.
        {R"({\rtf1{\fonttbl{\f0 A;}}{\colortbl;\red1;}{\stylesheet{\s0 Normale;}}{\info{\title T}}{\*\generator G}
{\*\unknown{\b x}}{\pict\bin4 }}{x}{\field{\*\fldinst HYPERLINK "y"}{\fldrslt z}}a\par\par })",
         "za\n"},
        {"{\\rtf1 a\\\nb\rc\x01}", "a\nbc"},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(Testo(c.rtf), c.testo) << c.rtf;
}

TEST(Rtf, AttributiColoriEDimensioni)
{
    const std::string rtf = R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue0;}{\b\i\ul\cf1\fs40 a\ulnone
\b0 b\plain c}{\uldb\cf2\fs7 d\ul0\cf9 e}{\fs99999999999\cf-5 f\fs-3 g\i0\b1 h})";
    const TestoRicco atteso = {
        {"a", Stile(20, Rosso, true, true, true)},
        {"b", Stile(20, Rosso, false, true)},
        {"c", Stile(12)},
        {"d", Stile(4, Verde, false, false, true)},
        {"e", Stile(4)},
        {"f", Stile(1638)},
        {"g", Stile(1)},
        {"h", Stile(1, Nero, true)},
    };
    EXPECT_EQ(LeggiRtf(rtf), atteso);
}

TEST(Rtf, FileMalformatiOTroppoAnnidati)
{
    const std::string profondo = "{\\rtf1 " + std::string(100'000, '{') + "a";
    const std::string scartato = "{\\rtf1 {\\*\\x " + std::string(100'000, '{') + std::string(100'000, '}') + "}b}";
    const std::string quasi = "{\\rtf1 " + std::string(999, '{') + "c" + std::string(999, '}') + "}";
    const Caso casi[] = {
        {"{\\rtf1 {\\b a}b}}}}c", "ab"},
        {"{\\rtf1 {{a", "a"},
        {"{\\rtf1 a\\", "a"},
        {"{\\rtf1 a\\'e", "ae"},
        {"{\\rtf1 a\\u", "a"},
        {"{\\rtf1 a\\u-", "a-"},
        {"{\\rtf1 a\\bin99999999999999 b}", "a"},
        {"{\\rtf1 a\\bin-5 b\\uc99999999 \\u65 cd}", "abA"},
        {"{\\rtf", ""},
        {profondo.c_str(), "rifiutato: Il file RTF ha troppi gruppi annidati"},
        {scartato.c_str(), "b"},
        {quasi.c_str(), "c"},
        {"\xEF\xBB\xBF\r\n {\\rtf1 a}", "a"},
        {"Disegno di Vellora\r\n", "rifiutato: Il file non è in formato RTF"},
        {"", "rifiutato: Il file non è in formato RTF"},
        {"{\\rt", "rifiutato: Il file non è in formato RTF"},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(Testo(c.rtf), c.testo) << std::string_view(c.rtf).substr(0, 40);
}

} // namespace
