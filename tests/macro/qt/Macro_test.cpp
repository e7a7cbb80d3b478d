// A macro on screen: opened and played through the real menu items, and
// stopped with Ctrl+I or sent on with the space bar while its pause turns
// the window's event loop.
#include "Finti.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/FrmPrinc.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

using namespace vellora;

namespace {

TEST(MacroNellaFinestra, CtrlIInterrompeLaMacroDuranteUnaPausa)
{
    QTemporaryDir cartella;
    test::DialoghiFinti dialoghi;
    const std::string c = cartella.path().toStdString() + "/";
    const std::unique_ptr<FrmPrinc> w = ApriProgramma(dialoghi, {c, c}, "");
    const auto azione = [&](Voce v) { return w->findChild<QAction*>(QString::fromUtf8(NomeVoce(v))); };
    Programma& p = w->StatoProgramma();
    azione(Voce::MnuFiguraMenuTriangoliRett)->trigger();
    // Eight minutes of pause, then a rotation that must never come.
    std::ofstream(c + "lunga.mcr") << "Inizio macro\r\nPausaLunga,  200\r\nRotazione,  10,  0,  0\r\n";
    dialoghi.fileScelti = {c + "lunga.mcr"};
    azione(Voce::MnuMacroApri)->trigger();
    const TabellaFigure prima = p.d.Figure;
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));

    bool interrompiAbilitato = false, scorciatoiaPersa = false;
    int figureDurante = 0;
    QTimer::singleShot(150, w.get(), [&] {
        interrompiAbilitato = azione(Voce::MnuMacroInterrompi)->isEnabled();
        // F5 would delete without asking under a macro: its menu is disabled.
        QTest::keyClick(w.get(), Qt::Key_F5);
        figureDurante = p.d.NumeroFigure;
        QTest::keyClick(w.get(), Qt::Key_I, Qt::ControlModifier);
    });
    QTimer::singleShot(3000, w.get(), [&] { // should the shortcut be lost
        scorciatoiaPersa = true;
        p.InterrompiMacro = true;
    });
    azione(Voce::MnuMacroEsegui)->trigger();

    EXPECT_FALSE(scorciatoiaPersa);
    EXPECT_TRUE(interrompiAbilitato);
    EXPECT_EQ(figureDurante, 1);
    EXPECT_TRUE(p.d.Figure == prima);
    EXPECT_FALSE(azione(Voce::MnuMacroInterrompi)->isEnabled());
    EXPECT_TRUE(azione(Voce::MnuFileApri)->isEnabled());
}

TEST(MacroNellaFinestra, LoSpazioTerminaLaPausaSenzaPremereIlPulsante)
{
    QTemporaryDir cartella;
    test::DialoghiFinti dialoghi;
    const std::string c = cartella.path().toStdString() + "/";
    const std::unique_ptr<FrmPrinc> w = ApriProgramma(dialoghi, {c, c}, "");
    const auto azione = [&](Voce v) { return w->findChild<QAction*>(QString::fromUtf8(NomeVoce(v))); };
    Programma& p = w->StatoProgramma();
    azione(Voce::MnuFiguraMenuTriangoliRett)->trigger();
    // Eight minutes of pause, then the copy that shows the pause is over.
    std::ofstream(c + "lunga.mcr") << "Inizio macro\r\nPausaLunga,  200\r\nReplica\r\n";
    dialoghi.fileScelti = {c + "lunga.mcr"};
    azione(Voce::MnuMacroApri)->trigger();
    auto* pulsante = new QPushButton(QStringLiteral("Prova"), w.get());
    int clic = 0;
    QObject::connect(pulsante, &QPushButton::clicked, [&] { ++clic; });
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    pulsante->setFocus();

    QString avviso;
    bool spazioPerso = false;
    QTimer::singleShot(150, w.get(), [&] {
        const auto* etichetta = w->findChild<QLabel*>(QStringLiteral("AvvisoPausa"));
        avviso = etichetta && etichetta->isVisible() ? etichetta->text() : QString();
        QTest::keyClick(pulsante, Qt::Key_Space);
    });
    QTimer::singleShot(3000, w.get(), [&] { // should the key be lost
        spazioPerso = true;
        p.InterrompiMacro = true;
    });
    azione(Voce::MnuMacroEsegui)->trigger();

    EXPECT_FALSE(spazioPerso);
    EXPECT_EQ(avviso, QStringLiteral("Pausa: spazio per continuare"));
    EXPECT_EQ(p.d.NumeroFigure, 2);
    EXPECT_EQ(clic, 0);
    EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("AvvisoPausa"))->isVisible());
    // After the playback the space bar is the button's again.
    QTest::keyClick(pulsante, Qt::Key_Space);
    EXPECT_EQ(clic, 1);
}

} // namespace
