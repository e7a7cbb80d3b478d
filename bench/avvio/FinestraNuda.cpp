// The yardstick of the start-up measure: a bare Qt main window with a menu
// bar, which ends as soon as it is up, as Vellora does with
// VELLORA_ESCI_DOPO_AVVIO set.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Esci"));
    finestra.resize(800, 600);
    finestra.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
