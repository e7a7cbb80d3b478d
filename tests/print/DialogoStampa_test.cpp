#include "Finti.h"
#include "print/DialogoStampa.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

// A printer that records orientations, documents (each a recording surface)
// and files. Its page turns with the orientation: 15000 x 10000 in landscape.
struct StampanteFinta : Stampante {
    Orientamento orientamento = Orientamento::Verticale;
    bool scriveFile = false, rifiuta = false;
    std::vector<std::string> eventi; // "orientamento 1", "inizio", "fine", "conclude"
    std::vector<test::SuperficieRegistrata> documenti;
    std::optional<std::string> file;

    std::string NomeDispositivo() const override { return "Laser dell'aula"; }
    Orientamento LeggiOrientamento() const override { return orientamento; }
    void ImpostaOrientamento(Orientamento o) override
    {
        orientamento = o;
        eventi.push_back("orientamento " + std::to_string(static_cast<int>(o)));
    }
    bool ScriveFile() const override { return scriveFile; }
    void ImpostaFile(const std::string& percorso) override { file = percorso; }
    Superficie* IniziaDocumento() override
    {
        eventi.push_back("inizio");
        return rifiuta ? nullptr : &documenti.emplace_back();
    }
    float LarghezzaStampabile() const override { return orientamento == Orientamento::Orizzontale ? 15000 : 10000; }
    float AltezzaStampabile() const override { return orientamento == Orientamento::Orizzontale ? 10000 : 15000; }
    void FineDocumento() override { eventi.push_back("fine"); }
    bool Conclude() override
    {
        eventi.push_back("conclude");
        return true;
    }
};

struct Stampa {
    test::Banco b;
    StampanteFinta st;
    DialogoStampa d{b.p, st};
};

// The copies typed (rounded half to even, none refused), a printer that
// refuses, and with no printer a PDF file named after the drawing.
TEST(DialogoStampa, CopieFileERifiuti)
{
    const std::string copie = "Il numero copie deve essere compreso tra 1 e 255";
    const std::string rifiuto = "Impossibile stampare su «Laser dell'aula»"; // said once, not once per copy
    const std::string file = "/tmp/q.pdf";
    const struct {
        const char* testo;
        char stampante; // 'S' a printer, 'R' one that refuses, 'P' none: a PDF file
        std::optional<std::string> scelto;
        bool chiuso, chiesto; // chiesto: "Salva il disegno in PDF" shown
        size_t documenti;
        std::string messaggio;
    } casi[] = {
        {"255", 'S', {}, true, false, 255, ""},   {"256", 'S', {}, false, false, 0, copie},
        {"0.5", 'S', {}, false, false, 0, copie}, {"0.51", 'S', {}, true, false, 1, ""},
        {"2.5", 'S', {}, true, false, 2, ""},     {"3.5", 'S', {}, true, false, 4, ""},
        {"2,5", 'S', {}, true, false, 2, ""},     {" 3", 'S', {}, true, false, 3, ""},
        {"abc", 'S', {}, false, false, 0, copie}, {"3", 'R', {}, false, false, 0, rifiuto},
        {"2", 'P', file, true, true, 2, ""},      {"1", 'P', {}, false, true, 0, ""}, // cancelled: the dialog stays
        {"0.3", 'P', {}, false, false, 0, copie},                                     // rounds to 0: refused
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        Stampa s;
        s.st.scriveFile = c.stampante == 'P';
        s.st.rifiuta = c.stampante == 'R';
        s.b.p.sessione.NomeDisegno = "/home/classe/quadrati.geo";
        s.b.dialoghi.fileScelti.push_back(c.scelto);
        s.d.TestoCopie = c.testo;
        EXPECT_EQ(s.d.Stampa(), c.chiuso);
        EXPECT_EQ(s.st.documenti.size(), c.documenti);
        EXPECT_EQ(s.b.dialoghi.Testi(), c.messaggio.empty() ? std::vector<std::string>{} : std::vector{c.messaggio});
        EXPECT_TRUE(c.messaggio.empty() || s.b.dialoghi.messaggi.at(0).icona == Icona::Stop);
        EXPECT_EQ(s.st.eventi.back() == "conclude", c.documenti > 0 || c.stampante == 'R'); // the printer is let go
        ASSERT_EQ(s.b.dialoghi.richiesteFile.size(), c.chiesto ? 1u : 0u);
        if (c.chiesto) {
            const RichiestaFile& r = s.b.dialoghi.richiesteFile[0];
            EXPECT_EQ(std::tuple(r.tipo, r.nomeIniziale, s.st.file),
                      std::tuple(RichiestaFile::Salva, "/home/classe/quadrati.pdf", c.scelto));
        }
    }
    EXPECT_EQ(Stampa().d.NomeStampante(), "Stampante: Laser dell'aula");
}

TEST(DialogoStampa, UnDocumentoPerCopiaNellOrientamentoEColFattore)
{
    Stampa s;
    EXPECT_EQ(s.st.orientamento, Orientamento::Orizzontale); // every opening turns to landscape
    s.d.ImpostaOrientamento(Orientamento::Verticale);
    s.d.TestoCopie = "2";
    s.d.VoceFattore = 4; // 50%
    ASSERT_TRUE(s.d.Stampa());
    const std::vector<std::string> attesi = {"orientamento 2", "orientamento 1", "orientamento 1", "inizio",  "fine",
                                             "orientamento 1", "inizio",         "fine",           "conclude"};
    EXPECT_EQ(s.st.eventi, attesi);
    // In portrait the plane is sized from the 10000-twip width: 5006 x 0,5 / 12.
    const auto linee = s.st.documenti[1].DelTipo(test::Operazione::Linea);
    EXPECT_EQ(std::tuple(linee.back().x1, linee.back().y1), std::tuple(5000, 7500 - 12 * 209));
}

} // namespace
