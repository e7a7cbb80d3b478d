#include "state/qt/Pulsanti.h"

#include "state/Selettori.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace vellora {

QPushButton* NuovoPulsante(QWidget* padre, const QString& nome, const char* didascalia)
{
    auto* b = new QPushButton(QString::fromUtf8(didascalia), padre);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* RigaSelettori(QWidget* padre, const char* suffisso, const std::function<void(int)>& scelto)
{
    auto* riga = new QHBoxLayout;
    riga->setSpacing(2);
    for (int k = 1; k <= NumeroSelettori; ++k) {
        const QString nome = QStringLiteral("Cmd%1%2").arg(QChar('A' + k - 1)).arg(QString::fromUtf8(suffisso));
        QPushButton* b = NuovoPulsante(padre, nome, DidascalieSelettori[k - 1]);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 12);
        QObject::connect(b, &QPushButton::clicked, padre, [scelto, k] { scelto(k); });
        riga->addWidget(b);
    }
    riga->addStretch();
    return riga;
}

} // namespace vellora
