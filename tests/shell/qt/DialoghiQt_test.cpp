#include "shell/qt/DialoghiQt.h"
#include "shell/qt/StampaQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace vellora {
namespace {

struct Visto {
    QString titolo;
    QString testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QStringList pulsanti;
};

// Opens the box, notes what it shows, presses the button named premere (access key removed).
Risposta Rispondi(Icona icona, Pulsanti pulsanti, const QString& premere, Visto& visto)
{
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        visto.titolo = box->windowTitle();
        visto.testo = box->text();
        visto.icona = box->icon();
        QAbstractButton* scelto = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            const QString t = b->text().remove('&');
            visto.pulsanti << t;
            if (t == premere)
                scelto = b;
        }
        if (scelto)
            scelto->click();
        else
            box->reject();
    });
    DialoghiQt dialoghi;
    return dialoghi.Messaggio("Salvare il disegno?", icona, pulsanti);
}

TEST(DialoghiQt, PulsantiItalianiERisposte)
{
    struct Caso {
        Icona icona;
        Pulsanti pulsanti;
        const char* premere;
        QMessageBox::Icon iconaQt;
        QStringList attesi;
        Risposta risposta;
    };
    const Caso casi[] = {
        {Icona::Stop, Pulsanti::Ok, "OK", QMessageBox::Critical, {"OK"}, Risposta::Ok},
        {Icona::Esclamazione,
         Pulsanti::OkAnnulla,
         "Annulla",
         QMessageBox::Warning,
         {"OK", "Annulla"},
         Risposta::Annulla},
        {Icona::Informazione, Pulsanti::SiNo, "No", QMessageBox::Information, {"Sì", "No"}, Risposta::No},
        {Icona::Esclamazione, Pulsanti::SiNoAnnulla, "Sì", QMessageBox::Warning, {"Sì", "No", "Annulla"}, Risposta::Si},
    };
    for (const Caso& c : casi) {
        Visto visto;
        EXPECT_EQ(Rispondi(c.icona, c.pulsanti, QString::fromUtf8(c.premere), visto), c.risposta) << c.premere;
        EXPECT_EQ(visto.titolo, QString("Vellora"));
        EXPECT_EQ(visto.testo, QString("Salvare il disegno?"));
        EXPECT_EQ(visto.icona, c.iconaQt);
        QStringList ordinati = visto.pulsanti, attesi = c.attesi;
        ordinati.sort();
        attesi.sort();
        EXPECT_EQ(ordinati, attesi);
    }
}

} // namespace
} // namespace vellora
