#pragma once
// The help window: the program's HTML pages, with their links, in a browser
// window of its own beside the main window.
#include <QTextBrowser>

namespace vellora {

class FinestraGuida : public QTextBrowser {
    Q_OBJECT
public:
    explicit FinestraGuida(QWidget* parent = nullptr);
    // Shows the page and brings the window to the front.
    void Mostra(const QString& percorso);

protected:
    void doSetSource(const QUrl& nome, QTextDocument::ResourceType tipo) override;
};

} // namespace vellora
