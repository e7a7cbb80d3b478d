#include "files/qt/Bitmap.h"

#include "state/Programma.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSaveFile>

namespace vellora {

void SalvaBitmap(Programma& p, const QImage& immagine)
{
    const auto percorso =
        p.dialoghi.ScegliFile({RichiestaFile::Salva, "Salva bitmap", "", "Windows bitmap (*.bmp)|*.bmp"});
    if (!percorso)
        return;
    // Written whole to a temporary file and then renamed, so that a failure
    // never leaves half a picture in place of an older one.
    QSaveFile file(QString::fromStdString(*percorso));
    if (!file.open(QIODevice::WriteOnly) || !immagine.save(&file, "BMP") || !file.commit())
        p.Messaggio("Impossibile salvare l'immagine in «" + *percorso + "»: " + file.errorString().toStdString());
}

void CopiaBitmapNegliAppunti(const QImage& immagine)
{
    QClipboard* appunti = QGuiApplication::clipboard();
    appunti->clear();
    appunti->setImage(immagine);
}

} // namespace vellora
