#include "shell/qt/GuidaFinestre.h"

#include "shell/PagineGuida.h"
#include "shell/qt/FinestraGuida.h"
#include "state/Programma.h"

#include <QApplication>
#include <QKeyEvent>

namespace vellora {

namespace {

// The focused widget or the nearest of its containers, within its window,
// that has a section: a box of a dialog, the coordinates panel docked in the
// main window, the comment in its area. Empty for none.
QString FinestraDi(const QWidget* w)
{
    for (; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (HaSezioneGuida(w->objectName().toStdString()))
            return w->objectName();
    return {};
}

} // namespace

GuidaFinestre::GuidaFinestre(const Programma& p, QWidget* principale)
    : QObject(principale), p_(p), principale_(principale)
{
    qApp->installEventFilter(this);
}

bool GuidaFinestre::eventFilter(QObject* oggetto, QEvent* e)
{
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress)
        return false;
    const auto* tasto = static_cast<QKeyEvent*>(e);
    if (tasto->key() != Qt::Key_F1 || tasto->modifiers() != Qt::NoModifier || !oggetto->isWidgetType())
        return false;
    const QString finestra = FinestraDi(static_cast<QWidget*>(oggetto));
    if (finestra.isEmpty())
        return false;
    // Taken from the main window's shortcut, which would open the index.
    e->accept();
    if (e->type() == QEvent::KeyPress)
        Mostra(finestra);
    return true;
}

void GuidaFinestre::Mostra(const QString& finestra)
{
    // A modal dialog blocks every window but its own: its help is its child,
    // to be read and scrolled while the dialog waits, and closes with it.
    QWidget* modale = QApplication::activeModalWidget();
    FinestraGuida::Di(modale ? modale : principale_)
        ->Mostra(QString::fromStdString(p_.sessione.PercorsoProgramma + std::string(PaginaDialoghi)), finestra);
}

} // namespace vellora
