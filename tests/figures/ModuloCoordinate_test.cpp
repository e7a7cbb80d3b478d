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

void Scrivi(ModuloCoordinate& m, const Testi& x, const Testi& y)
{
    m.Cancella();
    std::copy(x.begin(), x.end(), m.TestoX.begin());
    std::copy(y.begin(), y.end(), m.TestoY.begin());
}

Punti PuntiDi(const Disegno& d, int f)
{
    Punti r;
    for (int k = 1; k <= NumeroPunti(d, f); ++k)
        r.emplace_back(d.Figure.X(f, k), d.Figure.Y(f, k));
    return r;
}

// The figure ends at the first row with an empty (or blank) box; a refusal changes nothing, not even Applica's figure.
TEST(ModuloCoordinate, RigheLetteERifiuti)
{
    const std::string lontani = "Non è possibile costruire la figura: uno o più vertici sono troppo lontani "
                                "dall'origine per essere disegnati sul piano";
    struct Caso {
        Testi x, y;
        Punti punti;           // empty: nothing built
        std::string messaggio; // a refusal
        int errata;
    } casi[] = {
        {{"0", "4", "", "9"}, {"0", "0", "5", "9"}, {{0, 0}, {4, 0}}, "", -1},
        {{" 3,5", "-1/2", "1"}, {"2E1", "1/3", "   "}, {{3.5f, 20}, {-0.5f, 1.0f / 3}}, "", -1},
        {{"1"}, {""}, {}, "", -1},
        {{"1", "2", "x"}, {"1", "a", "3"}, {}, "Vellora non è in grado di interpretare l'input", 3},
        {{"1", "2", "3"}, {"1", "2", "-900"}, {}, lontani, 5},
    };
    for (const Caso& c : casi) {
        for (bool dopoApplica : {false, true}) {
            SCOPED_TRACE(c.x[0] + ";" + c.y[0] + (dopoApplica ? " dopo Applica" : ""));
            Banco b;
            auto m = ModuloCoordinate::Apri(b.p);
            if (dopoApplica) {
                Scrivi(*m, {"7"}, {"7"});
                m->Applica();
            }
            const Disegno prima = b.p.d;
            Scrivi(*m, c.x, c.y);
            EXPECT_EQ(m->Ok(), c.messaggio.empty());
            EXPECT_EQ(b.dialoghi.Testi(), c.messaggio.empty() ? Testi{} : Testi{c.messaggio});
            EXPECT_EQ(m->Errata, c.errata);
            if (c.punti.empty())
                EXPECT_TRUE(b.p.d == prima);
            else
                EXPECT_EQ(PuntiDi(b.p.d, 1), c.punti);
            EXPECT_EQ(b.p.voci.Abilitata(Voce::MnuFile), c.messaggio.empty());
        }
    }
}

// Applica rewrites its own figure, even once another is selected, unrecorded; deleted, it builds anew.
TEST(ModuloCoordinate, ApplicaRiscriveLaFiguraCostruita)
{
    struct : Registratore {
        int righe = 0;
        void Accoda(const std::string&) override { ++righe; }
    } registrate;
    Banco b;
    b.p.registratore = &registrate;
    b.p.sessione.RegistraMacro = true;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    b.p.sessione.Modificato = false;
    auto m = ModuloCoordinate::Apri(b.p);
    EXPECT_FALSE(b.p.sessione.Modificato);
    Scrivi(*m, {"0", "4", " 1,5"}, {"0", "0", "6"});
    m->Applica();
    EXPECT_EQ(m->TestoX[2], " 1,5");
    b.p.d.FiguraAttiva = 1;
    m->TestoX[3] = m->TestoY[3] = "-2";
    m->Applica();
    EXPECT_EQ(b.p.d.NumeroFigure, 2);
    EXPECT_EQ(PuntiDi(b.p.d, 2), (Punti{{0, 0}, {4, 0}, {1.5f, 6}, {-2, -2}}));
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  2: quadrilatero giallo");
    EXPECT_TRUE(b.p.sessione.Modificato);
    EXPECT_EQ(registrate.righe, 0);

    EliminaFiguraAttiva(b.p);
    m->Applica();
    EXPECT_EQ(b.p.d.NumeroFigure, 2);
    EXPECT_EQ(PuntiDi(b.p.d, 1), (Punti{{1, 1}}));
    m->Chiudi();
    EXPECT_EQ(ModuloCoordinate::Apri(b.p)->TestoX[2], "1.5");
}

