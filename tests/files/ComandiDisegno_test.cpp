#include "CartellaProva.h"
#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/ComandiDisegno.h"
#include "shell/Avvio.h"
#include "shell/NuovoDisegno.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace vellora;
using vellora::test::Banco;

namespace {

// Everything a refused command must leave alone.
struct Stato {
    Modello m;
    ParametriTrasformazione parametri;
    Totali totali;
    TestiVista testi;
    StatoVoci voci;
    explicit Stato(const Programma& p) : m(p.m), parametri(p.parametri), totali(p.totali), testi(p.testi), voci(p.voci)
    {
    }
    bool operator==(const Stato&) const = default;
};

// A program with one point, modified.
struct ConPunto : Banco {
    ConPunto() { InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuPunto); }
};

class ComandiDisegno : public vellora::test::CartellaProva {
protected:
    // A point, a light-blue circle and a yellow triangle; range 6, angle 30.
    std::string ScriviDisegno(const std::string& nome, int attiva = 3, int vertice = 0, float scalaY = 1)
    {
        Banco autore;
        Modello& m = autore.p.m;
        const float x[] = {0, 4, 0}, y[] = {0, 0, 3};
        AggiungiFigura(m, 1, x, y);
        AggiungiFigura(m, 2, x, y, true);
        m.Figure.X(2, SlotColore) = 11;
        AggiungiFigura(m, 3, x, y);
        m.FiguraAttiva = static_cast<uint8_t>(attiva);
        m.VerticeAttivo = static_cast<uint8_t>(vertice);
        m.Range = 6;
        m.ScalaY = scalaY;
        autore.p.parametri.ImpostaAngolo(30);
        Scrivi(radice / nome, TestoDisegno(EstraiContenuto(m, autore.p.parametri)));
        return Percorso(nome);
    }
};

TEST_F(ComandiDisegno, SalvaConNome)
{
    // Without figures nothing is written and the name stays.
    Banco vuoto;
    vuoto.p.m.NomeDisegno = "/scuola/vecchio.geo";
    vuoto.dialoghi.fileScelti = {Percorso("nuovo.geo")};
    EXPECT_FALSE(SalvaDisegnoConNome(vuoto.p));
    EXPECT_FALSE(fs::exists(radice / "nuovo.geo"));
    EXPECT_EQ(vuoto.p.m.NomeDisegno, "/scuola/vecchio.geo");
    const RichiestaFile& r = vuoto.dialoghi.richiesteFile.at(0);
    EXPECT_EQ(r.tipo, RichiestaFile::Salva);
    EXPECT_EQ(r.titolo, "Salva disegno con nome");
    EXPECT_EQ(r.nomeIniziale, "/scuola/vecchio.geo");
    EXPECT_EQ(r.filtro, "Disegno di Vellora (*.geo)|*.geo");

    ConPunto b;
    Scrivi(radice / "classe.geo", "vecchio");
    b.dialoghi.fileScelti = {Percorso("classe.geo")};
    EXPECT_TRUE(SalvaDisegno(b.p)); // no name yet: Save as
    EXPECT_EQ(b.p.m.NomeDisegno, Percorso("classe.geo"));
    EXPECT_EQ(b.p.m.UltimoDisegno, Percorso("classe.geo"));
    EXPECT_EQ(b.p.testi.DidascaliaPiano, "classe.geo");
    EXPECT_FALSE(b.p.m.Modificato);
    EXPECT_EQ(Leggi(radice / "classe.geo"), TestoDisegno(EstraiContenuto(b.p.m, b.p.parametri)));
}

TEST_F(ComandiDisegno, SalvaDiUnDisegnoVuotoConNomeScriveVentiRighe)
{
    Banco b;
    b.p.m.NomeDisegno = Percorso("vuoto.geo");
    b.p.m.Modificato = true;
    EXPECT_TRUE(SalvaDisegno(b.p));
    const std::string testo = Leggi(radice / "vuoto.geo");
    EXPECT_EQ(testo.substr(0, 25), "Disegno di Vellora\r\n 0 \r\n");
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '\n'), 20);
    EXPECT_EQ(b.p.m.UltimoDisegno, Percorso("vuoto.geo"));
    EXPECT_FALSE(b.p.m.Modificato);
    EXPECT_EQ(std::distance(fs::directory_iterator(radice), {}), 1); // no temporary left behind
}

