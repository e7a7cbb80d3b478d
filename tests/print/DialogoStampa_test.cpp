#include "Finti.h"
#include "print/DialogoStampa.h"
#include "print/StampanteFinta.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

struct Stampa {
    test::Banco b;
    test::StampanteFinta st;
    DialogoStampa d{b.p, st};
};

TEST(DialogoStampa, NumeroCopie)
{
    const struct {
        const char* testo;
        int copie; // -1: the message
    } casi[] = {
        {"1", 1},   {"255", 255},   {"0", -1},   {"256", -1}, {"255.4", -1}, {"254.5", 254},
        {"2,5", 2}, {"2.5", 2},     {"3.5", 4},  {"1.5", 2},  {"0.5", 0},    {"0.4", 0},
        {" 3", 3},  {"3 copie", 3}, {"abc", -1}, {"", -1},    {"-1", -1},    {"1E400", -1},
    };
    for (const auto& c : casi) {
        Stampa s;
        s.d.TestoCopie = c.testo;
        const bool chiuso = s.d.Stampa();
        const bool messaggio = c.copie < 0;
        EXPECT_EQ(chiuso, !messaggio) << c.testo;
        EXPECT_EQ(s.st.documenti.size(), messaggio ? 0u : static_cast<size_t>(c.copie)) << c.testo;
        ASSERT_EQ(s.b.dialoghi.messaggi.size(), messaggio ? 1u : 0u) << c.testo;
        if (messaggio) {
            EXPECT_EQ(s.b.dialoghi.messaggi[0].testo, "Il numero copie deve essere compreso tra 1 e 255");
            EXPECT_EQ(s.b.dialoghi.messaggi[0].icona, Icona::Stop);
        }
    }
}

TEST(DialogoStampa, UnDocumentoPerCopiaNellOrientamentoDellaStampante)
{
    Stampa s;
    EXPECT_EQ(s.st.orientamento, Orientamento::Orizzontale); // every opening turns to landscape
    s.d.ImpostaOrientamento(Orientamento::Verticale);
    s.d.TestoCopie = "2";
    ASSERT_TRUE(s.d.Stampa());
    EXPECT_EQ(s.d.OrientamentoStampa, Orientamento::Verticale);
    const std::vector<std::string> attesi = {"orientamento 2", "orientamento 1", "orientamento 1", "inizio",  "fine",
                                             "orientamento 1", "inizio",         "fine",           "conclude"};
    EXPECT_EQ(s.st.eventi, attesi);
    // In portrait the plane is sized from the 10000-twip width.
    const auto linee = s.st.documenti[1].DelTipo(test::Operazione::Linea);
    EXPECT_EQ(linee.back().x1, 5000);
    EXPECT_EQ(linee.back().y1, 7500 - 12 * 417);
}

TEST(DialogoStampa, FattoreDallaVoceScelta)
{
    const struct {
        int voce;
        float fattore;
        float passo;
    } casi[] = {{9, 1.0f, 626}, {4, 0.5f, 313}, {0, 0.1f, 63}, {-1, 0.1f, 63}, {12, 1.0f, 626}};
    for (const auto& c : casi) {
        Stampa s;
        s.d.VoceFattore = c.voce;
        ASSERT_TRUE(s.d.Stampa());
        EXPECT_FLOAT_EQ(s.d.FattoreStampa, c.fattore) << c.voce;
        // The x axis starts Range ticks left of the centre.
        EXPECT_EQ(s.st.documenti.at(0).DelTipo(test::Operazione::Linea).at(50).x1, 7500 - 12 * c.passo) << c.voce;
    }
    EXPECT_EQ(Stampa().d.VoceFattore, 9);
}

TEST(DialogoStampa, SenzaStampanteUnFilePdf)
{
    const struct {
        std::string disegno;
        std::optional<std::string> scelto;
        const char* copie;
        std::string proposto; // empty: no file asked
        bool chiuso;
        size_t documenti;
    } casi[] = {
        {"/home/classe/quadrati.geo", "/tmp/q.pdf", "2", "/home/classe/quadrati.pdf", true, 2},
        {"", "/tmp/q.pdf", "1", "Senza nome.pdf", true, 1},
        {"", std::nullopt, "1", "Senza nome.pdf", false, 0}, // cancelled: the dialog stays
        {"", "/tmp/q.pdf", "0.3", "", true, 0},              // no copies, no file
    };
    for (const auto& c : casi) {
        Stampa s;
        s.st.scriveFile = true;
        s.b.p.m.NomeDisegno = c.disegno;
        s.b.dialoghi.fileScelti.push_back(c.scelto);
        s.d.TestoCopie = c.copie;
        EXPECT_EQ(s.d.Stampa(), c.chiuso) << c.disegno;
        EXPECT_EQ(s.st.documenti.size(), c.documenti);
        if (c.proposto.empty()) {
            EXPECT_TRUE(s.b.dialoghi.richiesteFile.empty());
            continue;
        }
        ASSERT_EQ(s.b.dialoghi.richiesteFile.size(), 1u);
        const RichiestaFile& r = s.b.dialoghi.richiesteFile[0];
        EXPECT_EQ(r.tipo, RichiestaFile::Salva);
        EXPECT_EQ(r.titolo, "Salva il disegno in PDF");
        EXPECT_EQ(r.filtro, "Documento PDF (*.pdf)|*.pdf");
        EXPECT_EQ(r.nomeIniziale, c.proposto);
        EXPECT_EQ(s.st.file, c.scelto);
    }
}

TEST(DialogoStampa, StampanteCheRifiuta)
{
    Stampa s;
    s.st.rifiuta = true;
    s.d.TestoCopie = "3";
    EXPECT_FALSE(s.d.Stampa());
    EXPECT_EQ(s.st.eventi.back(), "conclude");
    ASSERT_EQ(s.b.dialoghi.messaggi.size(), 1u); // once, not once per copy
    EXPECT_EQ(s.b.dialoghi.messaggi[0].testo, "Impossibile stampare su «Laser dell'aula»");
    EXPECT_EQ(s.d.NomeStampante(), "Stampante: Laser dell'aula");
}

} // namespace
} // namespace vellora
