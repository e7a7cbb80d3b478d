#include "files/qt/Bitmap.h"

#include "files/AccessoFile.h"
#include "state/Programma.h"

#include <QBuffer>
#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <string_view>

namespace vellora {

bool ScriviImmagine(const std::string& percorso, const QImage& immagine, const char* formato, std::string& motivo)
{
    QByteArray dati;
    QBuffer memoria(&dati);
    if (!memoria.open(QIODevice::WriteOnly) || !immagine.save(&memoria, formato)) {
        motivo = "codifica dell'immagine non riuscita";
        return false;
    }
    return ScriviFileSicuro(percorso, std::string_view(dati.constData(), static_cast<size_t>(dati.size())), motivo);
}

void SalvaBitmap(Programma& p, const QImage& immagine)
{
    const auto percorso =
        p.dialoghi.ScegliFile({RichiestaFile::Salva, "Salva bitmap", "", "Windows bitmap (*.bmp)|*.bmp"});
    if (!percorso)
        return;
    std::string motivo;
    if (!ScriviImmagine(*percorso, immagine, "BMP", motivo))
        p.Messaggio("Impossibile salvare l'immagine in «" + *percorso + "»: " + motivo);
}

void CopiaBitmapNegliAppunti(const QImage& immagine)
{
    QClipboard* appunti = QGuiApplication::clipboard();
    appunti->clear();
    appunti->setImage(immagine);
}

} // namespace vellora
