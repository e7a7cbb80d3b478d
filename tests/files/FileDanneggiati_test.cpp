// Damaged drawing and figure files: each is refused whole, with its message,
// and the drawing on screen stays exactly as it was.
#include "CartellaProva.h"
#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/ComandiDisegno.h"
#include "files/FileFigura.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vellora;

namespace {

// One yellow triangle, the whole figure selected, every setting as new.
std::string Triangolo()
{
    std::string t = "Disegno di Vellora\r\n 1 \r\n3,0\r\n0,0\r\n4,0\r\n0,3\r\n";
    for (int k = 4; k <= 21; ++k)
        t += "0,0\r\n";
    return t + "14,0\r\n1\r\n0\r\n1\r\n12\r\n1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n10\r\n2\r\n2\r\n2\r\n0\r\n0\r\n1\r\n1\r\n";
}

const std::string Vuoto =
    "Disegno di Vellora\r\n 0 \r\n1\r\n0\r\n1\r\n12\r\n1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n10\r\n2\r\n2\r\n2\r\n0\r\n"
    "0\r\n1\r\n1\r\n";

// The text with line `riga` (from 1) replaced.
std::string Cambia(std::string t, int riga, const std::string& nuova)
{
    size_t inizio = 0;
    for (int r = 1; r < riga; ++r)
        inizio = t.find("\r\n", inizio) + 2;
    return t.replace(inizio, t.find("\r\n", inizio) - inizio, nuova);
}

std::string TriangoloCon(int riga, const std::string& nuova)
{
    return Cambia(Triangolo(), riga, nuova);
}

// A program showing two figures, the second's vertex B selected, its own
// settings, a name, unsaved changes; figure 3's slot holds a deleted figure.
struct Schermo : test::Banco {
    Schermo()
    {
        for (Voce v : {Voce::MnuFiguraMenuQuadrilateriQuadrato, Voce::MnuFiguraMenuTriangoliEqui,
                       Voce::MnuFiguraMenuPentagoniRegolare})
            InserisciFiguraPredefinita(p, v);
        p.d.NumeroFigure = 2;
        p.d.FiguraAttiva = 2;
        p.d.VerticeAttivo = 2;
        p.d.Range = 20;
        p.d.ScalaX = p.d.ScalaY = 2;
        p.d.TipoGriglia = 3;
        p.sessione.NomeDisegno = p.sessione.UltimoDisegno = "/scuola/prima.geo";
    }
    auto Stato() const { return std::tuple(p.d, p.d.Figure, p.sessione, p.totali, p.testi, p.voci, p.mappa); }
};

class FileDanneggiati : public test::CartellaProva {};

TEST_F(FileDanneggiati, OgniDisegnoDanneggiatoERifiutatoENonCambiaNulla)
{
    const std::string t = Triangolo();
    const std::pair<const char*, std::string> casi[] = {
        {"count 256", TriangoloCon(2, " 256 ")},
        {"count x", TriangoloCon(2, "x")},
        {"count 1.5", TriangoloCon(2, "1.5")},
        {"count empty", TriangoloCon(2, "")},
        {"ends inside the figure", t.substr(0, t.find("0,3"))},
        {"coordinate x", TriangoloCon(5, "4,x")},
        {"21 points", TriangoloCon(3, "21,0")},
        {"no points", TriangoloCon(3, "0,0")},
        {"2.5 points", TriangoloCon(3, "2.5,0")},
        {"a circle of three points", TriangoloCon(3, "3,1")},
        {"circle flag 2", TriangoloCon(3, "3,2")},
        {"a point at infinity", TriangoloCon(4, ".5,inf")},
        {"figure 0 of 1", TriangoloCon(26, "0")},
        {"colour 0", TriangoloCon(25, "0,0")},
        {"colour 16", TriangoloCon(25, "16,0")},
        {"dash 1", TriangoloCon(25, "14,1")},
        {"figure 2 of 1", TriangoloCon(26, "2")},
        {"vertex D of a triangle", TriangoloCon(27, "4")},
        {"grid 0", TriangoloCon(28, "0")},
        {"grid 4", TriangoloCon(28, "4")},
        {"range 0", TriangoloCon(29, "0")},
        {"range 31", TriangoloCon(29, "31")},
        {"scale 1001", TriangoloCon(30, "1001")},
        {"scale 1E-06", TriangoloCon(31, "1E-06")},
        {"angle nan", TriangoloCon(36, "nan")},
        {"O at inf", TriangoloCon(40, "inf")},
        {"a line too many", t + "1\r\n"},
        {"empty drawing, figure 0", Cambia(Vuoto, 3, "0")},
        {"empty drawing, figure 129", Cambia(Vuoto, 3, "129")},
        {"empty drawing, vertex A", Cambia(Vuoto, 4, "1")},
        {"header in other case", TriangoloCon(1, "disegno di vellora")},
    };
    for (const auto& [caso, testo] : casi) {
        Scrivi(radice / "x.geo", testo);
        Schermo s;
        s.dialoghi.risposte = {Risposta::No};
        s.dialoghi.fileScelti = {Percorso("x.geo")};
        const auto prima = s.Stato();
        ApriDisegno(s.p);
        EXPECT_TRUE(s.Stato() == prima) << caso;
        ASSERT_EQ(s.dialoghi.messaggi.size(), 2u) << caso; // the save question, then the refusal
        EXPECT_EQ(s.dialoghi.messaggi[1].testo, "Non è un disegno di Vellora") << caso;
        EXPECT_EQ(s.dialoghi.messaggi[1].icona, Icona::Stop) << caso;
    }
}

// What the program writes, or a new drawing and a deletion leave, reads back.
TEST_F(FileDanneggiati, QuelloCheIlProgrammaScriveSiLegge)
{
    for (const std::string& testo :
         {Triangolo(), Cambia(Vuoto, 3, "128"), TriangoloCon(25, "7,2"), TriangoloCon(27, "3"), Triangolo() + "\r\n"})
        EXPECT_TRUE(LeggiTestoDisegno(testo)) << testo;
}

// What the file does not hold is what a new drawing holds, never what was on screen.
TEST_F(FileDanneggiati, IlDisegnoSiLeggeInUnDisegnoNuovo)
{
    const std::string t = Triangolo();
    const auto figura = [] {
        Disegno d;
        const float x[] = {0, 4, 0}, y[] = {0, 0, 3};
        AggiungiFigura(d, 3, x, y);
        return d;
    };
    const std::pair<std::string, Disegno> casi[] = {
        {"Disegno di Vellora\r\n", Disegno{}},
        {t.substr(0, t.find("\r\n12\r\n") + 2), figura()}, // ends before the range
        {TriangoloCon(29, ""), figura()},                  // the range's line left empty
    };
    for (const auto& [testo, atteso] : casi) {
        Scrivi(radice / "nuovo.geo", testo);
        Schermo s;
        s.dialoghi.risposte = {Risposta::No};
        s.dialoghi.fileScelti = {Percorso("nuovo.geo")};
        ApriDisegno(s.p);
        EXPECT_EQ(s.p.d, atteso) << testo;
        EXPECT_EQ(s.p.d.Figure, atteso.Figure) << testo; // no deleted figure behind the last
        EXPECT_EQ(s.p.sessione.NomeDisegno, Percorso("nuovo.geo"));
        EXPECT_FALSE(s.p.sessione.Modificato);
    }
}

TEST_F(FileDanneggiati, OgniFiguraDanneggiataERifiutata)
{
    const std::string quadrato = TestoFigura([] {
        Disegno d;
        const float x[] = {0, 1, 1, 0}, y[] = {0, 0, 1, 1};
        AggiungiFigura(d, 4, x, y);
        return EstraiRecord(d.Figure, 1);
    }());
    const std::string casi[] = {
        "",                                                        // the slot's deleted figure is not inserted
        quadrato.substr(0, quadrato.rfind("14,0")),                // 22 lines
        Cambia(quadrato, 23, "10,1"),                              // dash 1
        Cambia(quadrato, 23, "8,0"),                               // colour 8
        Cambia(quadrato, 2, "x,0"),                                // a coordinate that is no number
        "Disegno di Vellora\r\n 1 \r\n" + quadrato.substr(0, 100), // a drawing
    };
    for (const std::string& testo : casi) {
        Scrivi(radice / "x.fgr", testo);
        Schermo s;
        s.dialoghi.fileScelti = {Percorso("x.fgr")};
        const auto prima = s.Stato();
        EXPECT_FALSE(InserisciFiguraDaFile(s.p));
        EXPECT_TRUE(s.Stato() == prima) << testo;
        ASSERT_EQ(s.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(s.dialoghi.messaggi[0].testo, "Non è una figura di Vellora");
    }
}

// Refused before anything is read: a file larger than a drawing can be, a
// device that never ends, a pipe nobody writes to, a folder.
TEST_F(FileDanneggiati, QuelloCheNonPuoEssereUnDisegnoNonSiLegge)
{
    Scrivi(radice / "grande.geo", Triangolo() + std::string(LimiteDisegno, '\n'));
    ASSERT_EQ(::mkfifo(Percorso("tubo.geo").c_str(), 0600), 0);
    std::filesystem::create_directory(radice / "cartella.geo");
    const std::pair<std::string, std::string> casi[] = {
        {Percorso("grande.geo"), "file troppo grande"},         {"/dev/zero", "non è un file regolare"},
        {Percorso("tubo.geo"), "non è un file regolare"},       {Percorso("cartella.geo"), "è una cartella"},
        {Percorso("manca.geo"), "file o cartella inesistente"},
    };
    for (const auto& [file, motivo] : casi) {
        Schermo s;
        s.dialoghi.risposte = {Risposta::No};
        s.dialoghi.fileScelti = {file};
        const auto prima = s.Stato();
        ApriDisegno(s.p);
        EXPECT_TRUE(s.Stato() == prima) << file;
        ASSERT_EQ(s.dialoghi.messaggi.size(), 2u) << file;
        EXPECT_EQ(s.dialoghi.messaggi[1].testo, "Impossibile aprire il disegno «" + file + "»: " + motivo);
    }
    Scrivi(radice / "grande.fgr", std::string(LimiteFigura + 1, '0'));
    Schermo s;
    s.dialoghi.fileScelti = {Percorso("grande.fgr")};
    EXPECT_FALSE(InserisciFiguraDaFile(s.p));
    EXPECT_EQ(s.dialoghi.messaggi.at(0).testo,
              "Impossibile aprire la figura «" + Percorso("grande.fgr") + "»: file troppo grande");
}

} // namespace
