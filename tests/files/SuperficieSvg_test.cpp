#include "files/SuperficieSvg.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vellora;

namespace {

constexpr ColoreRgb Bianco{255, 255, 255};
constexpr ColoreRgb Rosso{255, 0, 0};

TEST(SuperficieSvg, TestiConLeEntitaXml)
{
    const std::pair<std::string, std::string> casi[] = {
        {"a<b & c>d", "a&lt;b &amp; c&gt;d"},
        {"\"x\"", "&quot;x&quot;"},
        {"2,5 €", "2,5 €"}, // UTF-8 passes untouched
        {"a\x01\x1f"
         "b",
         "ab"},                 // XML 1.0 holds no such character
        {"&amp;", "&amp;amp;"}, // an entity typed by the user stays text
    };
    for (const auto& [testo, atteso] : casi)
        EXPECT_EQ(TestoXml(testo), atteso) << testo;
}

TEST(SuperficieSvg, LineeTestiECerchiComeLiDisegnaLoSchermo)
{
    using F = void (*)(Superficie&);
    const std::tuple<const char*, F, std::string> casi[] = {
        {"solida", [](Superficie& s) { s.Linea(1, 2, 3, 4, Rosso, StileLinea::Continuo); },
         "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" stroke=\"#ff0000\" stroke-linecap=\"square\"/>"},
        {"tratteggiata", [](Superficie& s) { s.Linea(0, 0, -1.5, 0, Bianco, StileLinea::Tratteggiato); },
         "<line x1=\"0\" y1=\"0\" x2=\"-1.5\" y2=\"0\" stroke=\"#ffffff\" stroke-dasharray=\"4,2\"/>"},
        // A closed outline is one polyline; a change of pen or a gap starts another.
        {"contorno",
         [](Superficie& s) {
             s.Linea(0, 0, 4, 0, Rosso, StileLinea::Continuo);
             s.Linea(4, 0, 0, 3, Rosso, StileLinea::Continuo);
             s.Linea(0, 3, 0, 0, Rosso, StileLinea::Continuo);
             s.Linea(0, 0, 1, 1, Bianco, StileLinea::Continuo);
             s.Linea(2, 2, 3, 3, Bianco, StileLinea::Continuo);
         },
         "<polyline points=\"0,0 4,0 0,3 0,0\" fill=\"none\" stroke=\"#ff0000\" stroke-linecap=\"square\"/>\n"
         "<line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\" stroke=\"#ffffff\" stroke-linecap=\"square\"/>\n"
         "<line x1=\"2\" y1=\"2\" x2=\"3\" y2=\"3\""},
        {"cerchio pieno", [](Superficie& s) { s.Cerchio(5, 6, 2, Rosso, &Bianco); },
         "<circle cx=\"5\" cy=\"6\" r=\"2\" fill=\"#ffffff\" stroke=\"#ff0000\" stroke-linecap=\"square\"/>"},
        {"cerchio punteggiato", [](Superficie& s) { s.Cerchio(5, 6, 2.126, Rosso, nullptr, StileLinea::Punteggiato); },
         "<circle cx=\"5\" cy=\"6\" r=\"2.13\" fill=\"none\" stroke=\"#ff0000\" stroke-dasharray=\"1,2\"/>"},
        {"punto", [](Superficie& s) { s.Punto(7, 8, Rosso); },
         "<rect x=\"6.5\" y=\"7.5\" width=\"1\" height=\"1\" fill=\"#ff0000\"/>"},
        // The screen's (x, y) is the top-left corner; SVG's is the baseline.
        {"testo", [](Superficie& s) { s.Testo(10, 20, "<O>", Bianco); },
         "<text x=\"10\" y=\"31\" fill=\"#ffffff\">&lt;O&gt;</text>"},
        // A thick stroke widens lines and enlarges texts; a polyline keeps one width.
        {"spessa",
         [](Superficie& s) {
             s.ImpostaTratto(3);
             s.Linea(0, 0, 4, 0, Rosso, StileLinea::Continuo);
             s.Linea(4, 0, 4, 3, Rosso, StileLinea::Continuo);
             s.ImpostaTratto(1);
             s.Linea(4, 3, 0, 0, Rosso, StileLinea::Continuo);
         },
         "<polyline points=\"0,0 4,0 4,3\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"3\" "
         "stroke-linecap=\"square\"/>\n<line x1=\"4\" y1=\"3\" x2=\"0\" y2=\"0\" stroke=\"#ff0000\" stroke-linecap"},
        {"testo spesso",
         [](Superficie& s) {
             s.ImpostaTratto(3);
             s.Testo(10, 20, "A", Bianco);
         },
         "<text x=\"10\" y=\"37.6\" fill=\"#ffffff\" font-size=\"19.2\" font-weight=\"bold\">A</text>"},
        {"fuori da ogni piano", [](Superficie& s) { s.Linea(0, 0, 1e300, 0, Rosso, StileLinea::Continuo); },
         "\"translate(0.5,0.5)\" stroke-width=\"1\" font-family=\"sans-serif\" font-size=\"12\">\n</g>"},
    };
    for (const auto& [nome, disegna, atteso] : casi) {
        SuperficieSvg s(320, 200);
        s.Pulisci({0, 0, 192});
        disegna(s);
        const std::string svg = s.Documento();
        EXPECT_NE(svg.find(atteso), std::string::npos) << nome << "\n" << svg;
    }
}

TEST(SuperficieSvg, DocumentoDelleDimensioniDateConLoSfondo)
{
    SuperficieSvg s(320, 200);
    s.Linea(0, 0, 1, 1, Rosso, StileLinea::Continuo);
    s.Pulisci({0, 0, 192}); // what came before is cleared, as on the screen
    EXPECT_EQ(s.Documento(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"320\" height=\"200\" "
                             "viewBox=\"0 0 320 200\">\n"
                             "<rect class=\"sfondo\" x=\"0\" y=\"0\" width=\"320\" height=\"200\" fill=\"#0000c0\"/>\n"
                             "<g transform=\"translate(0.5,0.5)\" stroke-width=\"1\" font-family=\"sans-serif\" "
                             "font-size=\"12\">\n</g>\n</svg>\n");
}

} // namespace
