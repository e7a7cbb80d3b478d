#pragma once
// The help window: the program's HTML pages, with their links, in a browser
// window of its own beside the main window.
#include <QTextBrowser>

namespace vellora {

class FinestraGuida : public QTextBrowser {
    Q_OBJECT
public:
    explicit FinestraGuida(QWidget* parent = nullptr);
    // The help window of `padre`, made on first use.
    static FinestraGuida* Di(QWidget* padre);
    // Shows the page, at the anchor when one is given, and brings the
    // window to the front.
    void Mostra(const QString& percorso, const QString& ancora = {});

protected:
    void doSetSource(const QUrl& nome, QTextDocument::ResourceType tipo) override;
};

} // namespace vellora
