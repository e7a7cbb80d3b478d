#include "files/Recenti.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/DialoghiQt.h"
#include "shell/qt/FrmPrinc.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vellora {
namespace {

// Esc on "Salvare il disegno?" at exit cancels the exit: the program stays
// open with its drawing, still to be saved.
TEST(Uscita, EscSullaDomandaLasciaApertoIlProgramma)
{
    QTemporaryDir cartella;
    const std::string c = cartella.path().toStdString() + "/";
    DialoghiQt dialoghi;
    auto w = ApriProgramma(dialoghi, {c, c}, "");
    w->findChild<QAction*>("MnuFiguraMenuQuadrilateriQuadrato")->trigger();
    QString domanda;
    QStringList pulsanti;
    QTimer::singleShot(0, w.get(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        domanda = box->text();
        for (QAbstractButton* b : box->buttons())
            pulsanti << b->text().remove('&');
        QTest::keyClick(box, Qt::Key_Escape);
    });
    w->findChild<QAction*>("MnuFileEsci")->trigger();
    EXPECT_EQ(domanda, QString("Salvare il disegno?"));
    pulsanti.sort();
    EXPECT_EQ(pulsanti, (QStringList{"Annulla", "No", "Sì"}));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->StatoProgramma().d.NumeroFigure, 1);
    EXPECT_TRUE(w->StatoProgramma().sessione.Modificato);
    EXPECT_FALSE(w->StatoProgramma().sessione.InChiusura);
    EXPECT_FALSE(QFile::exists(cartella.filePath(QString::fromStdString(NomeFileRecenti))));
}

} // namespace
} // namespace vellora
