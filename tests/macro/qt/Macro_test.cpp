// Macros on screen: recording and playing through the real menu items and
// buttons, the interruption while a pause turns the event loop, the editor
// window and the pause dialog.
#include "Finti.h"
#include "macro/Editor.h"
#include "macro/Macro.h"
#include "macro/qt/FrmEditorMacro.h"
#include "macro/qt/FrmPausa.h"
#include "macro/qt/PompaQt.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/PulsanteLaterale.h"
#include "shell/qt/StampaQt.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vellora {
namespace {

class MacroNellaFinestra : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    test::DialoghiFinti dialoghi;
    std::unique_ptr<FrmPrinc> w;

    void SetUp() override
    {
        const std::string c = cartella.path().toStdString() + "/";
        w = ApriProgramma(dialoghi, {c, c}, "");
        Azione(Voce::MnuFiguraMenuTriangoliRett)->trigger();
    }
    Programma& p() { return w->StatoProgramma(); }
    QAction* Azione(Voce v) const { return w->findChild<QAction*>(QString::fromUtf8(NomeVoce(v))); }
    PulsanteLaterale* Pulsante(const char* nome) const { return w->findChild<PulsanteLaterale*>(nome); }
    std::pair<float, float> VerticeB() { return {p().m.Figure.X(1, 2), p().m.Figure.Y(1, 2)}; }
};

TEST_F(MacroNellaFinestra, UnaRotazioneRegistrataSiRiesegueColPulsanteMacro)
{
    const auto iniziale = VerticeB();
    Azione(Voce::MnuMacroInizio)->trigger();
    QTest::mouseClick(Pulsante("ruota1"), Qt::LeftButton);
    const auto ruotato = VerticeB();
    Azione(Voce::MnuMacroFine)->trigger(); // the save dialog is cancelled
    EXPECT_EQ(Pulsante("Macro")->toolTip(), QString("E' attiva la macro: Senza Nome"));
    QTest::mouseClick(Pulsante("ruota1"), Qt::LeftButton, Qt::ShiftModifier); // not recorded any more
    EXPECT_NEAR(VerticeB().first, iniziale.first, 1e-5);

    p().PausaMacro = 3; // 300 turns of the window's pump after the rotation
    QElapsedTimer orologio;
    orologio.start();
    QTest::mouseClick(Pulsante("Macro"), Qt::LeftButton);
    EXPECT_GE(orologio.elapsed(), 28);
    EXPECT_NEAR(VerticeB().first, ruotato.first, 1e-5);
    EXPECT_NEAR(VerticeB().second, ruotato.second, 1e-5);
    EXPECT_EQ(Pulsante("Macro")->toolTip(), QString("E' attiva la macro: Senza Nome"));
    EXPECT_TRUE(dialoghi.messaggi.empty());
}

TEST_F(MacroNellaFinestra, CtrlIInterrompeLaMacroDuranteUnaPausa)
{
    // Eight minutes of pause, then a rotation that must never come.
    const QString file = cartella.filePath("lunga.mcr");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Inizio macro\r\nPausaLunga,  200\r\nRotazione,  10,  0,  0\r\n");
    f.close();
    dialoghi.fileScelti = {file.toStdString()};
    Azione(Voce::MnuMacroApri)->trigger();
    const auto iniziale = VerticeB();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));

    bool interrompiAbilitato = false, scorciatoiaPersa = false;
    int figureDurante = 0;
    QTimer::singleShot(150, w.get(), [&] {
        interrompiAbilitato = Azione(Voce::MnuMacroInterrompi)->isEnabled();
        // F5 would delete without asking under a macro: its menu is disabled.
        QTest::keyClick(w.get(), Qt::Key_F5);
        figureDurante = p().m.NumeroFigure;
        QTest::keyClick(w.get(), Qt::Key_I, Qt::ControlModifier);
    });
    QTimer::singleShot(3000, w.get(), [&] { // should the shortcut be lost
        scorciatoiaPersa = true;
        p().InterrompiMacro = true;
    });
    Azione(Voce::MnuMacroEsegui)->trigger();

    EXPECT_FALSE(scorciatoiaPersa);
    EXPECT_TRUE(interrompiAbilitato);
    EXPECT_EQ(figureDurante, 1);
    EXPECT_EQ(VerticeB(), iniziale);
    EXPECT_FALSE(Azione(Voce::MnuMacroInterrompi)->isEnabled());
    EXPECT_TRUE(Azione(Voce::MnuFileApri)->isEnabled());
}

TEST(PompaQt, UnaPausaDiCinquantaDuraMezzoSecondo)
{
    PompaQt pompa;
    QElapsedTimer orologio;
    for (int prova = 0; prova < 2; ++prova) { // the second after an idle gap
        QTest::qWait(30);
        orologio.start();
        for (int i = 0; i < 50 * 100; ++i)
            pompa.Turno();
        EXPECT_GE(orologio.elapsed(), 495);
        EXPECT_LE(orologio.elapsed(), 1500);
    }
}

TEST(FrmEditorMacro, TastiPulsantiEChiusura)
{
    QTemporaryDir cartella;
    test::Banco b;
    b.p.CartellaDati = b.p.m.PercorsoProgramma = cartella.path().toStdString() + "/";
    EditorMacro editor(b.p);
    ASSERT_TRUE(editor.Apri());
    FrmEditorMacro finestra(editor);
    finestra.show();
    finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    auto* testo = finestra.findChild<QPlainTextEdit*>("RichTextBox2");
    QTest::keyClick(testo, Qt::Key_Left);
    EXPECT_FALSE(editor.Modificata());
    QTest::keyClick(testo, Qt::Key_C, Qt::ControlModifier); // a typed key, though the text stays
    EXPECT_TRUE(editor.Modificata());

    QTest::keyClicks(testo, "Pausa");
    testo->selectAll();
    QTest::mouseClick(finestra.findChild<QPushButton*>("CmdTaglia"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("Pausa"));
    EXPECT_EQ(testo->toPlainText(), QString());
    EXPECT_TRUE(testo->hasFocus());

    // The close box asks; Cancel keeps the window, No closes it.
    b.dialoghi.risposte = {Risposta::Annulla, Risposta::No};
    finestra.close();
    EXPECT_TRUE(finestra.isVisible());
    finestra.close();
    EXPECT_FALSE(finestra.isVisible());
    EXPECT_EQ(b.dialoghi.messaggi.size(), 2u);
}

TEST(FrmPausa, IlCursoreNonScendeSottoUnoNeSaleSopraMille)
{
    test::Banco b;
    struct Caso {
        int valore;
        Qt::Key tasto; // typed after the value, unless Key_unknown
        int atteso;
    };
    for (const Caso& c : {Caso{-5, Qt::Key_unknown, 1}, Caso{1001, Qt::Key_unknown, 1000}, Caso{500, Qt::Key_Home, 1},
                          Caso{500, Qt::Key_End, 1000}, Caso{1, Qt::Key_PageDown, 1}}) {
        FrmPausa dialogo(b.p);
        auto* slider = dialogo.findChild<QSlider*>("Slider1");
        slider->setValue(c.valore);
        if (c.tasto != Qt::Key_unknown)
            QTest::keyClick(slider, c.tasto);
        QTest::mouseClick(dialogo.findChild<QPushButton*>("Ok"), Qt::LeftButton);
        EXPECT_EQ(b.p.PausaMacro, c.atteso) << c.valore;
    }
}

} // namespace
} // namespace vellora
