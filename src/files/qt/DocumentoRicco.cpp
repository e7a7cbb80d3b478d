#include "files/qt/DocumentoRicco.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace vellora {

namespace {

void Accoda(TestoRicco& testo, const QString& pezzo, const StileTesto& stile)
{
    if (pezzo.isEmpty())
        return;
    std::string utf8 = pezzo.toStdString();
    if (!testo.empty() && testo.back().stile == stile)
        testo.back().testo += utf8;
    else
        testo.push_back({std::move(utf8), stile});
}

// A line break typed with Shift+Enter counts as a paragraph break; the
// placeholder of an embedded object is not text.
QString TestoSemplice(QString s)
{
    s.replace(QChar::LineSeparator, QLatin1Char('\n'));
    s.remove(QChar::ObjectReplacementCharacter);
    return s;
}

} // namespace

StileTesto StileDaFormato(const QTextCharFormat& formato, const QFont& predefinito)
{
    StileTesto s;
    s.grassetto = formato.fontWeight() >= QFont::DemiBold;
    s.corsivo = formato.fontItalic();
    s.sottolineato = formato.fontUnderline();
    const double punti = formato.fontPointSize() > 0 ? formato.fontPointSize() : predefinito.pointSizeF();
    s.dimensione = punti > 0 ? static_cast<int>(std::lround(punti)) : s.dimensione;
    if (formato.foreground().style() != Qt::NoBrush) {
        const QColor c = formato.foreground().color();
        s.colore = {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue())};
    }
    return s;
}

QTextCharFormat FormatoDaStile(const StileTesto& stile)
{
    QTextCharFormat f;
    f.setFontWeight(stile.grassetto ? QFont::Bold : QFont::Normal);
    f.setFontItalic(stile.corsivo);
    f.setFontUnderline(stile.sottolineato);
    f.setForeground(QColor(stile.colore.r, stile.colore.g, stile.colore.b));
    f.setFontPointSize(stile.dimensione);
    return f;
}

TestoRicco TestoDaDocumento(const QTextDocument& documento, int inizio, int fine)
{
    const QFont predefinito = documento.defaultFont();
    if (fine < 0)
        fine = documento.characterCount();
    TestoRicco testo;
    for (QTextBlock blocco = documento.begin(); blocco.isValid(); blocco = blocco.next()) {
        if (blocco.position() >= fine)
            break;
        for (auto it = blocco.begin(); !it.atEnd(); ++it) {
            const QTextFragment pezzo = it.fragment();
            const int da = std::max(inizio, pezzo.position());
            const int a = std::min(fine, pezzo.position() + pezzo.length());
            if (da < a)
                Accoda(testo, TestoSemplice(pezzo.text().mid(da - pezzo.position(), a - da)),
                       StileDaFormato(pezzo.charFormat(), predefinito));
        }
        // The paragraph break takes the style of the text before it.
        const int a = blocco.position() + blocco.length() - 1;
        if (blocco.next().isValid() && a >= inizio && a < fine)
            Accoda(testo, QStringLiteral("\n"),
                   testo.empty() ? StileDaFormato(blocco.charFormat(), predefinito) : testo.back().stile);
    }
    return testo;
}

void DocumentoDaTesto(QTextDocument& documento, const TestoRicco& testo)
{
    documento.clear();
    QTextCursor cursore(&documento);
    for (const Sequenza& s : testo) {
        const QTextCharFormat formato = FormatoDaStile(s.stile);
        const QStringList paragrafi = QString::fromStdString(s.testo).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < paragrafi.size(); ++i) {
            if (i > 0)
                cursore.insertBlock(QTextBlockFormat(), formato);
            cursore.insertText(paragrafi[i], formato);
        }
    }
}

} // namespace vellora
