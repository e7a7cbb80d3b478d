// The yardstick of the start-up measure: a bare Qt main window with a menu
// bar, which ends as Vellora does with VELLORA_ESCI_DOPO_AVVIO set.
#include "shell/qt/EsciDopoAvvio.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Esci"));
    finestra.resize(800, 600);
    finestra.show();
    vellora::EsciDopoAvvio(finestra);
    return app.exec();
}
