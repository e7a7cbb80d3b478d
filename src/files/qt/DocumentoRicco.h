#pragma once
// Between the comment window's document and the formatted text its file
// stores: runs of bold, italic, underline, colour and size. The font family
// is not stored: the text shows in the document's default font.
#include "model/TestoRicco.h"

#include <QFont>
#include <QTextCharFormat>

class QTextDocument;

namespace vellora {

// The runs of the characters from `inizio` to `fine` (-1: to the end), each
// paragraph break a "\n". A format that sets no size or colour has the
// document's default size and black.
TestoRicco TestoDaDocumento(const QTextDocument& documento, int inizio = 0, int fine = -1);

// Replaces the document's content with the text.
void DocumentoDaTesto(QTextDocument& documento, const TestoRicco& testo);

StileTesto StileDaFormato(const QTextCharFormat& formato, const QFont& predefinito);
QTextCharFormat FormatoDaStile(const StileTesto& stile);

} // namespace vellora
