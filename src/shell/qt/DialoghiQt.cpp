#include "shell/qt/DialoghiQt.h"

#include "state/Programma.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace vellora {

namespace {

QMessageBox::Icon IconaQt(Icona icona)
{
    switch (icona) {
    case Icona::Esclamazione:
        return QMessageBox::Warning;
    case Icona::Informazione:
        return QMessageBox::Information;
    case Icona::Stop:
        break;
    }
    return QMessageBox::Critical;
}

QMessageBox::StandardButtons PulsantiQt(Pulsanti pulsanti)
{
    switch (pulsanti) {
    case Pulsanti::OkAnnulla:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Pulsanti::SiNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Pulsanti::SiNoAnnulla:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Pulsanti::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// "Disegno di Vellora (*.geo)|*.geo" -> "Disegno di Vellora (*.geo)".
QString FiltroQt(const std::string& filtro)
{
    const QString f = QString::fromStdString(filtro);
    return f.section(QLatin1Char('|'), 0, 0);
}

// "(*.geo)" -> "geo", for the name typed without its extension.
QString EstensioneDi(const std::string& filtro)
{
    const QString f = QString::fromStdString(filtro);
    const int inizio = f.lastIndexOf(QLatin1String("*."));
    return inizio < 0 ? QString() : f.mid(inizio + 2).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(';'), 0, 0);
}

// The windows repaint meanwhile, but a key or a click stays queued until the
// command that showed the dialog has ended: run now, it would start a second
// command inside the first (F7 during a Save as would write the other
// drawing into the file just chosen).
void AttendiEventi(int millisecondi)
{
    QElapsedTimer orologio;
    orologio.start();
    while (orologio.elapsed() < millisecondi)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
}

} // namespace

std::optional<std::string> DialoghiQt::ScegliFile(const RichiestaFile& r)
{
    // It opens in the working folder, which is the folder of the file last
    // chosen (or the one the start-up chose), unless the initial name has a
    // folder of its own.
    QFileDialog dialogo(QApplication::activeWindow(), QString::fromStdString(r.titolo), QDir::currentPath(),
                        FiltroQt(r.filtro));
    dialogo.setOption(QFileDialog::DontUseNativeDialog, false);
    if (r.tipo == RichiestaFile::Salva) {
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setFileMode(QFileDialog::AnyFile);
        dialogo.setDefaultSuffix(EstensioneDi(r.filtro));
    } else {
        dialogo.setAcceptMode(QFileDialog::AcceptOpen);
        dialogo.setFileMode(QFileDialog::ExistingFile);
    }
    if (!r.nomeIniziale.empty())
        dialogo.selectFile(QFile::decodeName(QByteArray::fromStdString(r.nomeIniziale)));
    if (barraLaterale_)
        barraLaterale_->setEnabled(false);
    const bool scelto = dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty();
    AttendiEventi(200);
    if (barraLaterale_)
        barraLaterale_->setEnabled(true);
    if (!scelto)
        return std::nullopt;
    // The chosen file's folder becomes the working folder: the next dialog
    // opens there, and recent.dat keeps it for the next run.
    const QString file = dialogo.selectedFiles().constFirst();
    QDir::setCurrent(QFileInfo(file).absolutePath());
    return QFile::encodeName(file).toStdString();
}

Risposta DialoghiQt::Messaggio(const std::string& testo, Icona icona, Pulsanti pulsanti)
{
    QMessageBox box(IconaQt(icona), QString::fromStdString(vellora::TitoloProgramma), QString::fromStdString(testo),
                    PulsantiQt(pulsanti), QApplication::activeWindow());
    // The first button is the default one, as the user expects from Enter.
    box.setDefaultButton(pulsanti == Pulsanti::SiNo || pulsanti == Pulsanti::SiNoAnnulla ? QMessageBox::Yes
                                                                                         : QMessageBox::Ok);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return Risposta::Ok;
    case QMessageBox::Yes:
        return Risposta::Si;
    case QMessageBox::No:
        return Risposta::No;
    case QMessageBox::Cancel:
        return Risposta::Annulla;
    default:
        return RispostaPrudente(pulsanti);
    }
}

} // namespace vellora
