#include "shell/Avvio.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/DialoghiQt.h"
#include "shell/qt/EsciDopoAvvio.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/ModalitaBatch.h"
#include "shell/qt/StileVellora.h"

#include <QApplication>
#include <QToolBar>

int main(int argc, char** argv)
{
    if (const int esito = vellora::EseguiSeBatch(argc, argv); esito >= 0)
        return esito;
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vellora"));
    vellora::CaricaTraduzioniQt(app);
    QApplication::setStyle(new vellora::StileVellora);

    vellora::DialoghiQt dialoghi;
    if (!vellora::SchermoAdeguato()) {
        dialoghi.Messaggio(vellora::MessaggioSchermo, vellora::Icona::Stop, vellora::Pulsanti::Ok);
        return 1;
    }
    auto finestra = vellora::ApriProgramma(dialoghi, vellora::CartelleDiSistema(),
                                           vellora::RigaDiComando(QCoreApplication::arguments()));
    dialoghi.ImpostaBarraLaterale(finestra->findChild<QToolBar*>(QStringLiteral("BarraLaterale")));
    vellora::EsciDopoAvvio(*finestra);
    return app.exec();
}
