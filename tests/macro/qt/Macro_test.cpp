// A macro played from the real menu, stopped by Ctrl+I or sent on by the space bar during its pause.
#include "FinestraProva.h"

#include <QLabel>
#include <QPushButton>
#include <fstream>

using namespace vellora;

namespace {

// An eight-minute pause then `dopo`, made the active macro through the real menu item.
class MacroNellaFinestra : public test::FinestraProva {
protected:
    void ApriMacroLunga(const std::string& dopo)
    {
        const std::string file = cartella.path().toStdString() + "/lunga.mcr";
        std::ofstream(file) << "Inizio macro\r\nPausaLunga,  200\r\n" << dopo << "\r\n";
        dialoghi.fileScelti = {file};
        Azione("MnuMacroApri")->trigger();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    // Plays it; true when the key under test was lost and the pause was stopped after three seconds.
    bool Esegui()
    {
        bool perso = false;
        QTimer::singleShot(3000, w.get(), [&] {
            perso = true;
            p().InterrompiMacro = true;
        });
        Azione("MnuMacroEsegui")->trigger();
        return perso;
    }
};

TEST_F(MacroNellaFinestra, CtrlIInterrompeLaMacroDuranteUnaPausa)
{
    // A rotation that must never come.
    ApriMacroLunga("Rotazione,  10,  0,  0");
    const TabellaFigure prima = p().d.Figure;
    bool interrompiAbilitato = false;
    int figureDurante = 0;
    QTimer::singleShot(150, w.get(), [&] {
        interrompiAbilitato = Azione("MnuMacroInterrompi")->isEnabled();
        // F5 would delete without asking under a macro: its menu is disabled.
        QTest::keyClick(w.get(), Qt::Key_F5);
        figureDurante = p().d.NumeroFigure;
        QTest::keyClick(w.get(), Qt::Key_I, Qt::ControlModifier);
    });
    EXPECT_FALSE(Esegui());
    EXPECT_TRUE(interrompiAbilitato);
    EXPECT_EQ(figureDurante, 1);
    EXPECT_TRUE(p().d.Figure == prima);
    EXPECT_FALSE(Azione("MnuMacroInterrompi")->isEnabled());
    EXPECT_TRUE(Azione("MnuFileApri")->isEnabled());
}

TEST_F(MacroNellaFinestra, LoSpazioTerminaLaPausaSenzaPremereIlPulsante)
{
    // The copy that shows the pause is over.
    ApriMacroLunga("Replica");
    auto* pulsante = new QPushButton(QStringLiteral("Prova"), w.get());
    int clic = 0;
    QObject::connect(pulsante, &QPushButton::clicked, [&] { ++clic; });
    pulsante->setFocus();

    QString avviso;
    QTimer::singleShot(150, w.get(), [&] {
        const auto* etichetta = w->findChild<QLabel*>(QStringLiteral("AvvisoPausa"));
        avviso = etichetta && etichetta->isVisible() ? etichetta->text() : QString();
        QTest::keyClick(pulsante, Qt::Key_Space);
    });
    EXPECT_FALSE(Esegui());
    EXPECT_EQ(avviso, QStringLiteral("Pausa: spazio per continuare"));
    EXPECT_EQ(p().d.NumeroFigure, 2);
    EXPECT_EQ(clic, 0);
    EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("AvvisoPausa"))->isVisible());
    // After the playback the space bar is the button's again.
    QTest::keyClick(pulsante, Qt::Key_Space);
    EXPECT_EQ(clic, 1);
}

} // namespace