TEST_F(ComandiDisegno, UnSalvataggioImpossibileLasciaTuttoComEra)
{
    // A missing folder fails for everyone; permissions only bind non-root users.
    Scrivi(radice / "chiusa" / "x.geo", "vecchio");
    Scrivi(radice / "solalettura.geo", "vecchio");
    fs::permissions(radice / "chiusa", fs::perms::owner_read | fs::perms::owner_exec);
    fs::permissions(radice / "solalettura.geo", fs::perms::owner_read);
    const std::tuple<std::string, std::string, bool> casi[] = {
        {Percorso("manca/x.geo"), "file o cartella inesistente", false},
        {Percorso("chiusa/x.geo"), "permesso negato", true},
        {Percorso("solalettura.geo"), "permesso negato", true},
    };
    for (const auto& [percorso, motivo, permessi] : casi) {
        if (permessi && ::geteuid() == 0)
            continue;
        ConPunto b;
        b.p.m.NomeDisegno = percorso;
        const Stato prima(b.p);
        EXPECT_FALSE(SalvaDisegno(b.p));
        EXPECT_TRUE(Stato(b.p) == prima) << percorso;
        ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Impossibile salvare il disegno in «" + percorso + "»: " + motivo);
        if (permessi)
            EXPECT_EQ(Leggi(percorso), "vecchio");
    }
    fs::permissions(radice / "chiusa", fs::perms::owner_all);
    EXPECT_EQ(std::distance(fs::directory_iterator(radice / "chiusa"), {}), 1);
}

TEST_F(ComandiDisegno, ApreEAggiornaCampiEVoci)
{
    const std::tuple<int, int, std::string, std::string> casi[] = {
        {1, 0, "Figura  1: punto", ""},
        {2, 2, "Figura  2: circonf. in  azzurro", "Punto B"},
        {3, 3, "Figura  3: triangolo giallo", "Vertice C"},
        {3, 0, "Figura  3: triangolo giallo", "Figura"},
    };
    for (const auto& [attiva, vertice, campoFigura, campoVertice] : casi) {
        const std::string percorso = ScriviDisegno("tre.geo", attiva, vertice);
        Banco b;
        b.p.totali.TotRotazione = 40;
        b.dialoghi.fileScelti = {percorso};
        ApriDisegno(b.p);
        EXPECT_TRUE(b.dialoghi.messaggi.empty());
        EXPECT_EQ(b.dialoghi.richiesteFile.at(0).titolo, "Apre disegno");
        EXPECT_EQ(b.p.testi.CampoFigura, campoFigura);
        EXPECT_EQ(b.p.testi.CampoVertice, campoVertice);
        EXPECT_EQ(b.p.m.NomeDisegno, percorso);
        EXPECT_EQ(b.p.m.UltimoDisegno, percorso);
        EXPECT_EQ(b.p.testi.DidascaliaPiano, "tre.geo");
        EXPECT_DOUBLE_EQ(b.p.parametri.AngoloRadianti, 30 * 3.14159265 / 180);
        EXPECT_EQ(b.p.totali, Totali{});
        EXPECT_TRUE(b.p.voci.Abilitata(Voce::MnuModificaElimina) && b.p.voci.Abilitata(Voce::MnuVisualizzaDati));
        EXPECT_FALSE(b.p.m.Modificato);
    }
    // Pixels per tick rounded half up: 402 / 12 = 33.5; no canvas redraws over it.
    Scrivi(radice / "vuoto.geo", TestoDisegno(ContenutoDisegno{}));
    Banco b;
    b.p.ImpostaSchermo(nullptr, 0, 0);
    b.p.m.SemiAmpiezza = 402;
    b.p.m.RigaComando = Percorso("vuoto.geo");
    CaricaDisegnoAvvio(b.p);
    EXPECT_EQ(b.p.m.PassoPixel, 34);
}

TEST_F(ComandiDisegno, DomandaPrimaDiAprire)
{
    const std::string percorso = ScriviDisegno("tre.geo");
    // Yes on an unnamed drawing asks for a name; cancelling that still opens.
    // A save that fails stops the command: the drawing would be lost.
    const std::tuple<Risposta, std::string, std::vector<std::string>, int> casi[] = {
        {Risposta::Annulla, "", {}, 1},
        {Risposta::No, "", {"Apre disegno"}, 3},
        {Risposta::Si, "", {"Salva disegno con nome", "Apre disegno"}, 3},
        {Risposta::Si, Percorso("manca/x.geo"), {}, 1},
    };
    for (const auto& [risposta, nome, dialoghi, figure] : casi) {
        ConPunto b;
        b.p.m.NomeDisegno = nome;
        b.dialoghi.risposte = {risposta};
        b.dialoghi.fileScelti = {std::nullopt, percorso};
        if (risposta != Risposta::Si)
            b.dialoghi.fileScelti.pop_front();
        ApriDisegno(b.p);
        EXPECT_EQ(b.dialoghi.messaggi.at(0).testo, "Salvare il disegno?");
        EXPECT_EQ(b.dialoghi.messaggi[0].pulsanti, Pulsanti::SiNoAnnulla);
        std::vector<std::string> titoli;
        for (const auto& r : b.dialoghi.richiesteFile)
            titoli.push_back(r.titolo);
        EXPECT_EQ(titoli, dialoghi);
        EXPECT_EQ(b.p.m.NumeroFigure, figure);
    }
}

