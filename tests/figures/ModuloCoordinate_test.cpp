#include "Finti.h"
#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"
#include "figures/ModuloCoordinate.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vellora {
namespace {

using test::Banco;
using Testi = std::vector<std::string>;
using Punti = std::vector<std::pair<float, float>>;

struct Registrate : Registratore {
    std::vector<std::string> righe;
    void Accoda(const std::string& riga) override { righe.push_back(riga); }
};

// The rows from A on, as typed.
void Scrivi(ModuloCoordinate& m, const Testi& x, const Testi& y)
{
    m.Cancella();
    for (size_t i = 0; i < x.size(); ++i) {
        m.TestoX[i] = x[i];
        m.TestoY[i] = y[i];
    }
}

Punti PuntiDi(const Disegno& d, int f)
{
    Punti r;
    for (int k = 1; k <= NumeroPunti(d, f); ++k)
        r.emplace_back(d.Figure.X(f, k), d.Figure.Y(f, k));
    return r;
}

// The figure ends at the first row with an empty x or y, blanks counting as
// empty; with no such row nothing is built, and OK just closes.
TEST(ModuloCoordinate, LeRigheDallaAFinoAllaPrimaVuota)
{
    struct Caso {
        Testi x, y;
        Punti punti; // empty: nothing built
    } casi[] = {
        {{"0", "4", "", "9"}, {"0", "0", "5", "9"}, {{0, 0}, {4, 0}}},
        {{"1", "2", "3"}, {"1", "2", "   "}, {{1, 1}, {2, 2}}},
        {{" 3,5", "-1/2", "2E1"}, {"0", "1/3", "-0"}, {{3.5f, 0}, {-0.5f, 1.0f / 3}, {20, 0}}},
        {{"7"}, {"-7"}, {{7, -7}}},
        {{"1"}, {""}, {}},
        {{"", "1"}, {"1", "1"}, {}},
        {{" "}, {" "}, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.x[0] + ";" + c.y[0]);
        for (bool ok : {false, true}) {
            Banco b;
            auto m = ModuloCoordinate::Apri(b.p);
            Scrivi(*m, c.x, c.y);
            if (ok) {
                EXPECT_TRUE(m->Ok());
            } else {
                m->Applica();
            }
            EXPECT_EQ(b.p.d.NumeroFigure, c.punti.empty() ? 0 : 1);
            EXPECT_EQ(b.p.sessione.Modificato, !c.punti.empty());
            if (c.punti.empty())
                continue;
            EXPECT_EQ(PuntiDi(b.p.d, 1), c.punti);
            EXPECT_EQ(b.p.testi.CampoVertice, c.punti.size() == 1 ? "" : "Figura");
            EXPECT_TRUE(b.p.voci.Abilitata(Voce::MnuModificaElimina));
        }
    }
    // All twenty rows.
    Banco b;
    auto m = ModuloCoordinate::Apri(b.p);
    for (int i = 0; i < RigheCoordinate; ++i)
        m->TestoX[static_cast<size_t>(i)] = m->TestoY[static_cast<size_t>(i)] = std::to_string(i);
    m->Applica();
    EXPECT_EQ(NumeroPunti(b.p.d, 1), 20);
    EXPECT_EQ(b.p.d.Figure.Y(1, 20), 19.0f);
}

// Later clicks of Applica rewrite the same figure, also when another figure
// has been selected meanwhile; the count grows once, the selection comes back
// to the figure built, and nothing goes into a macro being recorded.
TEST(ModuloCoordinate, ApplicaRiscriveLaStessaFigura)
{
    Banco b;
    Registrate registrate;
    b.p.registratore = &registrate;
    b.p.sessione.RegistraMacro = true;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
    b.p.sessione.Modificato = false;
    auto m = ModuloCoordinate::Apri(b.p);
    EXPECT_FALSE(b.p.sessione.Modificato);
    Scrivi(*m, {"0", "4", "1"}, {"0", "0", "6"});
    m->Applica();
    EXPECT_EQ(b.p.d.NumeroFigure, 2);
    EXPECT_FALSE(m->NuovaFigura);
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  2: triangolo giallo");
    b.p.d.FiguraAttiva = 1;
    b.p.d.Figure.X(2, SlotColore) = 12.0f;
    m->TestoX[3] = "-2";
    m->TestoY[3] = "3";
    m->Applica();
    EXPECT_EQ(b.p.d.NumeroFigure, 2);
    EXPECT_EQ(PuntiDi(b.p.d, 2), (Punti{{0, 0}, {4, 0}, {1, 6}, {-2, 3}}));
    EXPECT_EQ(b.p.d.Figure.X(2, SlotColore), ColoreNuovaFigura);
    EXPECT_EQ(b.p.d.FiguraAttiva, 2);
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  2: quadrilatero giallo");
    EXPECT_EQ(PuntiDi(b.p.d, 1), (Punti{{1, 1}, {1, 4}, {4, 4}, {4, 1}}));
    EXPECT_TRUE(m->Ok());
    EXPECT_EQ(b.p.d.NumeroFigure, 2);
    EXPECT_TRUE(b.p.sessione.Modificato);
    EXPECT_TRUE(registrate.righe.empty());
}

// The figure built may only be rewritten while it is the last of the table:
// once deleted, the next Applica builds a new one instead of rewriting
// another figure or a record past the table.
TEST(ModuloCoordinate, DopoUnaEliminazioneCostruisceDiNuovo)
{
    for (bool altra : {false, true}) {
        SCOPED_TRACE(altra ? "un'altra figura resta" : "nessuna figura resta");
        Banco b;
        if (altra)
            InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
        auto m = ModuloCoordinate::Apri(b.p);
        Scrivi(*m, {"2", "3"}, {"2", "5"});
        m->Applica();
        EliminaFiguraAttiva(b.p);
        m->Applica();
        EXPECT_EQ(b.p.d.NumeroFigure, altra ? 2 : 1);
        EXPECT_EQ(PuntiDi(b.p.d, b.p.d.NumeroFigure), (Punti{{2, 2}, {3, 5}}));
        if (altra) {
            EXPECT_EQ(PuntiDi(b.p.d, 1), (Punti{{1, 1}}));
        }
    }
}

// A table of 128 refuses a new figure but not the rewrite of the one built.
TEST(ModuloCoordinate, CentoventottoFigure)
{
    Banco b;
    for (int i = 0; i < MaxFigure - 1; ++i)
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    auto m = ModuloCoordinate::Apri(b.p);
    Scrivi(*m, {"5"}, {"5"});
    m->Applica();
    m->TestoX[1] = m->TestoY[1] = "6";
    m->Applica();
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
    EXPECT_EQ(PuntiDi(b.p.d, MaxFigure), (Punti{{5, 5}, {6, 6}}));
    EXPECT_TRUE(m->Ok());
    auto nuova = ModuloCoordinate::Apri(b.p);
    const Disegno prima = b.p.d;
    EXPECT_FALSE(nuova->Ok());
    EXPECT_EQ(b.dialoghi.Testi(), Testi{"Non è possibile inserire altre figure"});
    EXPECT_TRUE(b.p.d == prima);
}

// A refusal says why once, names the field to correct and changes nothing:
// no new figure, and the figure of an earlier Applica keeps its vertices.
TEST(ModuloCoordinate, UnRifiutoNonCambiaNulla)
{
    struct Caso {
        Testi x, y;
        std::string messaggio;
        int errata;
    } casi[] = {
        {{"1", "2", "x"}, {"1", "a", "3"}, "Vellora non è in grado di interpretare l'input", 3},
        {{"1", "1/0"}, {"2", "2"}, "Divisione per zero!", 2},
        {{"1", "2"}, {"1E7", "2"}, "Uno o più valori inseriti non sono nell'intervallo che Vellora può accettare", 1},
        {{"1", "2", "3"},
         {"1", "2", "-900"},
         "Non è possibile costruire la figura: uno o più vertici sono troppo lontani dall'origine per essere "
         "disegnati sul piano",
         5},
        {{"1", "900"}, {"1", "900"}, MessaggioVerticiLontani, 2},
    };
    for (const Caso& c : casi) {
        for (bool prima : {false, true}) {
            SCOPED_TRACE(c.messaggio + (prima ? " dopo Applica" : ""));
            Banco b;
            auto m = ModuloCoordinate::Apri(b.p);
            if (prima) {
                Scrivi(*m, {"0", "1"}, {"0", "1"});
                m->Applica();
            }
            b.p.sessione.Modificato = false;
            const Disegno disegno = b.p.d;
            Scrivi(*m, c.x, c.y);
            for (bool ok : {false, true}) {
                b.dialoghi.messaggi.clear();
                EXPECT_EQ(ok ? m->Ok() : (m->Applica(), false), false);
                EXPECT_EQ(b.dialoghi.Testi(), Testi{c.messaggio});
                EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
                EXPECT_EQ(m->Errata, c.errata);
                EXPECT_TRUE(b.p.d == disegno);
                EXPECT_FALSE(b.p.sessione.Modificato);
                EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuFile));
            }
        }
    }
}

