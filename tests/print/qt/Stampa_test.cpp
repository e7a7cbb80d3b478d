// The printed page written to PDF, offscreen: directly, and through the print
// dialog when no printer is there.
#include "Finti.h"
#include "print/qt/FrmStampaDisegno.h"
#include "print/qt/Stampa.h"
#include "print/qt/StampanteQt.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace vellora {
namespace {

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

qsizetype Pagine(const QByteArray& pdf)
{
    return pdf.count("/Type /Page\n");
}

struct ConTriangolo {
    test::Banco b;
    QTemporaryDir cartella;
    ConTriangolo()
    {
        const float x[] = {1, 4, 1}, y[] = {1, 1, 5};
        AggiungiFigura(b.p.m, 3, x, y);
    }
    QString File(const char* nome) const { return cartella.filePath(nome); }
};

TEST(EsportaPdf, ScriveLaPaginaDelDisegno)
{
    ConTriangolo t;
    ASSERT_TRUE(t.cartella.isValid());
    ASSERT_TRUE(EsportaPdf(t.b.p, t.File("triangolo.pdf")));
    const QByteArray pdf = Leggi(t.File("triangolo.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 2000);
    EXPECT_EQ(Pagine(pdf), 1);

    EXPECT_FALSE(EsportaPdf(t.b.p, t.File("manca/triangolo.pdf")));
}

TEST(FrmStampaDisegno, ControlliDelDialogo)
{
    test::Banco b;
    StampanteQt st{QString()};
    FrmStampaDisegno w(b.p, st);
    EXPECT_EQ(w.windowTitle(), "Stampa disegno");
    const std::pair<const char*, QString> testi[] = {{"Label1", "Numero copie:"},
                                                     {"NomeStampante", "Stampante: file PDF"},
                                                     {"Frame1", "Orientamento pagina"},
                                                     {"Frame2", "Fattore di scala"},
                                                     {"CmdStampa", "Stampa"},
                                                     {"CmdAnnulla", "Annulla"},
                                                     {"OptStampaVert", "Verticale"},
                                                     {"OptStampaOriz", "Orizzontale"},
                                                     {"TxtNumCopie", "1"}};
    for (const auto& [nome, testo] : testi) {
        QWidget* c = w.findChild<QWidget*>(nome);
        ASSERT_TRUE(c) << nome;
        QString letto = c->property("text").toString();
        if (auto* g = qobject_cast<QGroupBox*>(c))
            letto = g->title();
        EXPECT_EQ(letto, testo) << nome;
    }
    EXPECT_TRUE(w.findChild<QRadioButton*>("OptStampaOriz")->isChecked());
    auto* combo = w.findChild<QComboBox*>("Combo1");
    ASSERT_EQ(combo->count(), 10);
    EXPECT_EQ(combo->itemText(0), "10%");
    EXPECT_EQ(combo->currentText(), "100%");
}

TEST(FrmStampaDisegno, DueCopieVerticaliInUnPdf)
{
    ConTriangolo t;
    t.b.dialoghi.fileScelti.push_back(t.File("copie.pdf").toStdString());
    StampanteQt st{QString()};
    FrmStampaDisegno w(t.b.p, st);
    w.show();
    w.findChild<QLineEdit*>("TxtNumCopie")->setText("2");
    w.findChild<QComboBox*>("Combo1")->setCurrentIndex(4);
    QTest::mouseClick(w.findChild<QRadioButton*>("OptStampaVert"), Qt::LeftButton);
    EXPECT_EQ(st.LeggiOrientamento(), Orientamento::Verticale); // the printer turns at once
    QTest::mouseClick(w.findChild<QPushButton*>("CmdStampa"), Qt::LeftButton);

    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(w.Dialogo().FattoreStampa, 0.5f);
    ASSERT_EQ(t.b.dialoghi.richiesteFile.size(), 1u);
    const QByteArray pdf = Leggi(t.File("copie.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(Pagine(pdf), 2);
    EXPECT_TRUE(t.b.dialoghi.messaggi.empty());
}

} // namespace
} // namespace vellora
