#pragma once
// The plane window's picture as a Windows bitmap file or on the clipboard.
#include <QImage>

namespace vellora {

class Programma;

// Asks for a file name ("Salva bitmap") and writes the picture there. A file
// that cannot be written is reported, so that the user does not believe the
// picture saved.
void SalvaBitmap(Programma& p, const QImage& immagine);

void CopiaBitmapNegliAppunti(const QImage& immagine);

} // namespace vellora
