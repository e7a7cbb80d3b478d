#include "CartellaProva.h"
#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/ComandiDisegno.h"
#include "shell/Avvio.h"

#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace vellora;
using vellora::test::Banco;

namespace {

// Everything a refused command must leave alone.
auto Stato(const Programma& p)
{
    return std::tuple(p.d, p.sessione, p.totali, p.testi, p.voci);
}

// A program with one point, modified.
struct ConPunto : Banco {
    ConPunto() { InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuPunto); }
};

class ComandiDisegno : public vellora::test::CartellaProva {
protected:
    // A point, a light-blue circle and a yellow triangle; angle 30.
    std::string ScriviDisegno(const std::string& nome, uint8_t attiva = 3, uint8_t vertice = 0, float scalaY = 1)
    {
        Disegno m;
        const float x[] = {0, 4, 0}, y[] = {0, 0, 3};
        for (int n = 1; n <= 3; ++n)
            AggiungiFigura(m, n, x, y, n == 2);
        m.Figure.X(2, SlotColore) = 11;
        m.FiguraAttiva = attiva;
        m.VerticeAttivo = vertice;
        m.ScalaY = scalaY;
        m.Parametri.ImpostaAngolo(30);
        Scrivi(radice / nome, TestoDisegno(m));
        return Percorso(nome);
    }
};

TEST_F(ComandiDisegno, SalvaSenzaNomeChiedeIlNome)
{
    ConPunto b;
    Scrivi(radice / "classe.geo", "vecchio");
    b.dialoghi.fileScelti = {Percorso("classe.geo")};
    EXPECT_TRUE(SalvaDisegno(b.p));
    EXPECT_EQ(std::tuple(b.dialoghi.richiesteFile.size(), b.p.sessione.UltimoDisegno, b.p.testi.DidascaliaPiano,
                         b.p.sessione.Modificato),
              std::tuple(1u, Percorso("classe.geo"), "classe.geo", false));
    // One yellow point at (1, 1), then a new drawing's settings.
    std::string atteso = "Disegno di Vellora\r\n 1 \r\n1,0\r\n1,1\r\n";
    for (int k = 2; k <= 21; ++k)
        atteso += "0,0\r\n";
    atteso += "14,0\r\n1\r\n0\r\n1\r\n12\r\n1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n10\r\n2\r\n2\r\n2\r\n0\r\n0\r\n1\r\n1\r\n";
    EXPECT_EQ(Leggi(radice / "classe.geo"), atteso);
    EXPECT_EQ(std::distance(fs::directory_iterator(radice), {}), 1); // no temporary left behind
}

// A failed save, a file refused after a partial read, a last drawing not there.
TEST_F(ComandiDisegno, UnComandoRifiutatoNonCambiaNulla)
{
    const std::string manca = Percorso("manca/x.geo"), cattivo = Percorso("cattivo.geo");
    Scrivi(cattivo, "Disegno di Vellora\r\n 1 \r\n3,0\r\nnan,0\r\n");
    const std::string salvataggio = "Impossibile salvare il disegno in «" + manca + "»: file o cartella inesistente";
    using Visti = std::vector<std::pair<std::string, Icona>>;
    const std::tuple<std::string, std::function<void(Programma&)>, Visti> casi[] = {
        {manca, SalvaDisegno, {{salvataggio, Icona::Stop}}},
        {cattivo, ApriDisegno, {{"Non è un disegno di Vellora", Icona::Stop}}},
        {Percorso("manca.geo"), ApriUltimoDisegno, {}},
        {radice.string(), ApriUltimoDisegno, {}},
    };
    for (const auto& [file, comando, messaggi] : casi) {
        ConPunto b;
        b.p.sessione.NomeDisegno = b.p.sessione.UltimoDisegno = file;
        b.p.sessione.Modificato = false;
        b.dialoghi.fileScelti = {file};
        const auto prima = Stato(b.p);
        comando(b.p);
        EXPECT_TRUE(Stato(b.p) == prima) << file;
        Visti visti;
        for (const auto& m : b.dialoghi.messaggi)
            visti.emplace_back(m.testo, m.icona);
        EXPECT_EQ(visti, messaggi) << file;
    }
}

