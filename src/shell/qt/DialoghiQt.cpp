#include "shell/qt/DialoghiQt.h"

#include "shell/Programma.h"

#include <QApplication>
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

// A box closed without a button (the window manager's close) counts as the
// most cautious answer the box offers.
Risposta RispostaPrudente(Pulsanti pulsanti)
{
    switch (pulsanti) {
    case Pulsanti::OkAnnulla:
    case Pulsanti::SiNoAnnulla:
        return Risposta::Annulla;
    case Pulsanti::SiNo:
        return Risposta::No;
    case Pulsanti::Ok:
        break;
    }
    return Risposta::Ok;
}

} // namespace

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
