// The circle dialogs on the real main window, offscreen, with the keyboard and the point buttons.
#include "FinestraProva.h"
#include "plane/Mappatura.h"
#include "plane/qt/FrmPiano.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vellora {
namespace {

using test::ConDialogo;
using test::PremiNelMenu;

class DatiCerchio : public test::FinestraProva {
protected:
    // The colour of the plane's canvas at a point of the plane.
    QColor Colore(float x, float y)
    {
        const PuntoPixel q = PianoInPixel(p().d, p().mappa, x, y);
        return w->Piano()->Schermo().Immagine().pixelColor(static_cast<int>(q.x), static_cast<int>(q.y));
    }
};

// Alt+I, R, T; P and Q from the triangle's buttons, R typed; Enter is OK: the centre is BC's midpoint.
TEST_F(DatiCerchio, TrePuntiDalMenuConLaTastiera)
{
    ConDialogo(
        "FrmDatiCerchio1",
        [&] {
            w->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
            QTest::keyClick(w.get(), Qt::Key_I, Qt::AltModifier);
            PremiNelMenu("MnuFigura", Qt::Key_R);
            PremiNelMenu("MnuCerchio", Qt::Key_T);
        },
        [&](QDialog* d) {
            auto* ax = d->findChild<QLineEdit*>("TxtAx");
            EXPECT_EQ(std::tuple(QApplication::focusWidget(), ax->cursorPosition(), ax->hasSelectedText()),
                      std::tuple(ax, 1, false));
            d->findChild<QPushButton*>("CmdA1")->click();
            d->findChild<QPushButton*>("CmdB2")->click();
            EXPECT_EQ(d->findChild<QLineEdit*>("TxtBy")->text(), QString("4"));
            auto* cx = d->findChild<QLineEdit*>("TxtCx");
            cx->setFocus();
            QTest::keyClick(cx, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(cx, "3");
            QTest::keyClick(cx, Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), "1");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
    const TabellaFigure& t = p().d.Figure;
    EXPECT_EQ(std::tuple(p().d.NumeroFigure, t.X(2, 1), t.Y(2, 1), t.X(2, 2), t.Y(2, 2)),
              std::tuple(2, 2.0f, 2.5f, 1.0f, 1.0f));
    EXPECT_EQ(w->findChild<QLineEdit*>("CampoFigura")->text(), QString("Figura  2: circonf. in  giallo"));
    EXPECT_TRUE(p().sessione.Modificato && dialoghi.messaggi.empty());
}

// The scale refusal opens no dialog; radius 0 selects its box; Applica marks, the close box unmarks.
TEST_F(DatiCerchio, RaggioRifiutatoEChiusuraSenzaFigura)
{
    p().d.ScalaY = 2.0f;
    Azione("MnuFiguraCerchio2")->trigger(); // the scale message, and no dialog: the call returns
    EXPECT_EQ(dialoghi.messaggi.size(), 1u);
    dialoghi.messaggi.clear();
    p().d.ScalaY = 1.0f;
    const Disegno prima = p().d;
    ConDialogo(
        "FrmDatiCerchio2", [&] { Azione("MnuFiguraCerchio2")->trigger(); },
        [&](QDialog* d) {
            auto* r = d->findChild<QLineEdit*>("TxtRaggio");
            EXPECT_EQ(r->text(), QString("1"));
            r->setText("0");
            d->findChild<QLineEdit*>("TxtAx")->setText("2,5");
            d->findChild<QLineEdit*>("TxtAy")->setText("2,5");
            QTest::keyClick(d, Qt::Key_Return);
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(dialoghi.Testi(), std::vector<std::string>{"Il raggio deve essere un numero positivo"});
            EXPECT_TRUE(r->hasFocus());
            EXPECT_EQ(r->selectedText(), QString("0"));
            EXPECT_NE(Colore(2.5f, 2.5f), QColor(Qt::white));
            d->findChild<QPushButton*>("Applica")->click();
            EXPECT_EQ(Colore(2.5f, 2.5f), QColor(Qt::white));
            d->close();
        });
    EXPECT_NE(Colore(2.5f, 2.5f), QColor(Qt::white));
    EXPECT_TRUE(p().d == prima);
    EXPECT_FALSE(p().sessione.Modificato);
}

} // namespace
} // namespace vellora
