// The comment window on the real main window: opened, written, formatted, printed, closed.
#include "FinestraProva.h"
#include "plane/qt/FrmPiano.h"
#include "print/qt/StampanteQt.h"
#include "shell/qt/FrmCommento.h"
#include "shell/qt/StampaQt.h"

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace vellora {
namespace {

class Commento : public test::FinestraProva {
protected:
    std::string commento;

    void SetUp() override
    {
        FinestraProva::SetUp();
        // A drawing saved as lezione.geo, whose comment is lezione.rtf.
        p().sessione.NomeDisegno = cartella.filePath("lezione.geo").toStdString();
        commento = cartella.filePath("lezione.rtf").toStdString();
        w->findChild<QWidget*>("frmSplash")->close();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    FrmCommento* Finestra() const
    {
        FrmCommento* f = w->Commento()->Finestra();
        return f && f->isVisible() ? f : nullptr;
    }
    QTextEdit* Testo() const { return Finestra()->RichTextBox1(); }
    template <typename T> T* Controllo(const char* nome) const { return Finestra()->findChild<T*>(nome); }
    QMdiSubWindow* SottoPiano() const { return qobject_cast<QMdiSubWindow*>(w->Piano()->parentWidget()); }
    std::string File() const
    {
        QFile f(QString::fromStdString(commento));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "(manca)";
    }
};

// The two windows share the area; typing and F2 write in the text while F2
// outside it still replicates; the close box asks before saving.
TEST_F(Commento, DalMenuMostraAllaChiusura)
{
    QFile(QString::fromStdString(commento)).open(QIODevice::WriteOnly);
    Azione("MnuVisualizzaCommento")->trigger();
    ASSERT_NE(Finestra(), nullptr);
    EXPECT_TRUE(Azione("MnuVisualizzaCommento")->isChecked());
    EXPECT_EQ(Finestra()->parentWidget()->windowTitle(), QString("Commento"));
    const QRect piano = SottoPiano()->geometry(), destra = Finestra()->parentWidget()->geometry();
    EXPECT_FALSE(SottoPiano()->isMaximized());
    EXPECT_FALSE(piano.intersects(destra));
    EXPECT_EQ(piano.width() + destra.width(), w->findChild<QMdiArea*>()->viewport()->width());
    // The empty file could not be read: said once, and kept.
    EXPECT_EQ(dialoghi.messaggi.size(), 1u);

    ASSERT_TRUE(QTest::qWaitFor([&] { return Testo()->hasFocus(); }));
    QTest::keyClicks(Testo(), "radice ");
    QTest::keyClick(Testo(), Qt::Key_F2);
    QTest::keyClicks(Testo(), "2");
    EXPECT_EQ(Testo()->toPlainText().toStdString(), "radice √2");
    EXPECT_EQ(p().d.NumeroFigure, 1);
    QTest::keyClick(w->Piano(), Qt::Key_F2);
    EXPECT_EQ(p().d.NumeroFigure, 2);

    // The close box asks; Sì writes the typed text over the unreadable file.
    dialoghi.messaggi.clear();
    dialoghi.risposte = {Risposta::Si};
    Finestra()->parentWidget()->close();
    EXPECT_EQ(dialoghi.Testi(), std::vector<std::string>{"Salvare le modifiche al commento?"});
    EXPECT_EQ(Finestra(), nullptr);
    EXPECT_FALSE(Azione("MnuVisualizzaCommento")->isChecked());
    EXPECT_TRUE(SottoPiano()->isMaximized());
    EXPECT_NE(File().find("radice"), std::string::npos) << File();
}

// The strip acts on the selection and shows it: toggles, colours, sizes.
TEST_F(Commento, LaStrisciaFormattaLaSelezione)
{
    Azione("MnuVisualizzaCommento")->trigger();
    ASSERT_NE(Finestra(), nullptr);
    QTest::keyClicks(Testo(), "ab");
    Testo()->selectAll();
    QTest::mouseClick(Controllo<QToolButton>("LblGrassetto"), Qt::LeftButton);
    QTest::mouseClick(Controllo<QToolButton>("tavolozza3"), Qt::LeftButton);
    for (int i = 0; i < 30; ++i)
        QTest::mouseClick(Controllo<QToolButton>("CmdPiù"), Qt::LeftButton);
    EXPECT_EQ(Controllo<QLineEdit>("TxtDim")->text(), "35");

    // Only "b" goes red and small: the selection now mixes both.
    QTextCursor c = Testo()->textCursor();
    c.setPosition(1);
    c.setPosition(2, QTextCursor::KeepAnchor);
    Testo()->setTextCursor(c);
    QTest::mouseClick(Controllo<QToolButton>("tavolozza1"), Qt::LeftButton);
    QTest::mouseClick(Controllo<QToolButton>("CmdMeno"), Qt::LeftButton);
    Testo()->selectAll();
    EXPECT_EQ(Controllo<QLineEdit>("TxtDim")->text(), "");
    EXPECT_TRUE(Controllo<QToolButton>("LblGrassetto")->isChecked());
    for (const char* nome : {"tavolozza0", "tavolozza1", "tavolozza2", "tavolozza3"})
        EXPECT_FALSE(Controllo<QToolButton>(nome)->isChecked()) << nome;
    QTest::mouseClick(Controllo<QToolButton>("CmdMeno"), Qt::LeftButton);
    EXPECT_EQ(Controllo<QLineEdit>("TxtDim")->text(), "10");

    const StileTesto blu{true, false, false, {0, 0, 128}, 10}, rosso{true, false, false, {255, 0, 0}, 10};
    EXPECT_EQ(w->Commento()->Testo(), (TestoRicco{{"a", blu}, {"b", rosso}}));
    c.setPosition(1);
    Testo()->setTextCursor(c);
    EXPECT_TRUE(Controllo<QToolButton>("tavolozza3")->isChecked());
}

TEST_F(Commento, LaStampaSenzaStampanteScriveUnPdf)
{
    if (StampanteQt::CiSonoStampanti())
        GTEST_SKIP() << "a printer is installed: it would really print";
    Azione("MnuVisualizzaCommento")->trigger();
    ASSERT_NE(Finestra(), nullptr);
    QTest::keyClicks(Testo(), "da stampare");
    const QString pdf = cartella.filePath("commento.pdf");
    dialoghi.fileScelti = {pdf.toStdString()};
    QTest::mouseClick(Controllo<QPushButton>("CmdStampa"), Qt::LeftButton);
    ASSERT_EQ(dialoghi.richiesteFile.size(), 1u);
    EXPECT_EQ(dialoghi.richiesteFile[0].titolo, "Salva il commento in PDF");
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));
    EXPECT_TRUE(dialoghi.messaggi.empty());
}

} // namespace
} // namespace vellora
