#include "state/qt/DialogoCaselle.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace vellora {

DialogoCaselle::DialogoCaselle(const char* nome, const char* titolo, QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::fromUtf8(nome));
    setWindowTitle(QString::fromUtf8(titolo));
    setModal(true);
}

// Showing a dialog selects the text of its focused box; the caret goes after
// the last character instead, as after typing.
void DialogoCaselle::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (auto* casella = qobject_cast<QLineEdit*>(focusWidget()); visible && casella)
        casella->end(false);
}

void DialogoCaselle::AdattaAlTitolo()
{
    QFont grassetto = font();
    grassetto.setBold(true);
    setMinimumWidth(QFontMetrics(grassetto).horizontalAdvance(windowTitle()) * 4 / 3 + 100);
}

void DialogoCaselle::Esegui(std::vector<std::string>& testi, const std::function<void()>& comando)
{
    for (size_t i = 0; i < caselle_.size(); ++i)
        testi[i] = caselle_[i]->text().toStdString();
    comando();
    for (size_t i = 0; i < caselle_.size(); ++i) {
        const QString testo = QString::fromStdString(testi[i]);
        if (caselle_[i]->text() != testo)
            caselle_[i]->setText(testo);
    }
}

void DialogoCaselle::Conferma(std::vector<std::string>& testi, const int& errata, bool chiudi,
                              const std::function<bool()>& comando)
{
    bool accettato = false;
    Esegui(testi, [&] { accettato = comando(); });
    if (accettato) {
        if (chiudi)
            accept();
        return;
    }
    // The refused box, selected, ready to be typed again.
    if (errata >= 0) {
        QLineEdit* casella = caselle_[static_cast<size_t>(errata)];
        casella->setFocus();
        casella->selectAll();
    }
}

} // namespace vellora
