// The range and scale dialogs on the real main window, offscreen, with the
// keyboard alone: their shortcut, Alt and the underlined letters, Enter.
#include "FinestraProva.h"

#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace vellora {
namespace {

using test::ConDialogo;

class RangeScala : public test::FinestraProva {
protected:
    void Apri(const char* dialogo, Qt::Key tasto, const std::function<void(QDialog*)>& usa)
    {
        ConDialogo(
            dialogo,
            [&] {
                w->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
                QTest::keyClick(w.get(), tasto, Qt::ControlModifier);
            },
            usa);
    }
    // The key goes where the dialog's focus is, as a typed key would.
    static void Premi(Qt::Key tasto, Qt::KeyboardModifiers modificatori = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), tasto, modificatori);
    }
    // A button's letter shows the button pressed for a moment, then clicks.
    static void PremiPulsante(Qt::Key lettera)
    {
        Premi(lettera, Qt::AltModifier);
        QTest::qWait(200);
    }
};

TEST_F(RangeScala, RangeConLaTastiera)
{
    const int range = p().d.Range;
    Apri("FrmRange", Qt::Key_N, [&](QDialog* d) {
        PremiPulsante(Qt::Key_I); // Incrementa
        EXPECT_EQ(d->findChild<QLineEdit*>("Text1")->text(), QString::number(range + 1));
        PremiPulsante(Qt::Key_N); // the grid: No
        EXPECT_TRUE(d->findChild<QRadioButton*>("Option2")->isChecked());
        Premi(Qt::Key_R, Qt::AltModifier); // the box
        EXPECT_EQ(QApplication::focusWidget(), d->findChild<QLineEdit*>("Text1"));
        Premi(Qt::Key_Return);
    });
    EXPECT_EQ(std::tuple(p().d.Range, p().d.TipoGriglia), std::tuple(range + 1, 2));
    EXPECT_TRUE(p().sessione.Modificato);
}

TEST_F(RangeScala, ScalaConLaTastieraEscLasciaTutto)
{
    Apri("FrmScala", Qt::Key_S, [&](QDialog*) {
        Premi(Qt::Key_Y, Qt::AltModifier);
        Premi(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "2");
        Premi(Qt::Key_Return);
    });
    EXPECT_EQ(std::tuple(p().d.ScalaX, p().d.ScalaY), std::tuple(1.0f, 2.0f));

    p().sessione.Modificato = false;
    Apri("FrmScala", Qt::Key_S, [&](QDialog* d) {
        PremiPulsante(Qt::Key_R); // Riduce: both axes
        EXPECT_EQ(d->findChild<QLineEdit*>("Text2")->text(), QString("4"));
        Premi(Qt::Key_Escape);
    });
    EXPECT_EQ(std::tuple(p().d.ScalaX, p().d.ScalaY, p().sessione.Modificato), std::tuple(1.0f, 2.0f, false));
}

} // namespace
} // namespace vellora
