// The comment window's document and the runs its file stores.
#include "files/qt/DocumentoRicco.h"

#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace vellora {
namespace {

const StileTesto Grassetto14Rosso{true, false, false, {255, 0, 0}, 14};
const StileTesto CorsivoSottolineatoBlu{false, true, true, {0, 0, 128}, 9};

TEST(DocumentoRicco, IlTestoFormattatoTieneTestoEAttributi)
{
    QTextDocument documento;
    QFont carattere = documento.defaultFont();
    carattere.setPointSize(10);
    documento.setDefaultFont(carattere);
    QTextCursor c(&documento);
    c.insertText(QString::fromUtf8("Il lato è √2"), FormatoDaStile(Grassetto14Rosso));
    c.insertBlock();
    c.insertText(QStringLiteral("ma"), FormatoDaStile(CorsivoSottolineatoBlu));
    c.insertText(QStringLiteral(" non solo"), QTextCharFormat()); // as typed: nothing set

    const TestoRicco atteso = {
        {"Il lato è √2\n", Grassetto14Rosso},
        {"ma", CorsivoSottolineatoBlu},
        {" non solo", StileTesto{}}, // the document's default size, black
    };
    EXPECT_EQ(TestoDaDocumento(documento), atteso);
    // A selection across the paragraph break.
    EXPECT_EQ(TestoDaDocumento(documento, 11, 15),
              (TestoRicco{{"2\n", Grassetto14Rosso}, {"ma", CorsivoSottolineatoBlu}}));

    QTextDocument copia;
    copia.setDefaultFont(carattere);
    DocumentoDaTesto(copia, atteso);
    EXPECT_EQ(TestoDaDocumento(copia), atteso);

    DocumentoDaTesto(copia, {});
    EXPECT_TRUE(copia.isEmpty());
    EXPECT_TRUE(TestoDaDocumento(copia).empty());
}

} // namespace
} // namespace vellora
