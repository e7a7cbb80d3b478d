// F1 in a dialog or a docked window opens its own section of the help; elsewhere, the index.
#include "FinestraProva.h"
#include "plane/qt/FrmPiano.h"
#include "shell/qt/PulsanteLaterale.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBrowser>

namespace vellora {
namespace {

using test::ConDialogo;

class GuidaFinestre : public test::FinestraProva {
protected:
    void SetUp() override
    {
        FinestraProva::SetUp();
        ASSERT_TRUE(QDir(cartella.path()).mkpath("aiuto"));
        for (const char* pagina : {"dialoghi.html", "vellora.html"})
            ASSERT_TRUE(QFile::copy(QString(VELLORA_AIUTO "/") + pagina, cartella.filePath("aiuto/") + pagina));
    }
    // The help window that `finestra` owns, or null.
    static QTextBrowser* Guida(QWidget* finestra)
    {
        return finestra->findChild<QTextBrowser*>("FinestraGuida", Qt::FindDirectChildrenOnly);
    }
    QString Sezione(const char* finestra, const char* pagina = "dialoghi.html") const
    {
        QUrl u = QUrl::fromLocalFile(cartella.filePath("aiuto/") + pagina);
        u.setFragment(finestra);
        return u.toString();
    }
};

// From a modal dialog the help is read and scrolled while the dialog waits; Esc there is not Annulla.
TEST_F(GuidaFinestre, F1NelleImpostazioniApreLaLoroSezione)
{
    ConDialogo(
        "FrmRotazione", [&] { QTest::mouseClick(w->findChild<PulsanteLaterale*>("ruota1"), Qt::RightButton); },
        [&](QDialog* d) {
            auto* alfa = d->findChild<QLineEdit*>("TxtAlfa");
            QTest::keyClicks(alfa, "5");
            QTest::keyClick(alfa, Qt::Key_F1);
            QTextBrowser* guida = Guida(d);
            ASSERT_NE(guida, nullptr);
            EXPECT_EQ(guida->source().toString(), Sezione("FrmRotazione"));
            EXPECT_TRUE(guida->toPlainText().contains("Ampiezza della rotazione in gradi"));
            EXPECT_EQ(Guida(w.get()), nullptr); // not "Guida a Vellora"
            ASSERT_TRUE(QTest::qWaitForWindowActive(guida));
            // Keys through the window system, which drops those of a window the dialog blocks.
            QScrollBar* barra = guida->verticalScrollBar();
            EXPECT_GT(barra->value(), 0);
            QTest::keyClick(guida->windowHandle(), Qt::Key_Home);
            EXPECT_EQ(barra->value(), 0);
            QTest::keyClick(guida->windowHandle(), Qt::Key_Escape);
            EXPECT_TRUE(d->isVisible());
            guida->close();
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(alfa->text(), QString("105"));
            QTest::keyClick(alfa, Qt::Key_Return);
        });
    EXPECT_EQ(p().d.Parametri.AngoloRotazione, 105.0f);
}

TEST_F(GuidaFinestre, F1NelRangeApreLaSuaSezione)
{
    ConDialogo(
        "FrmRange", [&] { Azione("MnuImpostazioniRange")->trigger(); },
        [&](QDialog* d) {
            QTest::keyClick(d->findChild<QLineEdit*>("Text1"), Qt::Key_F1);
            ASSERT_NE(Guida(d), nullptr);
            EXPECT_EQ(Guida(d)->source().toString(), Sezione("FrmRange"));
            EXPECT_TRUE(Guida(d)->isVisible());
            QTest::keyClick(d, Qt::Key_Escape);
        });
}

// The docked coordinates panel has its section; the plane beside it, the index.
TEST_F(GuidaFinestre, F1NelPannelloDelleCoordinateENelPiano)
{
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    Azione("MnuFiguraCoordinate")->trigger();
    auto* x = w->findChild<QLineEdit*>("TxtX0");
    ASSERT_NE(x, nullptr);
    QTest::keyClick(x, Qt::Key_F1);
    ASSERT_NE(Guida(w.get()), nullptr);
    EXPECT_EQ(Guida(w.get())->source().toString(), Sezione("FrmCoordinate"));

    Guida(w.get())->close();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w->Piano(), Qt::Key_F1);
    EXPECT_EQ(Guida(w.get())->source().toString(),
              QUrl::fromLocalFile(cartella.filePath("aiuto/vellora.html")).toString());
}

// The title window is not modal: its section opens in the main window's help.
TEST_F(GuidaFinestre, F1NelTitolo)
{
    Azione("MnuInfoInfo")->trigger();
    QWidget* titolo = w->findChild<QWidget*>("frmSplash");
    ASSERT_NE(titolo, nullptr);
    QTest::keyClick(titolo, Qt::Key_F1);
    ASSERT_NE(Guida(w.get()), nullptr);
    EXPECT_EQ(Guida(w.get())->source().toString(), Sezione("frmSplash"));
}

} // namespace
} // namespace vellora