// The kept texts are what the reader left: trimmed, with a period; the
// fields of the same opening keep what was typed.
TEST(ModuloCoordinate, ITestiTornanoAllaProssimaApertura)
{
    Banco b;
    auto m = ModuloCoordinate::Apri(b.p);
    Scrivi(*m, {" 3,5 ", "1"}, {"2", ""});
    m->TestoX[2] = "4,25";
    m->Applica();
    EXPECT_EQ(m->TestoX[0], " 3,5 ");
    m->Cancella(); // the fields only: Annulla keeps the texts of the last Applica
    m->Chiudi();
    auto di_nuovo = ModuloCoordinate::Apri(b.p);
    EXPECT_EQ(di_nuovo->TestoX[0], "3.5");
    EXPECT_EQ(di_nuovo->TestoY[0], "2");
    // Rows after the figure are kept as typed, never read.
    EXPECT_EQ(di_nuovo->TestoX[2], "4,25");
    EXPECT_EQ(b.p.d.NumeroFigure, 1);
}

// The double click writes the selected vertex, a circle's centre or the
// centroid; "Punto Medio" the midpoint of the selected vertex and the next,
// into the row that last had the focus.
TEST(ModuloCoordinate, InserimentoAutomatico)
{
    enum Azione { DoppioClic, PuntoMedio };
    struct Caso {
        Punti figura; // empty: no figure
        bool cerchio;
        int vertice;
        Azione azione;
        std::string x, y; // "": the row stays empty
    } casi[] = {
        {{{0, 0}, {4, 0}, {1, 6}}, false, 0, DoppioClic, "1,666667", "2"},
        {{{0, 0}, {4, 0}, {1, 6}}, false, 3, DoppioClic, "1", "6"},
        {{{2, -1}, {5, 3}}, true, 0, DoppioClic, "2", "-1"},
        {{}, false, 0, DoppioClic, "", ""},
        {{{0, 0}, {4, 0}, {1, 6}}, false, 1, PuntoMedio, "2", "0"},
        {{{0, 0}, {4, 0}, {1, 6}}, false, 3, PuntoMedio, "0,5", "3"},
        {{{0, 0}, {4, 0}, {1, 6}}, false, 0, PuntoMedio, "", ""},
        {{{-1.5f, 0.1f}}, false, 1, PuntoMedio, "-1,5", "0,1"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << c.figura.size() << " punti, vertice " << c.vertice << " azione "
                                        << c.azione);
        Banco b;
        if (!c.figura.empty()) {
            std::vector<float> x, y;
            for (auto [px, py] : c.figura) {
                x.push_back(px);
                y.push_back(py);
            }
            AggiungiFigura(b.p.d, static_cast<int>(x.size()), x.data(), y.data(), c.cerchio);
            b.p.d.VerticeAttivo = static_cast<uint8_t>(c.vertice);
        }
        auto m = ModuloCoordinate::Apri(b.p);
        m->Cancella();
        m->RigaAttiva = 4;
        if (c.azione == DoppioClic)
            m->DoppioClic(4);
        else
            m->PuntoMedio();
        EXPECT_EQ(m->TestoX[4], c.x);
        EXPECT_EQ(m->TestoY[4], c.y);
        EXPECT_EQ(m->TestoX[3], "");
        EXPECT_EQ(m->TestoX[5], "");
    }
}

