// The printed page written to PDF, offscreen, through the print dialog when
// no printer is there; the command-line tests export it directly, and fail.
#include "Finti.h"
#include "print/qt/FrmStampaDisegno.h"
#include "print/qt/StampanteQt.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vellora;

namespace {

qsizetype Pagine(const QString& file)
{
    QFile f(file);
    const QByteArray pdf = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    EXPECT_TRUE(pdf.startsWith("%PDF")) << file.toStdString();
    return pdf.count("/Type /Page\n");
}

TEST(Stampa, DueCopieVerticaliDalDialogo)
{
    test::Banco b;
    QTemporaryDir cartella;
    const float x[] = {1, 4, 1}, y[] = {1, 1, 5};
    AggiungiFigura(b.p.d, 3, x, y);
    b.dialoghi.fileScelti.push_back(cartella.filePath("copie.pdf").toStdString());
    StampanteQt st{std::string()};
    FrmStampaDisegno w(b.p, st);
    w.show();
    EXPECT_EQ(w.findChild<QLabel*>("NomeStampante")->text(), "Stampante: file PDF");
    EXPECT_TRUE(w.findChild<QRadioButton*>("OptStampaOriz")->isChecked());
    auto* combo = w.findChild<QComboBox*>("Combo1");
    EXPECT_EQ(combo->currentText(), "100%");

    // With the keyboard alone: the underlined letters, the arrows, Enter.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const auto premi = [](Qt::Key tasto, Qt::KeyboardModifiers modificatori = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), tasto, modificatori);
    };
    premi(Qt::Key_N, Qt::AltModifier);
    premi(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "2");
    premi(Qt::Key_F, Qt::AltModifier);
    for (int i = 0; i < 5; ++i) // from 100% to 50%
        premi(Qt::Key_Up);
    premi(Qt::Key_V, Qt::AltModifier);
    QTest::qWait(200);                                          // a button's letter clicks it after showing it pressed
    EXPECT_EQ(st.LeggiOrientamento(), Orientamento::Verticale); // the printer turns at once
    premi(Qt::Key_Return);
    ASSERT_EQ(b.dialoghi.richiesteFile.size(), 1u);
    EXPECT_EQ(std::tuple(w.result(), w.Dialogo().FattoreStampa, b.dialoghi.richiesteFile[0].nomeIniziale,
                         Pagine(cartella.filePath("copie.pdf")), b.dialoghi.messaggi.size()),
              std::tuple(QDialog::Accepted, 0.5f, "Senza nome.pdf", 2, 0u));
}

} // namespace
