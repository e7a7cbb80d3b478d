#include "shell/qt/FinestraGuida.h"

#include "state/Programma.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace vellora {

FinestraGuida::FinestraGuida(QWidget* parent) : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("FinestraGuida"));
    setWindowTitle(QStringLiteral("Guida di Vellora"));
    setOpenExternalLinks(true);
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize disponibile = schermo ? schermo->availableSize() : QSize(LarghezzaPredefinita, AltezzaPredefinita);
    resize(std::min(760, disponibile.width() * 3 / 4), disponibile.height() * 4 / 5);
}

FinestraGuida* FinestraGuida::Di(QWidget* padre)
{
    auto* guida = padre->findChild<FinestraGuida*>(QString(), Qt::FindDirectChildrenOnly);
    return guida ? guida : new FinestraGuida(padre);
}

void FinestraGuida::Mostra(const QString& percorso, const QString& ancora)
{
    QUrl pagina = QUrl::fromLocalFile(percorso);
    if (!ancora.isEmpty())
        pagina.setFragment(ancora);
    setSource(pagina);
    show();
    raise();
    activateWindow();
}

void FinestraGuida::doSetSource(const QUrl& nome, QTextDocument::ResourceType tipo)
{
    // A page that is not there (a help folder not installed, a broken link)
    // says which file it looked for instead of showing a blank window.
    const QUrl assoluto = source().resolved(nome);
    if (assoluto.isLocalFile() && !QFileInfo::exists(assoluto.toLocalFile())) {
        setHtml(QStringLiteral("<h3>Pagina della guida non trovata</h3>"
                               "<p>Non è stato trovato il file <b>%1</b>.</p>")
                    .arg(assoluto.toLocalFile().toHtmlEscaped()));
        return;
    }
    QTextBrowser::doSetSource(nome, tipo);
}

} // namespace vellora
