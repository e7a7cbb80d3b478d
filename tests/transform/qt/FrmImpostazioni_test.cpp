// The settings dialogs on the real main window, from the menu (the right click: GuidaFinestre_test).
#include "FinestraProva.h"

#include <QLineEdit>
#include <QPushButton>

namespace vellora {
namespace {

using test::ConDialogo;
using test::PremiNelMenu;

class Impostazioni : public test::FinestraProva {};

// Alt+P, T, R: the rotation dialog from the keyboard; Tab reaches the centre.
TEST_F(Impostazioni, IlMenuDaTastiera)
{
    ConDialogo(
        "FrmRotazione",
        [&] {
            w->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
            QTest::keyClick(w.get(), Qt::Key_P, Qt::AltModifier);
            PremiNelMenu("MnuImpostazioni", Qt::Key_T);
            PremiNelMenu("MnuImpostazioniTrasf", Qt::Key_R);
        },
        [](QDialog* d) {
            QWidget* alfa = d->focusWidget();
            ASSERT_EQ(alfa->objectName(), QString("TxtAlfa"));
            QTest::keyClick(alfa, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(alfa, "30");
            QTest::keyClick(alfa, Qt::Key_Tab);
            for (int i = 0; i < 5; ++i) // the five angle presets
                QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
            QWidget* x = d->focusWidget();
            EXPECT_EQ(x->objectName(), QString("TxtXcentro"));
            QTest::keyClicks(x, ",5");
            QTest::keyClick(d, Qt::Key_Return);
        });
    EXPECT_EQ(p().d.Parametri.AngoloRotazione, 30.0f);
    EXPECT_EQ(p().d.CentroX, 0.5f);
}

// A zero coefficient keeps the dialog open, its box selected; Esc then undoes the point button.
TEST_F(Impostazioni, UnCoefficienteNulloEdEsc)
{
    ConDialogo(
        "FrmOmotetia", [&] { w->findChild<QAction*>("MnuImpostazioniTrasfOmot")->trigger(); },
        [&](QDialog* d) {
            auto* r = d->findChild<QLineEdit*>("TxtCoefOmot");
            r->setText("0");
            d->findChild<QPushButton*>("Ok")->click();
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(dialoghi.Testi(), std::vector<std::string>{"Il coefficiente di omotetia non può essere nullo"});
            EXPECT_TRUE(r->hasFocus());
            EXPECT_EQ(r->selectedText(), QString("0"));
            d->findChild<QPushButton*>("CmdB")->click(); // O := (1, 4) at once
            EXPECT_EQ(p().d.CentroY, 4.0f);
            QTest::keyClick(d, Qt::Key_Escape);
        });
    EXPECT_EQ(p().d.Parametri.CoeffOmotetia, 2.0f);
    EXPECT_EQ(p().d.CentroY, 0.0f);
    EXPECT_FALSE(p().sessione.Modificato);
}

// The item that says "asse orizzontale" opens that axis's dialog, and its Punto medio fills the box.
TEST_F(Impostazioni, LaDidascaliaDecideIlDialogo)
{
    ConDialogo(
        "FrmSimm2", [&] { w->findChild<QAction*>("MnuImpostazioniTrasfSimm1")->trigger(); },
        [&](QDialog* d) {
            ConDialogo(
                "FrmPuntoMedio", [&] { d->findChild<QPushButton*>("CmdPuntoMedio")->click(); },
                [](QDialog* medio) {
                    medio->findChild<QPushButton*>("CmdB1")->click(); // Q = (1, 4)
                    medio->findChild<QPushButton*>("CmdC2")->click(); // R = (3, 1)
                    medio->findChild<QPushButton*>("Ok")->click();
                });
            EXPECT_EQ(d->findChild<QLineEdit*>("TxtYcentro")->text(), QString("2,5"));
            d->findChild<QPushButton*>("Ok")->click();
        });
    EXPECT_EQ(p().d.CentroY, 2.5f);
    EXPECT_TRUE(p().sessione.Modificato);
}

} // namespace
} // namespace vellora
