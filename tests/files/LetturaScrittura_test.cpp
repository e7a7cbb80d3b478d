// Drawing, figure and recent.dat files: read whole or refused, written through a temporary.
#include "CartellaProva.h"
#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/AccessoFile.h"
#include "files/ComandiDisegno.h"
#include "files/FileFigura.h"
#include "files/Recenti.h"

#include <csignal>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace vellora;

namespace {

// One yellow triangle, the whole figure selected, every setting as new.
Disegno UnTriangolo()
{
    Disegno d;
    const float x[] = {0, 4, 0}, y[] = {0, 0, 3};
    AggiungiFigura(d, 3, x, y);
    return d;
}

// The text with line `riga` (from 1) replaced.
std::string Cambia(std::string t, int riga, const std::string& nuova)
{
    size_t inizio = 0;
    for (int r = 1; r < riga; ++r)
        inizio = t.find("\r\n", inizio) + 2;
    return t.replace(inizio, t.find("\r\n", inizio) - inizio, nuova);
}

// A square, its vertex B selected, a range of its own, a name, unsaved
// changes (No to the save question); the next slot holds a deleted figure.
struct Schermo : test::Banco {
    Schermo()
    {
        InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
        InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuTriangoliEqui);
        p.d.NumeroFigure = p.d.FiguraAttiva = 1;
        p.d.VerticeAttivo = 2;
        p.d.Range = 20;
        p.sessione.NomeDisegno = "/scuola/prima.geo";
        dialoghi.risposte = {Risposta::No};
    }
    auto Stato() const { return std::tuple(p.d, p.d.Figure, p.sessione, p.totali, p.testi, p.voci, p.mappa); }
};

class LetturaScrittura : public test::CartellaProva {};

TEST_F(LetturaScrittura, OgniFileDanneggiatoERifiutatoENonCambiaNulla)
{
    // Apri disegno, or Inserisci figura da file for a ".fgr".
    const auto rifiutato = [](const std::string& file, const std::string& messaggio) {
        Schermo s;
        const auto prima = s.Stato();
        const bool figura = file.ends_with(".fgr");
        s.dialoghi.fileScelti = {file};
        if (figura)
            EXPECT_FALSE(InserisciFiguraDaFile(s.p)) << file;
        else
            ApriDisegno(s.p);
        EXPECT_TRUE(s.Stato() == prima) << file;
        const auto& m = s.dialoghi.messaggi;
        ASSERT_EQ(m.size(), figura ? 1u : 2u) << file; // a drawing's after the save question
        EXPECT_EQ(std::tuple(m.back().testo, m.back().icona), std::tuple(messaggio, Icona::Stop)) << file;
    };
    const auto danneggiato = [&](const std::string& nome, const std::string& testo) {
        Scrivi(radice / nome, testo);
        rifiutato(Percorso(nome),
                  nome.ends_with(".fgr") ? "Non è una figura di Vellora" : "Non è un disegno di Vellora");
    };
    const std::string t = TestoDisegno(UnTriangolo()), f = TestoFigura(EstraiRecord(UnTriangolo().Figure, 1));
    // A line of the triangle's text, replaced.
    const std::pair<int, const char*> righe[] = {
        // clang-format off
        {1, "disegno di vellora"},                                     // the header
        {2, " 256 "}, {2, "x"}, {2, "1.5"},                            // the count
        {3, "21,0"}, {3, "0,0"}, {3, "2.5,0"}, {3, "3,1"}, {3, "3,2"}, // the point count and circle flag
        {4, ".5,inf"}, {5, "4,x"},                                     // points
        {25, "16,0"}, {25, "14,1"},                                    // colour and dash
        {26, "0"}, {26, "2"}, {27, "4"},                               // the figure and vertex selected
        {28, "0"}, {28, "4"}, {29, "0"}, {29, "31"},                   // grid and range
        {30, "1001"}, {31, "1E-06"}, {36, "nan"}, {40, "inf"},         // the scales, the angle, the x of O
        // clang-format on
    };
    for (const auto& [riga, nuova] : righe)
        danneggiato(std::to_string(riga) + "=" + nuova + ".geo", Cambia(t, riga, nuova));
    for (const auto& [riga, nuova] : {std::pair{3, "0"}, {3, "129"}, {4, "1"}}) // the selection with no figures
        danneggiato("vuoto " + std::to_string(riga) + "=" + nuova + ".geo", Cambia(TestoDisegno({}), riga, nuova));
    danneggiato("finisce nella figura.geo", t.substr(0, t.find("0,3")));
    danneggiato("una riga in più.geo", t + "1\r\n");
    danneggiato("vuota.fgr", ""); // the figure deleted from the slot does not come back
    danneggiato("22 righe.fgr", f.substr(0, f.rfind("14,0")));
    danneggiato("colore 8.fgr", Cambia(f, 23, "8,0"));

    // Refused before anything is read: larger than a drawing can be, a
    // device that never ends, a folder, no file.
    Scrivi(radice / "grande.geo", t + std::string(LimiteDisegno, '\n'));
    Scrivi(radice / "grande.fgr", std::string(LimiteFigura + 1, '0'));
    fs::create_directory(radice / "cartella.geo");
    for (const auto& [file, motivo] : {std::pair{Percorso("grande.geo"), "file troppo grande"},
                                       {"/dev/zero", "non è un file regolare"},
                                       {Percorso("cartella.geo"), "è una cartella"},
                                       {Percorso("manca.geo"), "file o cartella inesistente"}})
        rifiutato(file, "Impossibile aprire il disegno «" + file + "»: " + motivo);
    rifiutato(Percorso("grande.fgr"),
              "Impossibile aprire la figura «" + Percorso("grande.fgr") + "»: file troppo grande");
}

