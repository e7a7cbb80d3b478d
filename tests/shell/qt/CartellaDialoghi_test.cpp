// The file dialog opens where the user last chose a file, and recent.dat
// keeps that folder for the next run.
#include "Finti.h"
#include "files/Recenti.h"
#include "shell/Avvio.h"
#include "shell/qt/DialoghiQt.h"
#include "shell/qt/StampaQt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace vellora {
namespace {

TEST(CartellaDialoghi, SiApreDoveFuSceltoLUltimoFile)
{
    const QString iniziale = QDir::currentPath();
    QTemporaryDir avvio, lavori;
    QFile disegno(lavori.filePath("a.geo"));
    ASSERT_TRUE(disegno.open(QIODevice::WriteOnly));
    disegno.close();
    QDir::setCurrent(avvio.path());
    DialoghiQt dialoghi;
    // Notes the folder the dialog shows, then chooses the file (or cancels).
    QString aperta;
    const auto scegli = [&](const QString& file) {
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            aperta = d->directory().absolutePath();
            if (file.isEmpty())
                return d->reject();
            d->selectFile(file);
            static_cast<QDialog*>(d)->accept(); // QFileDialog::accept checks the file
        });
        return dialoghi.ScegliFile({RichiestaFile::Apri, "Apre disegno", "", "Disegno di Vellora (*.geo)|*.geo"});
    };
    EXPECT_EQ(scegli(lavori.filePath("a.geo")), lavori.filePath("a.geo").toStdString());
    EXPECT_EQ(aperta, avvio.path());
    EXPECT_EQ(scegli(QString()), std::nullopt);
    EXPECT_EQ(aperta, lavori.path());

    test::Banco b;
    b.p.CartellaDati = avvio.path().toStdString() + "/";
    Termina(b.p);
    QDir::setCurrent(iniziale);
    const auto recenti = LeggiRecenti(b.p.CartellaDati + NomeFileRecenti);
    ASSERT_TRUE(recenti);
    EXPECT_EQ(recenti->Cartella, lavori.path().toStdString());
}

} // namespace
} // namespace vellora