TEST_F(ComandiDisegno, ApreEAggiornaICampi)
{
    Banco b;
    b.p.totali.TotRotazione = 40;
    b.dialoghi.fileScelti = {ScriviDisegno("tre.geo", 2, 2)};
    ApriDisegno(b.p);
    EXPECT_EQ(std::tuple(b.p.testi.CampoFigura, b.p.testi.CampoVertice, b.p.testi.DidascaliaPiano),
              std::tuple("Figura  2: circonf. in  azzurro", "Punto B", "tre.geo"));
    EXPECT_NEAR(b.p.d.Parametri.AngoloRadianti, 0.5235988, 1e-7); // 30 degrees
    EXPECT_EQ(b.p.totali, Totali{});
    // Pixels per tick rounded half up: 402 / 12 = 33.5; no canvas redraws over it.
    b.p.ImpostaSchermo(nullptr, 0, 0);
    b.p.mappa.SemiAmpiezza = 402;
    b.p.sessione.RigaComando = b.p.sessione.NomeDisegno;
    CaricaDisegnoAvvio(b.p);
    EXPECT_EQ(b.p.mappa.PassoPixel, 34);
}

TEST_F(ComandiDisegno, DomandaPrimaDiAprire)
{
    const std::string percorso = ScriviDisegno("tre.geo");
    // Yes asks a name for an unnamed drawing (cancelling it still opens); a failed save stops.
    const std::tuple<Risposta, std::string, std::vector<std::string>, int> casi[] = {
        {Risposta::Annulla, "", {}, 1},
        {Risposta::No, "", {"Apre disegno"}, 3},
        {Risposta::Si, "", {"Salva disegno con nome", "Apre disegno"}, 3},
        {Risposta::Si, Percorso("manca/x.geo"), {}, 1},
    };
    for (const auto& [risposta, nome, dialoghi, figure] : casi) {
        ConPunto b;
        b.p.sessione.NomeDisegno = nome;
        b.dialoghi.risposte = {risposta};
        b.dialoghi.fileScelti = {std::nullopt, percorso};
        if (risposta != Risposta::Si)
            b.dialoghi.fileScelti.pop_front();
        ApriDisegno(b.p);
        EXPECT_EQ(std::tuple(b.dialoghi.messaggi.at(0).testo, b.dialoghi.messaggi[0].pulsanti),
                  std::tuple("Salvare il disegno?", Pulsanti::SiNoAnnulla));
        std::vector<std::string> titoli;
        for (const auto& r : b.dialoghi.richiesteFile)
            titoli.push_back(r.titolo);
        EXPECT_EQ(titoli, dialoghi);
        EXPECT_EQ(b.p.d.NumeroFigure, figure);
    }
}

TEST_F(ComandiDisegno, CerchiConScaleDiverseSvuotanoIlDisegnoETolgonoIlNome)
{
    const std::string percorso = ScriviDisegno("cerchio.geo", 2, 0, 2.0f);
    ConPunto b;
    b.p.sessione.NomeDisegno = "/scuola/prima.geo";
    b.dialoghi.risposte = {Risposta::No};
    b.dialoghi.fileScelti = {percorso};
    ApriDisegno(b.p);
    // The question and why the drawing was refused.
    EXPECT_EQ(std::tuple(b.dialoghi.messaggi.size(), b.p.d.NumeroFigure, b.p.sessione.NomeDisegno,
                         b.p.testi.CampoFigura, b.p.sessione.Modificato),
              std::tuple(2u, 0, "", "Non ci sono figure", true));
}

// At start-up circles load under unequal scales too.
TEST_F(ComandiDisegno, RigaDiComando)
{
    const std::string percorso = ScriviDisegno("con spazio/avvio.geo", 1, 0, 2.0f);
    const std::pair<std::string, bool> casi[] = {
        {"\"" + percorso + "\"", true},
        {"con spazio/avvio.geo", true}, // relative to the working folder
        {"\"" + Percorso("manca.geo") + "\"", false},
    };
    for (const auto& [riga, caricato] : casi) {
        fs::current_path(radice);
        Banco b;
        Inizializza(b.p, Percorso("prog/"), Percorso("prog/"), riga);
        AvviaFinestra(b.p);
        EXPECT_TRUE(b.dialoghi.messaggi.empty()) << riga;
        EXPECT_EQ(std::tuple(b.p.sessione.NomeDisegno, b.p.d.NumeroFigure, fs::current_path()),
                  std::tuple(caricato ? percorso : "", caricato ? 3 : 0, caricato ? radice / "con spazio" : radice))
            << riga;
        EXPECT_EQ(b.p.testi.CampoVertice, "") << riga; // a point has no vertex to name
    }
}

} // namespace
