// The help explains every menu item, button and command-line option; its links and pictures lead somewhere.
#include "files/ComandiDisegno.h"
#include "files/FileFigura.h"
#include "files/Recenti.h"
#include "macro/Editor.h"
#include "print/DialogoStampa.h"
#include "shell/Batch.h"
#include "shell/qt/Azioni.h"
#include "state/Registratore.h"
#include "state/TestiVista.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vellora {
namespace {

const QDir Aiuto{QStringLiteral(VELLORA_AIUTO)};

QString Sorgente(const QString& pagina)
{
    QFile f(Aiuto.filePath(pagina));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList Pagine()
{
    return Aiuto.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// Every page's text as the help window lays it out, white space (non-breaking too) made single.
const QString& TestoDellaGuida()
{
    static const QString testo = [] {
        QString tutto;
        for (const QString& pagina : Pagine()) {
            QTextDocument documento;
            documento.setHtml(Sorgente(pagina));
            tutto += documento.toPlainText() + QLatin1Char('\n');
        }
        return tutto.simplified();
    }();
    return testo;
}

void DeveComparire(const QString& atteso, Qt::CaseSensitivity maiuscole = Qt::CaseSensitive)
{
    EXPECT_TRUE(TestoDellaGuida().contains(atteso.simplified(), maiuscole))
        << "manca nella guida: " << atteso.toStdString();
}

TEST(Guida, SpiegaOgniVoceDeiMenuConLaSuaScorciatoia)
{
    for (const DefinizioneAzione& d : TabellaAzioni()) {
        if (d.posto != Posto::Menu && d.posto != Posto::Comando)
            continue;
        DeveComparire(QString::fromUtf8(d.didascalia).remove(QLatin1Char('&')));
        if (*d.scorciatoia)
            DeveComparire(QString::fromUtf8(d.scorciatoia));
    }
}

// A button's name: its tooltip up to the first ';', without a leading "Clic: ".
TEST(Guida, NominaOgniPulsanteComeIlSuoSuggerimento)
{
    for (const DefinizioneAzione& d : TabellaAzioni()) {
        if (d.posto != Posto::Laterale && d.posto != Posto::Inferiore)
            continue;
        QString nome = QString::fromUtf8(d.suggerimento).section(QLatin1Char(';'), 0, 0).trimmed();
        nome.remove(QRegularExpression(QStringLiteral("^Clic: ")));
        DeveComparire(nome, Qt::CaseInsensitive);
    }
}

TEST(Guida, SpiegaOgniOpzioneEOgniFormatoDellaRigaDiComando)
{
    const QString uso = QString::fromStdString(UsoBatch);
    // An option "--name" or a file extension ".ext" of the usage text.
    const QRegularExpression parola(QStringLiteral(R"(--[a-z]+|\.[a-z]{3}\b)"));
    int trovate = 0;
    for (auto m = parola.globalMatch(uso); m.hasNext(); ++trovate)
        DeveComparire(m.next().captured());
    EXPECT_GE(trovate, 10) << "the usage text has changed shape";
}

TEST(Guida, NominaIFileEIMessaggiCheIlProgrammaUsa)
{
    const std::string testi[] = {NomeFileRecenti, NomeCopiaLavoro, AvvisoPausaMacro};
    for (const std::string& t : testi)
        DeveComparire(QString::fromStdString(t));
    // The extension after the '|' of a file dialog's filter: "*.geo" gives ".geo".
    const std::string filtri[] = {FiltroDisegno, FiltroFigura, FiltroMacro, FiltroPdf};
    for (const std::string& f : filtri)
        DeveComparire(QString::fromStdString(f.substr(f.find("|*") + 2)));
}

struct Collegamento {
    QString pagina;    // where it is written
    QString obiettivo; // href or src as written
};

std::vector<Collegamento> Collegamenti()
{
    const QRegularExpression attributo(QStringLiteral(R"re(<(?:a|img)\s[^>]*\b(?:href|src)="([^"]*)")re"));
    std::vector<Collegamento> tutti;
    for (const QString& pagina : Pagine())
        for (auto m = attributo.globalMatch(Sorgente(pagina)); m.hasNext();)
            tutti.push_back({pagina, m.next().captured(1)});
    return tutti;
}

bool HaAncora(const QString& pagina, const QString& ancora)
{
    const QString s = Sorgente(pagina);
    return s.contains(QStringLiteral("name=\"%1\"").arg(ancora)) || s.contains(QStringLiteral("id=\"%1\"").arg(ancora));
}

// Links to the web are left to the browser.
TEST(Guida, OgniCollegamentoEOgniImmaginePortaAQualcosa)
{
    const auto tutti = Collegamenti();
    ASSERT_GE(tutti.size(), 50u);
    int immagini = 0;
    for (const Collegamento& c : tutti) {
        if (c.obiettivo.contains(QLatin1Char(':')))
            continue;
        const QString file = c.obiettivo.section(QLatin1Char('#'), 0, 0);
        const QString ancora = c.obiettivo.section(QLatin1Char('#'), 1);
        const QString destinazione = file.isEmpty() ? c.pagina : file;
        const std::string dove = (c.pagina + QStringLiteral(" -> ") + c.obiettivo).toStdString();
        ASSERT_TRUE(Aiuto.exists(destinazione)) << dove;
        if (destinazione.endsWith(QLatin1String(".png")))
            ++immagini;
        if (!ancora.isEmpty()) {
            EXPECT_TRUE(HaAncora(destinazione, ancora)) << dove;
        }
    }
    EXPECT_GE(immagini, 8);
}

TEST(Guida, OgniPaginaPortaAlleFinestreDiDialogo)
{
    for (const QString& pagina : Pagine()) {
        if (pagina == QLatin1String("dialoghi.html"))
            continue;
        EXPECT_TRUE(Sorgente(pagina).contains(QLatin1String("<a href=\"dialoghi.html\">Le finestre di dialogo</a>")))
            << pagina.toStdString();
    }
}

} // namespace
} // namespace vellora
