#include "Finti.h"
#include "figures/Catalogo.h"
#include "transform/Trasformazioni.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vellora {
namespace {

namespace fs = std::filesystem;
using T = Trasformazione;
using test::Banco;

// The right triangle (1,1) (1,4) (3,1), O = (2, -1), and parameters whose
// images can be worked out by hand.
void Prepara(Banco& b, Voce figura = Voce::MnuFiguraMenuTriangoliRett)
{
    InserisciFiguraPredefinita(b.p, figura);
    b.p.m.CentroX = 2.0f;
    b.p.m.CentroY = -1.0f;
    ParametriTrasformazione& par = b.p.parametri;
    par.TraslX = 1.5f;
    par.TraslY = -2.0f;
    par.ImpostaAngolo(90.0f);
    par.CoeffOmotetia = 2.0f;
    par.StirOriz = 4.0f;
    par.StirVert = 0.5f;
    par.PuntoPX = 4.0f;
    par.PuntoPY = 3.0f;
}

std::vector<PuntoF> Punti(const Modello& m)
{
    std::vector<PuntoF> r;
    for (int k = 1; k <= NumeroPunti(m, m.FiguraAttiva); ++k)
        r.push_back({m.Figure.X(m.FiguraAttiva, k), m.Figure.Y(m.FiguraAttiva, k)});
    return r;
}

// Everything a refused click must leave alone.
struct Stato {
    Modello m;
    Totali totali;
    TestiVista testi;
    bool troppoGrandi;
    int aggiornamenti;
    size_t disegni;
    explicit Stato(const Banco& b)
        : m(b.p.m), totali(b.p.totali), testi(b.p.testi), troppoGrandi(b.p.NumeriTroppoGrandi),
          aggiornamenti(b.vista.aggiornamenti), disegni(b.schermo.operazioni.size())
    {
    }
};

void ControllaInvariato(const Banco& b, const Stato& s)
{
    EXPECT_TRUE(b.p.m == s.m);
    EXPECT_TRUE(b.p.totali == s.totali);
    EXPECT_TRUE(b.p.testi == s.testi);
    EXPECT_EQ(b.p.NumeriTroppoGrandi, s.troppoGrandi);
    EXPECT_EQ(b.vista.aggiornamenti, s.aggiornamenti);
    EXPECT_EQ(b.schermo.operazioni.size(), s.disegni);
}

// Records into a folder of its own and reads back what was appended.
struct Registrazione {
    fs::path cartella;
    explicit Registrazione(Programma& p)
    {
        cartella = fs::temp_directory_path() / ("vellora_trasf_" + std::to_string(::getpid()) + "_" +
                                                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(cartella);
        fs::create_directories(cartella);
        p.CartellaDati = cartella.string() + "/";
        p.m.RegistraMacro = true;
    }
    ~Registrazione() { fs::remove_all(cartella); }
    std::string Letto() const
    {
        std::ifstream in(cartella / "Macro.tmp", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST(TrasformazioniClic, OgniPulsanteAvantiEIndietro)
{
    struct Caso {
        T t;
        bool inversa;
        std::vector<PuntoF> attesi;
    } casi[] = {
        {T::Simm1, false, {{3, 1}, {3, 4}, {1, 1}}},
        {T::Simm1, true, {{3, 1}, {3, 4}, {1, 1}}},
        {T::Simm2, true, {{1, -3}, {1, -6}, {3, -3}}},
        {T::Simm3, false, {{3, -3}, {3, -6}, {1, -3}}},
        {T::Simm4, true, {{4.2f, -0.6f}, {6.6f, 1.2f}, {3, 1}}},
        {T::Trasla1, false, {{2.5f, 1}, {2.5f, 4}, {4.5f, 1}}},
        {T::Trasla1, true, {{-0.5f, 1}, {-0.5f, 4}, {1.5f, 1}}},
        {T::Trasla2, false, {{1, -1}, {1, 2}, {3, -1}}},
        {T::Trasla2, true, {{1, 3}, {1, 6}, {3, 3}}},
        {T::Trasla3, false, {{2.5f, -1}, {2.5f, 2}, {4.5f, -1}}},
        {T::Trasla3, true, {{-0.5f, 3}, {-0.5f, 6}, {1.5f, 3}}},
        {T::Ruota, false, {{0, -2}, {-3, -2}, {0, 0}}},
        {T::Ruota, true, {{4, 0}, {7, 0}, {4, -2}}},
        {T::Omotetia, false, {{0, 3}, {0, 9}, {4, 3}}},
        {T::Omotetia, true, {{1.5f, 0}, {1.5f, 1.5f}, {2.5f, 0}}},
        {T::Stir1, false, {{-2, 1}, {-2, 4}, {6, 1}}},
        {T::Stir1, true, {{1.75f, 1}, {1.75f, 4}, {2.25f, 1}}},
        {T::Stir2, false, {{1, 0}, {1, 1.5f}, {3, 0}}},
        {T::Stir2, true, {{1, 3}, {1, 9}, {3, 3}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.t) << (c.inversa ? " inversa" : ""));
        Banco b;
        Prepara(b);
        b.p.m.Modificato = false;
        const int aggiornamenti = b.vista.aggiornamenti;
        ClicTrasformazione(b.p, c.t, c.inversa ? Gesto::Inversa : Gesto::Applica);
        const std::vector<PuntoF> r = Punti(b.p.m);
        ASSERT_EQ(r.size(), c.attesi.size());
        for (size_t k = 0; k < r.size(); ++k) {
            EXPECT_NEAR(r[k].x, c.attesi[k].x, 1e-5) << "punto " << k + 1;
            EXPECT_NEAR(r[k].y, c.attesi[k].y, 1e-5) << "punto " << k + 1;
        }
        EXPECT_TRUE(b.p.m.Modificato);
        EXPECT_EQ(b.vista.aggiornamenti, aggiornamenti + 1);
        EXPECT_TRUE(b.dialoghi.messaggi.empty());
    }
}

TEST(TrasformazioniClic, RigheDellaMacro)
{
    struct Caso {
        T t;
        std::string avanti, indietro;
    } casi[] = {
        {T::Simm1, "SimmetriaY,  2", "SimmetriaY,  2"},
        {T::Simm2, "SimmetriaX, -1", "SimmetriaX, -1"},
        {T::Simm3, "SimmetriaO,  2, -1", "SimmetriaO,  2, -1"},
        {T::Simm4, "Simmetria,  2, -1,  4,  3", "Simmetria,  2, -1,  4,  3"},
        {T::Trasla1, "TraslazioneOr,  1.5", "TraslazioneOr, -1.5"},
        {T::Trasla2, "TraslazioneVer, -2", "TraslazioneVer,  2"},
        {T::Trasla3, "Traslazione,  1.5, -2", "Traslazione, -1.5,  2"},
        {T::Ruota, "Rotazione,  10,  2, -1", "Rotazione, -10,  2, -1"},
        {T::Omotetia, "Omotetia,  2,  2, -1", "Omotetia,  .5,  2, -1"},
        {T::Stir1, "StiramentoOr,  4,  2", "StiramentoOr,  .25,  2"},
        {T::Stir2, "StiramentoVer,  .5, -1", "StiramentoVer,  2, -1"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.avanti);
        Banco b;
        Prepara(b);
        b.p.parametri.ImpostaAngolo(10.0f);
        Registrazione reg(b.p);
        ClicTrasformazione(b.p, c.t, Gesto::Applica);
        // Shift as the mouse reports it: a symmetry takes it as a plain click.
        ClicTrasformazione(b.p, c.t, GestoDaMouse(c.t, 1, true, false));
        EXPECT_EQ(reg.Letto(), c.avanti + "\r\n" + c.indietro + "\r\n");
    }
}

TEST(TrasformazioniClic, VerticeAttivoDaSolo)
{
    Banco b;
    Prepara(b);
    b.p.m.VerticeAttivo = 2;
    Registrazione reg(b.p);
    ClicTrasformazione(b.p, T::Trasla1, Gesto::Applica);
    const std::vector<PuntoF> attesi = {{1, 1}, {2.5f, 4}, {3, 1}};
    EXPECT_EQ(Punti(b.p.m), attesi);
    EXPECT_EQ(b.p.testi.Pannelli[1], "xTrasl.=1,5");
    EXPECT_EQ(reg.Letto(), "TraslazioneOr,  1.5\r\n");
}

TEST(TrasformazioniClic, TotaliNeiPannelli)
{
    struct Caso {
        const char* nome;
        std::vector<std::pair<T, Gesto>> clic;
        size_t pannello;
        std::string atteso;
    } casi[] = {
        {"37 rotazioni", std::vector<std::pair<T, Gesto>>(37, {T::Ruota, Gesto::Applica}), 0, "Rot.=370°"},
        {"rotazione inversa", {{T::Ruota, Gesto::Inversa}}, 0, "Rot.=-10°"},
        {"due omotetie", {{T::Omotetia, Gesto::Applica}, {T::Omotetia, Gesto::Applica}}, 3, "Omot.=4"},
        {"e l'inversa",
         {{T::Omotetia, Gesto::Applica}, {T::Omotetia, Gesto::Applica}, {T::Omotetia, Gesto::Inversa}},
         3,
         "Omot.=2"},
        {"traslazione", {{T::Trasla1, Gesto::Applica}}, 1, "xTrasl.=1,5"},
        {"generica: x", {{T::Trasla3, Gesto::Inversa}}, 1, "xTrasl.=-1,5"},
        {"generica: y", {{T::Trasla3, Gesto::Inversa}}, 2, "yTrasl.=2"},
        {"stiramento", {{T::Stir2, Gesto::Inversa}}, 5, "Stir. vert.=2"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        Prepara(b, Voce::MnuFiguraMenuPunto);
        b.p.m.CentroX = b.p.m.CentroY = 1.0f; // the point stays put
        b.p.parametri.ImpostaAngolo(10.0f);
        for (const auto& [t, g] : c.clic)
            ClicTrasformazione(b.p, t, g);
        EXPECT_EQ(b.p.testi.Pannelli[c.pannello], c.atteso);
    }
}

TEST(TrasformazioniClic, SenzaFigureITotaliRestano)
{
    Banco b;
    ClicTrasformazione(b.p, T::Trasla3, Gesto::Applica);
    EXPECT_TRUE(b.p.totali == Totali{});
    EXPECT_EQ(b.p.testi.Pannelli[1], "xTrasl.=0");
    EXPECT_TRUE(b.p.m.Modificato);
}

// The second point crosses 16000 pixels (PassoPixel 34): the first, already
// moved, comes back too, and nothing else of the program changes.
TEST(TrasformazioniClic, LimiteSuperatoNonCambiaNulla)
{
    struct Caso {
        T t;
        float traslY;
        bool inMacro;
    } casi[] = {
        {T::Trasla2, 467.0f, false}, {T::Trasla3, 467.0f, true}, {T::Omotetia, 0.0f, false}, // k = 150 from O = (0, 0)
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(static_cast<int>(c.t));
        Banco b;
        Prepara(b);
        ClicTrasformazione(b.p, T::Trasla1, Gesto::Applica); // totals not at rest
        b.p.m.CentroX = b.p.m.CentroY = 0.0f;
        b.p.parametri.TraslX = 0.0f;
        b.p.parametri.TraslY = c.traslY;
        b.p.parametri.CoeffOmotetia = 150.0f;
        b.p.m.Modificato = false;
        b.p.m.EsecuzioneMacro = c.inMacro;
        Registrazione reg(b.p);
        const Stato prima(b);
        ClicTrasformazione(b.p, c.t, Gesto::Applica);
        ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo,
                  "Non è possibile eseguire la trasformazione; i numeri coinvolti sono troppo grandi.");
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
        EXPECT_EQ(b.p.NumeriTroppoGrandi, c.inMacro);
        b.p.NumeriTroppoGrandi = prima.troppoGrandi;
        ControllaInvariato(b, prima);
        EXPECT_EQ(reg.Letto(), "");
    }
}

TEST(TrasformazioniClic, CirconferenzaNonSiStira)
{
    const float xs[] = {0, 2};
    const float ys[] = {0, 0};
    for (T t : {T::Stir1, T::Stir2})
        for (Gesto g : {Gesto::Applica, Gesto::Inversa, Gesto::Impostazioni, Gesto::Altro}) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(t) << " " << static_cast<int>(g));
            Banco b;
            AggiungiFigura(b.p.m, 2, xs, ys, true);
            b.p.m.CentroX = 1.0f;
            b.p.m.Modificato = false;
            Registrazione reg(b.p);
            const Stato prima(b);
            ClicTrasformazione(b.p, t, g);
            ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
            EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Vellora non può stirare una circonferenza");
            EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
            ControllaInvariato(b, prima);
            EXPECT_EQ(reg.Letto(), "");
        }
}

// An arithmetic error: the figure as it was, its own total back to 1 and
// shown, the other totals kept, no line recorded, no redraw.
TEST(TrasformazioniClic, FuoriIntervallo)
{
    struct Caso {
        T t;
        float coeff;
        Gesto g;
        int clicRiusciti;
        size_t pannello;
        std::string atteso;
    } casi[] = {
        {T::Omotetia, 1e10f, Gesto::Applica, 3, 3, "Omot.=1"}, // the total overflows
        {T::Stir2, 1e30f, Gesto::Applica, 1, 5, "Stir. vert.=1"},
        {T::Stir1, 0.0f, Gesto::Inversa, 0, 4, "Stir. oriz.=1"}, // division by zero
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(static_cast<int>(c.t));
        Banco b;
        Prepara(b, Voce::MnuFiguraMenuPunto);
        b.p.m.CentroX = b.p.m.CentroY = 1.0f;
        ClicTrasformazione(b.p, T::Trasla1, Gesto::Applica);
        b.p.m.CentroX = 2.5f;                         // the point lies on O: 0/0 for Stir1
        ClicTrasformazione(b.p, c.t, Gesto::Applica); // its own total at 2
        b.p.parametri.CoeffOmotetia = b.p.parametri.StirVert = b.p.parametri.StirOriz = c.coeff;
        for (int i = 0; i < c.clicRiusciti; ++i)
            ClicTrasformazione(b.p, c.t, c.g);
        ASSERT_TRUE(b.dialoghi.messaggi.empty());
        EXPECT_NE(b.p.testi.Pannelli[c.pannello], c.atteso);
        b.p.m.Modificato = false;
        Registrazione reg(b.p);
        Stato prima(b);
        ClicTrasformazione(b.p, c.t, c.g);
        ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Uno o più parametri sono fuori dall'intervallo consentito");
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
        EXPECT_EQ(b.p.testi.Pannelli[c.pannello], c.atteso);
        EXPECT_EQ(b.p.totali.TotTraslX, 1.5f);
        EXPECT_EQ(Punti(b.p.m), Punti(prima.m));
        EXPECT_FALSE(b.p.m.Modificato);
        EXPECT_EQ(b.schermo.operazioni.size(), prima.disegni);
        EXPECT_EQ(reg.Letto(), "");
    }
}

// A gesture that applies nothing still refreshes and marks the drawing.
TEST(TrasformazioniClic, GestoSenzaTrasformazione)
{
    for (auto [t, g] : {std::pair{T::Ruota, Gesto::Altro}, std::pair{T::Trasla1, Gesto::Impostazioni},
                        std::pair{T::Stir1, Gesto::Altro}}) {
        SCOPED_TRACE(static_cast<int>(t));
        Banco b;
        Prepara(b);
        b.p.m.Modificato = false;
        Registrazione reg(b.p);
        const Stato prima(b);
        ClicTrasformazione(b.p, t, g);
        EXPECT_EQ(Punti(b.p.m), Punti(prima.m));
        EXPECT_TRUE(b.p.totali == prima.totali);
        EXPECT_TRUE(b.p.m.Modificato);
        EXPECT_GT(b.schermo.operazioni.size(), prima.disegni);
        EXPECT_EQ(b.vista.aggiornamenti, prima.aggiornamenti + 1);
        EXPECT_EQ(reg.Letto(), "");
    }
}

} // namespace
} // namespace vellora
