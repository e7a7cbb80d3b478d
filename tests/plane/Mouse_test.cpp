#include "Finti.h"
#include "plane/Mappatura.h"
#include "plane/Mouse.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vellora {
namespace {

using test::Banco;
using test::Operazione;

// A bench recording macros into its own folder.
struct BancoMouse : Banco {
    std::filesystem::path cartella =
        std::filesystem::temp_directory_path() / ("vellora_mouse_" + std::to_string(::getpid()));
    BancoMouse()
    {
        std::filesystem::create_directories(cartella);
        std::filesystem::remove(cartella / "Macro.tmp");
        p.CartellaDati = cartella.string() + "/";
        const float x[] = {1, 2, 1}, y[] = {1, 1, 2};
        AggiungiFigura(p.m, 3, x, y);
        p.Ridisegna(); // origin (400, 250), 34 pixels a tick
    }
    ~BancoMouse() { std::filesystem::remove_all(cartella); }

    PuntoPixel Pixel(float x, float y) const { return PianoInPixel(p.m, x, y); }
    void Muovi(float x, float y) { MouseMosso(p, 0, Pixel(x, y).x, Pixel(x, y).y); }
    void Premi(int pulsante, float x, float y, int tasti = 0)
    {
        MousePremuto(p, pulsante, tasti, Pixel(x, y).x, Pixel(x, y).y);
    }
    std::string Macro() const
    {
        std::ifstream in(cartella / "Macro.tmp", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

struct Istantanea {
    Modello m;
    TestiVista testi;
    Totali totali;
    explicit Istantanea(const Programma& p) : m(p.m), testi(p.testi), totali(p.totali) {}
    bool operator==(const Istantanea&) const = default;
};

TEST(Mouse, IlClicSinistroSelezionaCioCheIlPassaggioHaTrovato)
{
    const struct {
        std::initializer_list<float> x, y;
        bool cerchio;
        float mx, my; // where the pointer last moved
        int vertice;
        std::string campoFigura, campoVertice, riga;
    } casi[] = {
        {{4, 5, 4}, {1, 1, 2}, false, 4.5f, 1, 0, "Figura  2: triangolo giallo", "Figura", "Figura attiva,  2"},
        {{4, 5, 4}, {1, 1, 2}, false, 5, 1, 2, "Figura  2: triangolo giallo", "Vertice B", "Vertice attivo,  2,  2"},
        {{-4, -1}, {-4, -4}, true, -1, -4, 2, "Figura  2: circonf. in  giallo", "Punto B", "Vertice attivo,  2,  2"},
        {{-4, -1}, {-4, -4}, true, -4, -1, 0, "Figura  2: circonf. in  giallo", "Figura", "Figura attiva,  2"},
        {{-6}, {3}, false, -6, 3, 1, "Figura  2: punto", "", "Vertice attivo,  2,  1"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.riga + " " + c.campoVertice);
        BancoMouse b;
        AggiungiFigura(b.p.m, static_cast<int>(c.x.size()), c.x.begin(), c.y.begin(), c.cerchio);
        b.p.m.FiguraAttiva = 1;
        b.p.totali.TotRotazione = 30;
        b.p.m.RegistraMacro = true;
        b.Muovi(c.mx, c.my);
        b.schermo.operazioni.clear();
        b.Premi(PulsanteSinistro, 8, 8); // the click position plays no part
        EXPECT_EQ(b.p.m.FiguraAttiva, 2);
        EXPECT_EQ(b.p.m.VerticeAttivo, c.vertice);
        EXPECT_EQ(b.p.testi.CampoFigura, c.campoFigura);
        EXPECT_EQ(b.p.testi.CampoVertice, c.campoVertice);
        EXPECT_EQ(b.p.totali, Totali{});
        EXPECT_EQ(b.Macro(), c.riga + "\r\n");
        EXPECT_FALSE(b.schermo.DelTipo(Operazione::Pulisci).empty());
    }
}

TEST(Mouse, FigureSovrapposteSiAlternanoAlClic)
{
    BancoMouse b;
    const float x[] = {1, 2, 1}, y[] = {1, 1, 2};
    AggiungiFigura(b.p.m, 3, x, y); // right over figure 1
    b.p.m.FiguraAttiva = 1;
    for (const int attesa : {2, 1, 2}) {
        b.Muovi(1.5f, 1);
        b.Premi(PulsanteSinistro, 1.5f, 1);
        EXPECT_EQ(b.p.m.FiguraAttiva, attesa);
    }
}

TEST(Mouse, IlClicSulVuotoRidisegnaSoltantoEConShiftSpostaO)
{
    BancoMouse b;
    b.p.m.VerticeAttivo = 2;
    b.p.totali.TotTraslX = 4;
    b.p.m.RegistraMacro = true;
    b.Muovi(-6, -3);
    const Istantanea prima(b.p);
    b.schermo.operazioni.clear();
    b.Premi(PulsanteSinistro, -6, -3);
    EXPECT_EQ(Istantanea(b.p), prima);
    EXPECT_EQ(b.Macro(), "");
    EXPECT_FALSE(b.schermo.DelTipo(Operazione::Pulisci).empty());

    b.Premi(PulsanteSinistro, 2, -1, TastoShift);
    EXPECT_EQ(b.p.m.CentroX, 2.0f);
    EXPECT_EQ(b.p.m.CentroY, -1.0f);
    bool etichettaO = false; // the label follows, 5 pixels right of O
    for (const auto& o : b.schermo.DelTipo(Operazione::Testo))
        etichettaO |= o.testo == "O" && o.x1 == b.Pixel(2, -1).x + 5;
    EXPECT_TRUE(etichettaO);
}

TEST(Mouse, IlPulsanteDestroTrasla)
{
    BancoMouse b;
    b.p.m.Modificato = false;
    b.p.m.RegistraMacro = true;
    b.schermo.operazioni.clear();
    b.Premi(PulsanteDestro, 3, 2);

    // Over a fresh redraw: the two dotted legs, then two 6-pixel strokes at
    // each tip, all white.
    ASSERT_EQ(b.schermo.operazioni.front().tipo, Operazione::Pulisci);
    const auto linee = b.schermo.DelTipo(Operazione::Linea);
    const double attese[6][4] = {{434, 216, 502, 216}, {502, 216, 502, 182}, {502, 216, 496, 210},
                                 {502, 216, 496, 222}, {502, 182, 508, 188}, {502, 182, 496, 188}};
    ASSERT_GE(linee.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        const Operazione& o = linee[linee.size() - 6 + i];
        const double v[] = {o.x1, o.y1, o.x2, o.y2};
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(v[j], attese[i][j], 1e-4) << i;
        EXPECT_EQ(o.stile, i < 2 ? StileLinea::Punteggiato : StileLinea::Continuo);
        EXPECT_EQ(o.colore, (ColoreRgb{255, 255, 255}));
    }
    EXPECT_EQ(b.p.m.Figure.X(1, 1), 1.0f); // nothing moves before the release

    MouseRilasciato(b.p, PulsanteDestro, 0);
    const float x[] = {3, 4, 3}, y[] = {2, 2, 3};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(b.p.m.Figure.X(1, k), x[k - 1]);
        EXPECT_EQ(b.p.m.Figure.Y(1, k), y[k - 1]);
    }
    EXPECT_EQ(b.p.totali.TotTraslX, 2.0f);
    EXPECT_EQ(b.p.totali.TotTraslY, 1.0f);
    EXPECT_EQ(b.p.testi.Pannelli[1], "xTrasl.=2");
    EXPECT_EQ(b.p.testi.Pannelli[2], "yTrasl.=1");
    EXPECT_FALSE(b.p.m.Modificato);
    EXPECT_EQ(b.Macro(), "");

    // The active vertex alone lands on the press; the totals stay.
    b.p.m.VerticeAttivo = 2;
    b.Premi(PulsanteDestro, 6, -1);
    MouseRilasciato(b.p, PulsanteDestro, 0);
    EXPECT_EQ(b.p.m.Figure.X(1, 2), 6.0f);
    EXPECT_EQ(b.p.m.Figure.Y(1, 2), -1.0f);
    EXPECT_EQ(b.p.m.Figure.X(1, 1), 3.0f);
    EXPECT_EQ(b.p.totali.TotTraslX, 2.0f);
}

TEST(Mouse, UnRilascioNonPreparatoNonSposta)
{
    const struct {
        const char* caso;
        void (*prima)(BancoMouse&);
        int tastiRilascio;
    } casi[] = {
        {"no press", [](BancoMouse&) {}, 0},
        {"press on an empty drawing",
         [](BancoMouse& b) {
             b.p.m.NumeroFigure = 0;
             b.Premi(PulsanteDestro, 3, 2);
             b.p.m.NumeroFigure = 1;
         },
         0},
        {"press with Ctrl", [](BancoMouse& b) { b.Premi(PulsanteDestro, 3, 2, TastoCtrl); }, 0},
        {"release with Shift", [](BancoMouse& b) { b.Premi(PulsanteDestro, 3, 2); }, TastoShift},
        {"a second release",
         [](BancoMouse& b) {
             b.Premi(PulsanteDestro, 3, 2);
             MouseRilasciato(b.p, PulsanteDestro, 0);
         },
         0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        BancoMouse b;
        b.p.mouse.ScartoX = 5; // left over from an earlier move
        c.prima(b);
        const Istantanea prima(b.p);
        MouseRilasciato(b.p, PulsanteDestro, c.tastiRilascio);
        EXPECT_EQ(Istantanea(b.p), prima);
    }
}

TEST(Mouse, PosizioneNelPannelloDati)
{
    const struct {
        double s, l;
        float attesa;
    } casi[] = {
        {0, 0, 0}, {0, 90, 0}, {30, 90, 0}, {31, 90, 2.0f / 3}, {60, 90, 2.0f / 3}, {61, 90, 1}, {90, 90, 1},
    };
    for (const auto& c : casi)
        EXPECT_EQ(PosizioneDaClic(c.s, c.l), c.attesa) << c.s << " of " << c.l;
}

} // namespace
} // namespace vellora
