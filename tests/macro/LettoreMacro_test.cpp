#include "Finti.h"
#include "macro/LettoreMacro.h"
#include "macro/ParoleMacro.h"
#include "transform/Trasformazioni.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

using Tipo = TipoParametro;

TEST(LettoreMacro, RigheEParametri)
{
    struct Attesa {
        int numero;
        std::string parola;
        std::vector<std::string> parametri;
    };
    const std::pair<std::string, std::vector<Attesa>> casi[] = {
        {"Inizio macro", {}},
        {"Rotazione,  10,  0,  0\r\nTraslazioneOr,  1\r\n", {{2, "TraslazioneOr", {"1"}}}},
        {"Inizio macro\r\n  Rotazione ,  10,0 \r\n\r\nFine macro",
         {{2, "Rotazione", {"10", "0"}}, {3, "", {}}, {4, "Fine macro", {}}}},
        {"Inizio macro\nTraslazione, ,\t-2\n", {{2, "Traslazione", {"", "-2"}}}},
    };
    for (const auto& [testo, attese] : casi) {
        SCOPED_TRACE(testo);
        LettoreMacro lettore(testo);
        RigaLetta riga;
        std::vector<Attesa> lette;
        while (lettore.Prossima(riga))
            lette.push_back({riga.numero, std::string(riga.parola),
                             std::vector<std::string>(riga.parametri.begin(), riga.parametri.end())});
        ASSERT_EQ(lette.size(), attese.size());
        for (size_t i = 0; i < lette.size(); ++i) {
            EXPECT_EQ(lette[i].numero, attese[i].numero);
            EXPECT_EQ(lette[i].parola, attese[i].parola);
            EXPECT_EQ(lette[i].parametri, attese[i].parametri);
        }
    }
}

TEST(LettoreMacro, NumeriPerTipo)
{
    struct Caso {
        std::string campo;
        Tipo tipo;
        std::optional<double> valore;
        std::string motivo;
    };
    const Caso casi[] = {
        {".5", Tipo::Singola, 0.5, ""},
        {"+3", Tipo::Singola, 3, ""},
        {"3.333334E-02", Tipo::Singola, static_cast<double>(3.333334E-02f), ""},
        {".1", Tipo::Singola, static_cast<double>(0.1f), ""}, // the float written, not the double
        {"1E-50", Tipo::Singola, 0, ""},
        {"inf", Tipo::Singola, std::nullopt, "«inf» non è un numero"},
        {"0x10", Tipo::Singola, std::nullopt, "«0x10» non è un numero"},
        {"2.5", Tipo::Byte, 2, ""}, // ties to even
        {"-0.4", Tipo::Byte, 0, ""},
        {"255.5", Tipo::Byte, std::nullopt, "«255.5» è fuori dall'intervallo consentito"},
        {"-2147483648", Tipo::Long, -2147483648.0, ""},
        {"2147483648", Tipo::Long, std::nullopt, "«2147483648» è fuori dall'intervallo consentito"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.campo);
        std::string motivo;
        EXPECT_EQ(LeggiParametro(c.campo, c.tipo, motivo), c.valore);
        EXPECT_EQ(motivo, c.motivo);
    }
}

TEST(ParoleMacro, OgniParolaDellaLingua)
{
    struct Caso {
        std::string parola;
        size_t parametri;
        bool pausa;
    };
    const Caso casi[] = {
        {"Figura attiva", 1, false},
        {"Vertice attivo", 2, false},
        {"SimmetriaY", 1, true},
        {"SimmetriaX", 1, true},
        {"SimmetriaO", 2, true},
        {"Simmetria", 4, true},
        {"TraslazioneOr", 1, true},
        {"TraslazioneVer", 1, true},
        {"Traslazione", 2, true},
        {"Rotazione", 3, true},
        {"Omotetia", 3, true},
        {"StiramentoOr", 2, true},
        {"StiramentoVer", 2, true},
        {"TraslaPianoDestra", 0, true},
        {"TraslaPianoSinistra", 0, true},
        {"TraslaPianoAlto", 0, true},
        {"TraslaPianoBasso", 0, true},
        {"Replica", 0, false},
        {"Elimina", 0, false},
        {"Pausa", 0, false},
        {"PausaLunga", 1, false},
    };
    for (const Caso& c : casi) {
        const ComandoMacro* comando = CercaComando(c.parola);
        ASSERT_NE(comando, nullptr) << c.parola;
        EXPECT_EQ(comando->parametri.size(), c.parametri) << c.parola;
        EXPECT_EQ(comando->pausaAutomatica, c.pausa) << c.parola;
    }
    for (const char* altra : {"Inizio macro", "Fine macro", "rotazione", "Rotazione ", "Figura", ""})
        EXPECT_EQ(CercaComando(altra), nullptr) << altra;
}

// The line a click records, read back into a fresh program, describes the
// same map of the plane: the reader and the writer agree on every value's
// place, and an inverse comes back as its forward equivalent.
TEST(ParoleMacro, RigaScrittaERilettaDannoLaStessaTrasformazione)
{
    Applicazione a;
    a.CentroX = 1.5f;
    a.CentroY = -2.25f;
    a.parametri.TraslX = 3.5f;
    a.parametri.TraslY = -1.25f;
    a.parametri.ImpostaAngolo(37.5f);
    a.parametri.CoeffOmotetia = 4.0f;
    a.parametri.StirOriz = 0.5f;
    a.parametri.StirVert = 8.0f;
    a.parametri.PuntoPX = 6.0f;
    a.parametri.PuntoPY = 7.5f;
    const PuntoF punti[] = {{0, 0}, {1, 4}, {-3.5f, 2.25f}, {10, -7}};
    for (Trasformazione t : TutteLeTrasformazioni) {
        for (bool inversa : {false, true}) {
            a.tipo = t;
            a.inversa = inversa && !IsSimmetria(t);
            const std::optional<std::string> scritta = RigaMacroDi(a);
            ASSERT_TRUE(scritta);
            SCOPED_TRACE(*scritta);
            const std::string testo = "Inizio macro\r\n" + *scritta + "\r\n";
            LettoreMacro lettore(testo);
            RigaLetta riga;
            ASSERT_TRUE(lettore.Prossima(riga));
            const ComandoMacro* comando = CercaComando(riga.parola);
            ASSERT_NE(comando, nullptr);
            ASSERT_EQ(riga.parametri.size(), comando->parametri.size());
            ValoriRiga valori{};
            for (size_t i = 0; i < riga.parametri.size(); ++i) {
                std::string motivo;
                valori[i] = LeggiParametro(riga.parametri[i], comando->parametri[i], motivo).value();
            }
            test::Banco b;
            ParametriDaRiga(b.p, t, valori);
            const Formula letta(ApplicazioneCorrente(b.p, t, false));
            const Formula scrittaFormula(a);
            for (const PuntoF& q : punti)
                EXPECT_EQ(letta(q.x, q.y), scrittaFormula(q.x, q.y)) << q.x << ", " << q.y;
        }
    }
}

} // namespace
} // namespace vellora
