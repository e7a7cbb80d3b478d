#include "shell/qt/AvvioQt.h"

#include "shell/Avvio.h"
#include "shell/qt/FrmPrinc.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>
#include <cmath>

namespace vellora {

namespace {
std::string ConBarra(const QString& cartella)
{
    QString c = QDir::fromNativeSeparators(cartella);
    if (!c.endsWith(QLatin1Char('/')))
        c += QLatin1Char('/');
    return c.toStdString();
}
} // namespace

CartelleProgramma CartelleDiSistema()
{
    const QString programma = QCoreApplication::applicationDirPath();
    QString dati = programma;
    if (!QFileInfo(programma).isWritable()) {
        dati = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(dati);
    }
    return {ConBarra(programma), ConBarra(dati)};
}

std::string RigaDiComando(const QStringList& argomenti)
{
    QString riga = argomenti.mid(1).join(QLatin1Char(' '));
    // The start-up may change the working folder before it opens the drawing,
    // so a relative path is made absolute now; quotes stay as typed.
    const bool virgolette = riga.size() >= 2 && riga.startsWith(QLatin1Char('"')) && riga.endsWith(QLatin1Char('"'));
    const QString percorso = virgolette ? riga.mid(1, riga.size() - 2) : riga;
    if (!percorso.isEmpty() && QFileInfo(percorso).isRelative()) {
        const QString assoluto = QFileInfo(percorso).absoluteFilePath();
        riga = virgolette ? QLatin1Char('"') + assoluto + QLatin1Char('"') : assoluto;
    }
    return riga.toStdString();
}

void CaricaTraduzioniQt(QApplication& app)
{
    auto* traduttore = new QTranslator(&app);
    if (traduttore->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduttore);
    else
        delete traduttore;
}

bool SchermoAdeguato()
{
    const QScreen* schermo = QGuiApplication::primaryScreen();
    if (!schermo)
        return false;
    const QSize punti = schermo->size();
    const double rapporto = schermo->devicePixelRatio();
    return SchermoSufficiente(static_cast<int>(std::lround(punti.width() * rapporto)),
                              static_cast<int>(std::lround(punti.height() * rapporto)));
}

std::unique_ptr<FrmPrinc> ApriProgramma(Dialoghi& dialoghi, const CartelleProgramma& cartelle,
                                        const std::string& rigaComando)
{
    auto finestra = std::make_unique<FrmPrinc>(dialoghi);
    Programma& p = finestra->StatoProgramma();
    Inizializza(p, cartelle.programma, cartelle.dati, rigaComando);
    // Laid out once at the size it will have: the maximised window then needs
    // no second layout and redraw when the window manager maximises it.
    if (const QScreen* schermo = finestra->screen())
        finestra->resize(schermo->availableGeometry().size());
    finestra->showMaximized();
    if (MostraTitoloAllAvvio(p))
        finestra->MostraTitolo();
    AvviaFinestra(p);
    return finestra;
}

} // namespace vellora
