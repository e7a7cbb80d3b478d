// A write that fails says why in Italian and leaves the old file as it was,
// with no temporary beside it.
#include "CartellaProva.h"
#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/AccessoFile.h"
#include "files/FileFigura.h"
#include "files/Recenti.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace vellora;

namespace {

// The safe write in a child process, as a user the folders do not let write:
// root may write anywhere, so a child run as root gives its rights away first.
std::pair<bool, std::string> ScriviSenzaDiritti(const std::string& percorso, const std::string& testo)
{
    int tubo[2];
    if (::pipe(tubo) != 0)
        return {true, "pipe"};
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::close(tubo[0]);
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        std::string motivo;
        const bool scritto = ScriviFileSicuro(percorso, testo, motivo);
        if (::write(tubo[1], motivo.data(), motivo.size()) < 0)
            ::_exit(2);
        ::_exit(scritto ? 0 : 1);
    }
    ::close(tubo[1]);
    std::string motivo;
    char blocco[256];
    for (ssize_t n; (n = ::read(tubo[0], blocco, sizeof blocco)) > 0;)
        motivo.append(blocco, static_cast<size_t>(n));
    ::close(tubo[0]);
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    return {WIFEXITED(stato) && WEXITSTATUS(stato) == 0, motivo};
}

class ScritturaSicura : public test::CartellaProva {};

TEST_F(ScritturaSicura, UnaScritturaFallitaLasciaIlVecchioFile)
{
    const fs::path sola = radice / "sola", cartella = radice / "cartella";
    Scrivi(sola / "x.geo", "vecchio");
    fs::permissions(sola / "x.geo", fs::perms::all);
    fs::create_directories(cartella / "dentro");
    const std::pair<fs::path, std::string> casi[] = {
        {radice / "manca" / "x.geo", "file o cartella inesistente"},
        {sola / "x.geo", "permesso negato"}, // the file may be written, its folder not
        {cartella, "è una cartella"},
    };
    fs::permissions(sola, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec | fs::perms::group_read | fs::perms::group_exec);
    for (const auto& [percorso, motivo] : casi) {
        const auto [scritto, detto] = ScriviSenzaDiritti(percorso.string(), "nuovo");
        EXPECT_FALSE(scritto) << percorso;
        EXPECT_EQ(detto, motivo) << percorso;
    }
    fs::permissions(sola, fs::perms::owner_all);
    EXPECT_EQ(Leggi(sola / "x.geo"), "vecchio");
    EXPECT_EQ(std::distance(fs::directory_iterator(sola), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), {}), 1);
}

// The figure and recent.dat go through the same write.
TEST_F(ScritturaSicura, FiguraERecentDatDiconoIlPerche)
{
    fs::create_directories(radice / "cartella.fgr");
    test::Banco b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    b.dialoghi.fileScelti = {Percorso("cartella.fgr")};
    EXPECT_FALSE(SalvaFiguraConNome(b.p));
    EXPECT_EQ(b.dialoghi.messaggi.at(0).testo,
              "Impossibile salvare la figura in «" + Percorso("cartella.fgr") + "»: è una cartella");

    Scrivi(radice / "recent.dat", "vecchio");
    EXPECT_FALSE(ScriviRecenti(Percorso("manca/recent.dat"), {"a.geo", "/scuola"}));
    EXPECT_TRUE(ScriviRecenti(Percorso("recent.dat"), {"a.geo", "/scuola"}));
    EXPECT_EQ(Leggi(radice / "recent.dat"), "a.geo\r\n/scuola\r\n");
}

} // namespace
