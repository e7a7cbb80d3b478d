// The lessons installed with the program, whatever esempi/ holds, as a pupil opens and plays them.
#include "BancoMacro.h"
#include "files/ComandiDisegno.h"
#include "files/Rtf.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

using namespace vellora;

namespace {

using namespace test;
namespace fs = std::filesystem;

const fs::path Esempi = fs::path(__FILE__).parent_path().parent_path().parent_path() / "esempi";

// The lessons' names, without ".geo".
std::vector<std::string> Disegni()
{
    std::vector<std::string> nomi;
    for (const auto& voce : fs::directory_iterator(Esempi))
        if (voce.path().extension() == ".geo")
            nomi.push_back(voce.path().stem().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

// Opens the drawing as the File menu does, answering its file dialog.
void Apri(BancoMacro& b, const std::string& nome)
{
    b.dialoghi.fileScelti.push_back((Esempi / (nome + ".geo")).string());
    ApriDisegno(b.p);
}

TEST(Esempi, OgniDisegnoSiApreESiRiscriveUguale)
{
    for (const std::string& nome : Disegni()) {
        BancoMacro b;
        Apri(b, nome);
        EXPECT_EQ(b.dialoghi.Testi(), std::vector<std::string>{}) << nome;
        EXPECT_GT(b.p.d.NumeroFigure, 0) << nome;
        EXPECT_EQ(TestoDisegno(b.p.d), CartellaTemporanea::Leggi(Esempi / (nome + ".geo"))) << nome;
    }
}

// Every file beside a drawing belongs to one: a comment or a macro whose
// drawing was renamed would never be found.
TEST(Esempi, OgniFileHaIlSuoDisegno)
{
    for (const auto& voce : fs::directory_iterator(Esempi)) {
        std::string nome = voce.path().filename().string();
        for (const std::string fine : {".inv.mcr", ".mcr", ".rtf", ".geo"})
            if (nome.ends_with(fine)) {
                nome.resize(nome.size() - fine.size());
                break;
            }
        EXPECT_TRUE(fs::exists(Esempi / (nome + ".geo"))) << voce.path();
    }
}

TEST(Esempi, OgniCommentoSiLeggeEFaUnaDomanda)
{
    for (const std::string& nome : Disegni()) {
        const fs::path rtf = Esempi / (nome + ".rtf");
        ASSERT_TRUE(fs::exists(rtf)) << nome;
        std::string motivo;
        const auto testo = LeggiRtf(CartellaTemporanea::Leggi(rtf), &motivo);
        ASSERT_TRUE(testo) << nome << ": " << motivo;
        std::string semplice;
        for (const Sequenza& s : *testo)
            semplice += s.testo;
        EXPECT_NE(semplice.find('?'), std::string::npos) << nome;
        EXPECT_EQ(semplice.find('\\'), std::string::npos) << nome; // no control word left as text
    }
}

TEST(Esempi, OgniMacroArrivaInFondoELInversaRiportaAlDisegno)
{
    int macro = 0;
    for (const std::string& nome : Disegni()) {
        const fs::path diretta = Esempi / (nome + ".mcr");
        if (!fs::exists(diretta))
            continue;
        ++macro;
        ASSERT_TRUE(fs::exists(Esempi / (nome + ".inv.mcr"))) << nome;
        BancoMacro b;
        Apri(b, nome);
        const Disegno aperto = b.p.d;
        ASSERT_TRUE(AttivaFileMacro(b.p, diretta.string())) << nome;
        PulsanteMacro(b.p, 1, false, false);
        EXPECT_EQ(b.dialoghi.Testi(), std::vector<std::string>{}) << nome;
        EXPECT_GT(b.pompa.turni, 0) << nome << ": the lesson has no pause";
        EXPECT_NE(b.p.d.NumeroFigure, aperto.NumeroFigure) << nome;

        PulsanteMacro(b.p, 1, true, false);
        EXPECT_EQ(b.dialoghi.Testi(), std::vector<std::string>{}) << nome;
        EXPECT_EQ(std::tuple(b.p.d.NumeroFigure, b.p.d.FiguraAttiva),
                  std::tuple(aperto.NumeroFigure, aperto.FiguraAttiva))
            << nome;
        for (int f = 1; f <= aperto.NumeroFigure; ++f)
            for (int k = 0; k <= UltimoSlot; ++k)
                EXPECT_EQ(std::pair(b.p.d.Figure.X(f, k), b.p.d.Figure.Y(f, k)),
                          std::pair(aperto.Figure.X(f, k), aperto.Figure.Y(f, k)))
                    << nome << " figure " << f << " slot " << k;
    }
    EXPECT_GE(macro, 8);
}

} // namespace
