#include "figures/Catalogo.h"

#include "measures/DatiFigura.h"
#include "plane/Schermo.h"

#include <algorithm>

namespace vellora {

namespace {
// Stored single-precision vertices: first vertex (1, 1), the regular polygons
// counter-clockwise from a horizontal first side.
const FiguraPredefinita Catalogo[] = {
    {Voce::MnuFiguraMenuPunto, 1, {1}, {1}},
    {Voce::MnuFiguraMenuSegmento, 2, {1, 1}, {1, 4}},
    {Voce::MnuFiguraMenuTriangoliRett, 3, {1, 1, 3}, {1, 4, 1}},
    {Voce::MnuFiguraMenuTriangoliRett1, 3, {1, 4, 1}, {1, 1, 2.732051f}},
    {Voce::MnuFiguraMenuTriangoliIsoscele, 3, {1, 3, 5}, {1, 3.383507f, 1}},
    {Voce::MnuFiguraMenuTriangoliEqui, 3, {1, 3, 5}, {1, 4.464102f, 1}},
    {Voce::MnuFiguraMenuQuadrilateriQuadrato, 4, {1, 1, 4, 4}, {1, 4, 4, 1}},
    {Voce::MnuFiguraMenuQuadrilateriRettangolo, 4, {1, 1, 4, 4}, {1, 3, 3, 1}},
    {Voce::MnuFiguraMenuQuadrilateriRombo, 4, {1, 2.5f, 5.5f, 4}, {1, 3.598076f, 3.598076f, 1}},
    {Voce::MnuFiguraMenuQuadrilateriParallelogramma, 4, {1, 3.12132f, 7.12132f, 5}, {1, 3.12132f, 3.12132f, 1}},
    {Voce::MnuFiguraMenuQuadrilateriTrapezio, 4, {1, 2.5f, 5, 6.5f}, {1, 3.598076f, 3.598076f, 1}},
    {Voce::MnuFiguraMenuPentagoniRegolare,
     5,
     {1, 5, 6.236067f, 3, -0.236067f},
     {1, 1, 4.804225f, 7.155365f, 4.804225f}},
    {Voce::MnuFiguraMenuEsagoniRegolare,
     6,
     {1, 4, 5.5f, 4, 1, -0.5f},
     {1, 1, 3.598077f, 6.196154f, 6.196154f, 3.598077f}},
    {Voce::MnuFiguraMenuEttagoniRegolare,
     7,
     {1, 3, 4.24698f, 3.801938f, 2, 0.1980623f, -0.2469797f},
     {1, 1, 2.563663f, 4.513518f, 5.381286f, 4.513518f, 2.563663f}},
    {Voce::MnuFiguraMenuOttagoniRegolare,
     8,
     {1, 3, 4.414213f, 4.414213f, 3, 1, -0.414213f, -0.414213f},
     {1, 1, 2.414213f, 4.414213f, 5.828426f, 5.828426f, 4.414213f, 2.414213f}},
    {Voce::MnuFiguraMenuEnnagoniRegolare,
     9,
     {1, 3, 4.532089f, 4.879385f, 3.879385f, 2, 0.1206155f, -0.8793847f, -0.5320882f},
     {1, 1, 2.285575f, 4.25519f, 5.987241f, 6.671281f, 5.987241f, 4.25519f, 2.285575f}},
    {Voce::MnuFiguraMenuDecagoniRegolare,
     10,
     {1, 3, 4.618034f, 5.236068f, 4.618034f, 3, 1, -0.6180339f, -1.236068f, -0.6180339f},
     {1, 1, 2.17557f, 4.077683f, 5.979796f, 7.155367f, 7.155367f, 5.979796f, 4.077683f, 2.17557f}},
    {Voce::MnuFiguraMenuUndecagoniRegolare,
     11,
     {1, 3, 4.682507f, 5.513337f, 5.228707f, 3.918986f, 2, 0.08101442f, -1.228707f, -1.513337f, -0.682508f},
     {1, 1, 2.081282f, 3.900545f, 5.880187f, 7.391687f, 7.955152f, 7.391687f, 5.880187f, 3.900545f, 2.081282f}},
    {Voce::MnuFiguraMenuDodecagoniRegolare,
     12,
     {1, 3, 4.732051f, 5.732051f, 5.732051f, 4.732051f, 3, 1, -0.7320509f, -1.732051f, -1.732051f, -0.7320509f},
     {1, 1, 2, 3.732051f, 5.732051f, 7.464102f, 8.464102f, 8.464102f, 7.464102f, 5.732051f, 3.732051f, 2}},
};
} // namespace

std::span<const FiguraPredefinita> CatalogoFigure()
{
    return Catalogo;
}

bool InserisciFiguraPredefinita(Programma& p, Voce voce)
{
    const auto* it = std::find_if(std::begin(Catalogo), std::end(Catalogo),
                                  [voce](const FiguraPredefinita& f) { return f.voce == voce; });
    if (it == std::end(Catalogo))
        return false;
    if (!AggiungiFigura(p.d, it->n, it->x, it->y))
        return true; // a full table refuses silently
    ConcludiInserimento(p);
    return true;
}

void ConcludiInserimento(Programma& p)
{
    p.sessione.Modificato = true;
    MostraFiguraInserita(p);
}

void MostraFiguraInserita(Programma& p)
{
    Ridisegna(p);
    p.TestiFigura();
    p.AzzeraTotali();
    AggiornaDati(p);
    p.AbilitaVociFigure(true);
    p.Mostra();
}

bool ControllaMonometrico(Programma& p)
{
    if (p.d.ScalaX == p.d.ScalaY)
        return true;
    p.Messaggio("Non è possibile inserire circonferenze"
                " se il sistema non è monometrico (stessa scala sui due assi)");
    return false;
}

} // namespace vellora