// A full table refuses a new figure, not the rewrite of the one built.
TEST(ModuloCoordinate, CentoventottoFigure)
{
    Banco b;
    for (int i = 0; i < MaxFigure - 1; ++i)
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    auto m = ModuloCoordinate::Apri(b.p);
    Scrivi(*m, {"5", "6"}, {"5", "6"});
    m->Applica();
    m->Applica();
    EXPECT_TRUE(m->Ok());
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
    EXPECT_FALSE(ModuloCoordinate::Apri(b.p)->Ok());
    EXPECT_EQ(b.dialoghi.Testi(), Testi{"Non è possibile inserire altre figure"});
    EXPECT_EQ(b.p.d.NumeroFigure, MaxFigure);
}

// Double click: the selected vertex, a circle's centre or the centroid; "Punto Medio": to the next vertex.
TEST(ModuloCoordinate, InserimentoAutomatico)
{
    struct Caso {
        int n; // 0: no figure; 2: a circle
        int vertice;
        bool medio;
        std::string x, y;
    } casi[] = {
        {3, 0, false, "1,666667", "2"}, {3, 3, false, "1", "6"},  {2, 0, false, "0", "0"},
        {0, 0, false, "", ""},          {3, 3, true, "0,5", "3"}, {3, 0, true, "", ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << c.n << " punti, vertice " << c.vertice << " medio " << c.medio);
        Banco b;
        const float x[] = {0, 4, 1}, y[] = {0, 0, 6};
        if (c.n > 0)
            AggiungiFigura(b.p.d, c.n, x, y, c.n == 2);
        b.p.d.VerticeAttivo = static_cast<uint8_t>(c.vertice);
        auto m = ModuloCoordinate::Apri(b.p);
        m->RigaAttiva = 4;
        c.medio ? m->PuntoMedio() : m->DoppioClic(4);
        EXPECT_EQ(std::pair(m->TestoX[4], m->TestoY[4]), std::pair(c.x, c.y));
    }
}

// The items go back as each was (the ruler stays on); no second window, none over the comment.
TEST(ModuloCoordinate, LeVociTornanoComeErano)
{
    Banco b;
    b.p.voci.Abilita(Voce::MnuFile, false); // as a recording leaves it
    b.p.voci.Spunta(Voce::MnuVisualizzaRighello, false);
    StatoVoci attese = b.p.voci;
    attese.Spunta(Voce::MnuVisualizzaRighello, true);
    auto m = ModuloCoordinate::Apri(b.p);
    for (Voce v : {Voce::MnuFigura, Voce::MnuModifica, Voce::MnuImpostazioniTrasf, Voce::MnuVisualizzaCommento,
                   Voce::MnuMacro, Voce::trasla1, Voce::ruota1, Voce::simm4, Voce::Stir2, Voce::Macro})
        EXPECT_FALSE(b.p.voci.Abilitata(v)) << NomeVoce(v);
    EXPECT_EQ(ModuloCoordinate::Apri(b.p), nullptr);
    m->Chiudi();
    m->Chiudi();
    EXPECT_TRUE(b.p.voci == attese);

    b.p.voci.Spunta(Voce::MnuVisualizzaCommento, true);
    EXPECT_EQ(ModuloCoordinate::Apri(b.p), nullptr);
    EXPECT_EQ(b.dialoghi.Testi(), Testi{"Per visualizzare la finestra di impostazione delle coordinate è necessario "
                                        "chiudere prima la finestra del commento"});
}

} // namespace
} // namespace vellora