// What the file does not hold is what a new drawing holds, never what was on
// screen: no setting, and no deleted figure behind the last. What the program
// writes, or a new drawing and a deletion leave, opens.
TEST_F(LetturaScrittura, IlDisegnoSiLeggeInUnDisegnoNuovo)
{
    const std::string t = TestoDisegno(UnTriangolo());
    const std::pair<std::string, std::optional<Disegno>> casi[] = {
        {"Disegno di Vellora\r\n", Disegno{}},
        {t.substr(0, t.find("\r\n12\r\n") + 2), UnTriangolo()}, // ends before the range
        {Cambia(t, 29, ""), UnTriangolo()},                     // the range's line left empty
        {Cambia(TestoDisegno({}), 3, "128"), std::nullopt},
        {Cambia(t, 25, "7,2"), std::nullopt},
        {Cambia(t, 27, "3"), std::nullopt},
        {t + "\r\n", std::nullopt},
    };
    for (const auto& [testo, atteso] : casi) {
        SCOPED_TRACE(testo);
        Scrivi(radice / "nuovo.geo", testo);
        Schermo s;
        s.dialoghi.fileScelti = {Percorso("nuovo.geo")};
        ApriDisegno(s.p);
        EXPECT_EQ(std::pair(s.p.sessione.NomeDisegno, s.p.sessione.Modificato),
                  std::pair(Percorso("nuovo.geo"), false));
        EXPECT_TRUE(!atteso || (s.p.d == *atteso && s.p.d.Figure == atteso->Figure));
    }
}

// The safe write of "nuovo", as a user the folders do not let write: root may
// write anywhere, so root gives its rights away first. The reason goes to
// stderr, the outcome to the exit status.
[[noreturn]] void ScriviSenzaDiritti(const fs::path& percorso)
{
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
        std::_Exit(2);
    std::string motivo;
    const bool scritto = ScriviFileSicuro(percorso.string(), "nuovo", motivo);
    std::fputs(motivo.c_str(), stderr);
    std::_Exit(scritto ? 0 : 1);
}

