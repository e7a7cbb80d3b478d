#pragma once
// GUI tests only: the main window offscreen with a right triangle, a modal
// dialog used while its exec() runs, a popup menu used while it is open.
#include "Finti.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/FrmPrinc.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace vellora::test {

// The program's main window, its files in a folder of its own, with the
// right triangle (1,1) (1,4) (3,1) selected and the drawing not modified.
class FinestraProva : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    DialoghiFinti dialoghi;
    std::unique_ptr<FrmPrinc> w;

    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        const std::string c = cartella.path().toStdString() + "/";
        w = ApriProgramma(dialoghi, {c, c}, "");
        Azione("MnuFiguraMenuTriangoliRett")->trigger();
        p().sessione.Modificato = false;
    }
    Programma& p() { return w->StatoProgramma(); }
    QAction* Azione(const char* nome) { return w->findChild<QAction*>(nome); }
};

// Runs `apri`, which shows a modal dialog, and `usa` on that dialog once it
// is up; fails when it does not open within two seconds, and when `usa`
// leaves it open.
inline void ConDialogo(const char* nome, const std::function<void()>& apri, const std::function<void(QDialog*)>& usa)
{
    bool usato = false;
    int attese = 0;
    QTimer attesa;
    attesa.setInterval(10);
    QObject::connect(&attesa, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if ((!d || d->objectName() != nome) && ++attese < 200)
            return;
        attesa.stop();
        ASSERT_NE(d, nullptr);
        ASSERT_EQ(d->objectName(), QString(nome));
        usato = true;
        // An activation still queued when the dialog shows (the main window's,
        // as the popup menu that opened the dialog closes) may take the
        // focus away from it: the keys reach the dialog once the queue is
        // through and the dialog is active again.
        QTest::qWait(50);
        d->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d));
        usa(d);
        if (d->isVisible()) {
            ADD_FAILURE() << "still open";
            d->reject();
        }
    });
    attesa.start();
    apri();
    EXPECT_TRUE(usato);
}

// Waits for the menu `nome` to pop up and presses `tasto` in it.
inline void PremiNelMenu(const char* nome, Qt::Key tasto)
{
    ASSERT_TRUE(QTest::qWaitFor([nome] {
        QWidget* menu = QApplication::activePopupWidget();
        return menu && menu->objectName() == nome;
    }));
    QTest::keyClick(QApplication::activePopupWidget(), tasto);
}

} // namespace vellora::test
