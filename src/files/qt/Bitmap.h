#pragma once
// The plane window's picture as a Windows bitmap file or on the clipboard,
// and the picture files of the command-line export.
#include <QImage>
#include <string>

namespace vellora {

class Programma;

// Asks for a file name ("Salva bitmap") and writes the picture there. A file
// that cannot be written is reported, so that the user does not believe the
// picture saved.
void SalvaBitmap(Programma& p, const QImage& immagine);

void CopiaBitmapNegliAppunti(const QImage& immagine);

// Encodes the picture in the format Qt names ("BMP", "PNG") and writes it by
// the safe write of every document: a failure leaves the old file intact.
// False, with the reason in Italian, when nothing was written.
bool ScriviImmagine(const std::string& percorso, const QImage& immagine, const char* formato, std::string& motivo);

} // namespace vellora