// The window takes the menus and buttons that could change the drawing
// behind it, and gives back exactly the state each had: File stays disabled
// while a macro is recorded. The ruler goes on and stays on.
TEST(ModuloCoordinate, LeVociTornanoComeErano)
{
    Banco b;
    b.p.sessione.RegistraMacro = true; // what a recording leaves in the menus
    b.p.voci.Abilita(Voce::MnuFile, false);
    b.p.voci.Abilita(Voce::MnuMacroFine, true);
    b.p.voci.Spunta(Voce::MnuVisualizzaRighello, false);
    const StatoVoci prima = b.p.voci;
    auto m = ModuloCoordinate::Apri(b.p);
    ASSERT_NE(m, nullptr);
    for (Voce v :
         {Voce::MnuFile, Voce::MnuFigura, Voce::MnuModifica, Voce::MnuImpostazioniTrasf, Voce::MnuVisualizzaCommento,
          Voce::MnuMacro, Voce::trasla1, Voce::trasla2, Voce::trasla3, Voce::ruota1, Voce::simm1, Voce::simm2,
          Voce::simm3, Voce::simm4, Voce::Omotetia, Voce::Stir1, Voce::Stir2, Voce::Macro})
        EXPECT_FALSE(b.p.voci.Abilitata(v)) << NomeVoce(v);
    EXPECT_TRUE(b.p.voci.Abilitata(Voce::MnuImpostazioni));
    EXPECT_TRUE(b.p.voci.Spuntata(Voce::MnuVisualizzaRighello));
    // While it is open the item is out of reach: a second window would take
    // the disabled states and give them back.
    EXPECT_EQ(ModuloCoordinate::Apri(b.p), nullptr);
    m->Chiudi();
    m->Chiudi();
    StatoVoci attese = prima;
    attese.Spunta(Voce::MnuVisualizzaRighello, true);
    EXPECT_TRUE(b.p.voci == attese);
    EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuFile));
}

TEST(ModuloCoordinate, NonSiApreColCommentoAperto)
{
    Banco b;
    b.p.voci.Spunta(Voce::MnuVisualizzaCommento, true);
    const StatoVoci prima = b.p.voci;
    EXPECT_EQ(ModuloCoordinate::Apri(b.p), nullptr);
    EXPECT_EQ(b.dialoghi.Testi(), Testi{"Per visualizzare la finestra di impostazione delle coordinate è necessario "
                                        "chiudere prima la finestra del commento"});
    EXPECT_TRUE(b.p.voci == prima);
}

} // namespace
} // namespace vellora