TEST_F(ComandiDisegno, SiAllaDomandaSalvaPrimaDelNuovoEDellUscita)
{
    for (bool esci : {false, true}) {
        ConPunto b;
        b.p.m.NomeDisegno = Percorso("lavoro.geo");
        const std::string atteso = TestoDisegno(EstraiContenuto(b.p.m, b.p.parametri));
        EXPECT_TRUE(esci ? RichiestaChiusura(b.p) : NuovoDisegno(b.p));
        EXPECT_EQ(Leggi(radice / "lavoro.geo"), atteso);
    }
    ConPunto b; // and a failed save keeps the drawing
    b.p.m.NomeDisegno = Percorso("manca/x.geo");
    EXPECT_FALSE(NuovoDisegno(b.p));
    EXPECT_EQ(b.p.m.NumeroFigure, 1);
}

TEST_F(ComandiDisegno, UnFileCheNonEUnDisegnoNonCambiaNulla)
{
    const std::string buono = ScriviDisegno("buono.geo");
    const std::string intestazione = "Disegno di Vellora\r\n";
    const std::string casi[] = {
        "DISEGNO DI VELLORA" + Leggi(buono).substr(18),
        intestazione + " 129 \r\n",
        intestazione + " 1 \r\n21,0\r\n",
        intestazione + " 1 \r\n3,1\r\n",
        intestazione + " 1 \r\n3,0\r\nnan,0\r\n",
        "",
    };
    for (const std::string& contenuto : casi) {
        Scrivi(radice / "cattivo.geo", contenuto);
        Banco b;
        b.dialoghi.fileScelti = {buono, Percorso("cattivo.geo")};
        ApriDisegno(b.p);
        b.p.parametri.ImpostaAngolo(12);
        const Stato prima(b.p);
        ApriDisegno(b.p);
        EXPECT_TRUE(Stato(b.p) == prima) << contenuto.substr(0, 30);
        ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Non è un disegno di Vellora");
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
    }
}

TEST_F(ComandiDisegno, CerchiConScaleDiverseSvuotanoIlDisegnoETolgonoIlNome)
{
    const std::string percorso = ScriviDisegno("cerchio.geo", 2, 0, 2.0f);
    for (bool ultimo : {false, true}) {
        ConPunto b;
        b.p.m.NomeDisegno = "/scuola/prima.geo";
        b.p.m.UltimoDisegno = percorso;
        b.dialoghi.risposte = {Risposta::No};
        b.dialoghi.fileScelti = {percorso};
        ultimo ? ApriUltimoDisegno(b.p) : ApriDisegno(b.p); // the last drawing asks nothing first
        EXPECT_EQ(b.dialoghi.messaggi.size(), ultimo ? 1u : 2u);
        EXPECT_EQ(b.dialoghi.messaggi.back().testo, "Non è possibile inserire circonferenze se il sistema non è "
                                                    "monometrico (stessa scala sui due assi)");
        EXPECT_EQ(b.p.m.NumeroFigure, 0);
        EXPECT_EQ(b.p.m.NomeDisegno, "");
        EXPECT_EQ(b.p.testi.DidascaliaPiano, "Senza nome");
        EXPECT_EQ(b.p.testi.CampoFigura, "Non ci sono figure");
        EXPECT_TRUE(b.p.m.Modificato);
        EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuModificaElimina));
    }
    Banco b; // on the command line the circle loads
    b.p.m.RigaComando = percorso;
    CaricaDisegnoAvvio(b.p);
    EXPECT_EQ(b.p.m.NumeroFigure, 3);
}

TEST_F(ComandiDisegno, ApriUltimoDisegnoSenzaFileNonFaNulla)
{
    for (const std::string& ultimo : {std::string(), Percorso("manca.geo"), radice.string()}) {
        ConPunto b;
        b.p.m.UltimoDisegno = ultimo;
        const Stato prima(b.p);
        ApriUltimoDisegno(b.p);
        EXPECT_TRUE(Stato(b.p) == prima && b.dialoghi.messaggi.empty()) << ultimo;
    }
}

TEST_F(ComandiDisegno, RigaDiComando)
{
    const std::string percorso = ScriviDisegno("con spazio/avvio.geo", 1);
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
        EXPECT_EQ(b.p.m.NomeDisegno, caricato ? percorso : "") << riga;
        EXPECT_EQ(b.p.m.UltimoDisegno, caricato ? percorso : "") << riga;
        EXPECT_EQ(b.p.testi.DidascaliaPiano, caricato ? "avvio.geo" : "Senza nome") << riga;
        EXPECT_EQ(fs::current_path(), caricato ? radice / "con spazio" : radice) << riga;
        EXPECT_EQ(b.p.testi.CampoFigura, caricato ? "Figura  1: punto" : "Non ci sono figure") << riga;
    }
}

TEST(NomeDaPercorso, DopoLUltimaBarra)
{
    for (const auto& [percorso, nome] : {std::pair{"/scuola/3 A/pitagora.geo", "pitagora.geo"},
                                         std::pair{"C:\\Disegni\\a.geo", "a.geo"}, std::pair{"a.geo", "a.geo"}})
        EXPECT_EQ(NomeDaPercorso(percorso), nome);
}

} // namespace
