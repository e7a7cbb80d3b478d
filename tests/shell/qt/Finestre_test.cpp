// The title window, the help window and the command line of the program.
#include "FinestraProva.h"
#include "shell/qt/StampaQt.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>

namespace vellora {
namespace {

class Finestre : public test::FinestraProva {
protected:
    void SetUp() override {} // each test opens the window with its own command line
    void Apri(const std::string& riga)
    {
        const std::string c = cartella.path().toStdString() + "/";
        w = ApriProgramma(dialoghi, {c, c}, riga);
    }
    QWidget* Titolo() const { return w->findChild<QWidget*>("frmSplash"); }
    bool TitoloVisibile() const { return Titolo() && Titolo()->isVisible(); }
    void Scrivi(const QString& nome, const char* html)
    {
        QDir(cartella.path()).mkpath("aiuto");
        QFile f(cartella.filePath("aiuto/" + nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(html);
    }
    QString TestoGuida() const { return w->findChild<QTextBrowser*>("FinestraGuida")->toPlainText(); }
};

// Shown at start-up unless a drawing is named; a key or a click closes it.
TEST_F(Finestre, IlTitoloAllAvvioESuRichiesta)
{
    Apri("\"/tmp/prova.geo\"");
    EXPECT_FALSE(TitoloVisibile());
    Apri("");
    ASSERT_TRUE(TitoloVisibile());
    QTest::keyClick(Titolo(), Qt::Key_Space);
    EXPECT_FALSE(TitoloVisibile());
    Azione("MnuInfoInfo")->trigger();
    ASSERT_TRUE(TitoloVisibile());
    QTest::mouseClick(Titolo(), Qt::LeftButton);
    EXPECT_FALSE(TitoloVisibile());
}

TEST_F(Finestre, LaGuidaMostraLePagineEIlFileMancante)
{
    Apri("");
    Azione("MnuInfoGuida")->trigger();
    const QString attesa = cartella.filePath("aiuto/vellora.html");
    EXPECT_TRUE(TestoGuida().contains(attesa)) << TestoGuida().toStdString();

    Scrivi("vellora.html", "<html><body><p>Benvenuti</p><a href=\"esempi.html\">Esempi</a> "
                           "<a href=\"assente.html\">Assente</a></body></html>");
    Scrivi("esempi.html", "<html><body><p>Il teorema di Pitagora</p></body></html>");
    Azione("MnuInfoGuida")->trigger();
    EXPECT_TRUE(TestoGuida().contains("Benvenuti"));
    EXPECT_TRUE(w->findChild<QTextBrowser*>("FinestraGuida")->isVisible());

    // Links are relative to the page that holds them.
    w->findChild<QTextBrowser*>("FinestraGuida")->setSource(QUrl("esempi.html"));
    EXPECT_TRUE(TestoGuida().contains("Pitagora"));
    Azione("MnuInfoGuida")->trigger();
    w->findChild<QTextBrowser*>("FinestraGuida")->setSource(QUrl("assente.html"));
    EXPECT_TRUE(TestoGuida().contains(cartella.filePath("aiuto/assente.html")));

    Azione("MnuInfoGuidaEsempi")->trigger();
    EXPECT_TRUE(TestoGuida().contains("Pitagora"));
}

TEST(RigaDiComando, GliArgomentiDopoIlProgrammaUnitiDaSpaziConIlPercorsoResoAssoluto)
{
    const std::string qui = QDir::currentPath().toStdString() + "/";
    EXPECT_EQ(RigaDiComando({"vellora"}), "");
    EXPECT_EQ(RigaDiComando({"vellora", "disegno.geo"}), qui + "disegno.geo");
    EXPECT_EQ(RigaDiComando({"vellora", "\"/home/a/il", "mio.geo\""}), "\"/home/a/il mio.geo\"");
    EXPECT_EQ(RigaDiComando({"vellora", "\"già", "fatto.geo\""}), "\"" + qui + "già fatto.geo\"");
}

} // namespace
} // namespace vellora
