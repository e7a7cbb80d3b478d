#pragma once
// F1 in a window with a help section of its own (shell/PagineGuida.h) opens
// that section; everywhere else F1 stays "Guida a Vellora", the index.
#include <QObject>

class QWidget;

namespace vellora {

class Programma;

class GuidaFinestre : public QObject {
    Q_OBJECT
public:
    // Watches the keys of the whole application; the help of a window that
    // is not modal is the main window's.
    GuidaFinestre(const Programma& p, QWidget* principale);

protected:
    bool eventFilter(QObject* oggetto, QEvent* e) override;

private:
    void Mostra(const QString& finestra);

    const Programma& p_;
    QWidget* principale_;
};

} // namespace vellora
