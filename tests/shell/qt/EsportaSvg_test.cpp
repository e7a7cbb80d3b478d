// The SVG read back as XML: two axes, one outline per figure, the active one again on top (its size and
// background: the command-line test and the SVG surface's own).
#include "files/CartellaProva.h"
#include "shell/Batch.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

using namespace vellora;

namespace {

TEST(EsportaSvg, IlPianoDiPitagoraRilettoComeXml)
{
    vellora::test::CartellaTemporanea cartella("svg");
    std::ostringstream errori;
    DialoghiFlusso dialoghi(errori);
    VistaAssente vista;
    Programma p(dialoghi, vista);
    ASSERT_EQ(CaricaDisegnoBatch(p, VELLORA_ESEMPI "/pitagora1.geo"), EsitoRiuscito);
    ASSERT_TRUE(EsportaSvgBatch(p, cartella.Percorso("p.svg"), 400, 300));
    EXPECT_EQ(errori.str(), "");

    QXmlStreamReader xml(QByteArray::fromStdString(cartella.Leggi(cartella.radice / "p.svg")));
    std::map<std::string, int> elementi;
    std::set<std::string> contorni, testi;
    int assi = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributi = xml.attributes();
        const auto a = [&](const char* nome) { return attributi.value(nome).toString().toStdString(); };
        const std::string nome = xml.name().toString().toStdString();
        ++elementi[nome];
        if (nome == "line" && a("stroke") == "#ffffff")
            ++assi;
        else if (nome == "polyline")
            contorni.insert(a("points"));
        else if (nome == "text")
            testi.insert(xml.readElementText().toStdString());
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(assi, 2);
    EXPECT_EQ(elementi["polyline"], 5); // the triangle and its three squares, the active triangle twice
    EXPECT_EQ(contorni.size(), 4u);
    for (const char* t : {"O", "A", "B", "C"})
        EXPECT_EQ(testi.count(t), 1u) << t;
}

} // namespace