// A write that fails says why in Italian, in the figure's message too, and
// leaves the old file as it was, with no temporary beside it.
TEST_F(LetturaScrittura, UnaScritturaFallitaLasciaIlVecchioFile)
{
    const fs::path sola = radice / "sola", cartella = radice / "cartella";
    Scrivi(sola / "x.geo", "vecchio");
    fs::permissions(sola / "x.geo", fs::perms::all);
    fs::create_directories(cartella / "dentro");
    fs::permissions(sola, fs::perms(0555)); // read and search only
    EXPECT_EXIT(ScriviSenzaDiritti(radice / "manca" / "x.geo"), testing::ExitedWithCode(1),
                "^file o cartella inesistente$");
    // The file may be written, its folder not.
    EXPECT_EXIT(ScriviSenzaDiritti(sola / "x.geo"), testing::ExitedWithCode(1), "^permesso negato$");
    fs::permissions(sola, fs::perms::owner_all);
    test::Banco b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    b.dialoghi.fileScelti = {cartella.string()};
    SalvaFiguraConNome(b.p);
    EXPECT_EQ(b.dialoghi.Testi(),
              std::vector<std::string>{"Impossibile salvare la figura in «" + cartella.string() + "»: è una cartella"});
    EXPECT_EQ(Leggi(sola / "x.geo"), "vecchio");
    EXPECT_EQ(std::distance(fs::directory_iterator(sola), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), {}), 1);
}

// A child saves two texts in turn over the same file and is killed until a
// kill falls between the temporary's creation and its rename: the file still
// holds one of the two whole, and the next save leaves nothing beside it.
TEST_F(LetturaScrittura, UnSalvataggioInterrottoLasciaIlVecchioFileIntero)
{
    const std::string primo(1 << 20, '1'), secondo(1 << 19, '2'), file = Percorso("classe.geo");
    std::string motivo;
    const auto temporanei = [&] { return std::distance(fs::directory_iterator(radice), {}) - 1; };
    Scrivi(file, primo);
    for (int prova = 0; prova < 100 && temporanei() == 0; ++prova) {
        const pid_t figlio = ::fork();
        if (figlio == 0)
            for (;;)
                ScriviFileSicuro(file, secondo, motivo), ScriviFileSicuro(file, primo, motivo);
        ASSERT_GT(figlio, 0);
        // Killed as soon as a save has its temporary, if one comes.
        for (int attesa = 0; attesa < 1000 && temporanei() == 0; ++attesa)
            ::usleep(100);
        ::kill(figlio, SIGKILL);
        ::waitpid(figlio, nullptr, 0);
        ASSERT_TRUE(Leggi(file) == primo || Leggi(file) == secondo) << "after " << prova << " kills";
    }
    ASSERT_GT(temporanei(), 0);
    ASSERT_TRUE(ScriviFileSicuro(file, primo, motivo));
    EXPECT_EQ(temporanei(), 0);
    EXPECT_EQ(Leggi(file), primo);
}

// The same list again leaves recent.dat as it is (a rewrite renames a new
// file over it), a different one replaces it; how it is read is the start-up's
// test. A folder holds drawings by any case of ".geo", and only as files.
TEST_F(LetturaScrittura, RecentDat)
{
    const auto nodo = [&](const char* ultimo) {
        EXPECT_TRUE(ScriviRecenti(Percorso("recent.dat"), {ultimo, "/scuola"}));
        struct stat s {};
        ::stat((radice / "recent.dat").c_str(), &s);
        return s.st_ino;
    };
    const auto primo = nodo("/scuola/a.geo");
    EXPECT_EQ(nodo("/scuola/a.geo"), primo);
    EXPECT_NE(nodo("/scuola/b.geo"), primo);
    Scrivi(radice / "si" / "PITAGORA.GEO", "");
    for (const char* nome : {"x.geo.txt", "geo", "cartella.geo/a.txt"})
        Scrivi(radice / "no" / nome, "");
    EXPECT_EQ(std::pair(ContieneDisegni(Percorso("si")), ContieneDisegni(Percorso("no"))), std::pair(true, false));
}

} // namespace
