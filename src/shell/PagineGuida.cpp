#include "shell/PagineGuida.h"

#include <algorithm>

namespace vellora {

namespace {

constexpr std::string_view Finestre[] = {
    // The settings of the eleven transformations and their two helpers.
    "FrmSimm1", "FrmSimm2", "FrmSimm3", "FrmSimmAsse", "FrmTraslazioneOriz", "FrmTraslazioneVert", "FrmTraslazione",
    "FrmRotazione", "FrmOmotetia", "FrmStir1", "FrmStir2", "FrmPuntoMedio", "FrmTraslazioneQR",
    // The plane, the print run, the figures.
    "FrmRange", "FrmScala", "FrmStampaDisegno", "FrmDatiCerchio", "FrmDatiCerchio1", "FrmDatiCerchio2", "FrmCoordinate",
    // The macros, the comment and the title window.
    "FrmEditorMacro", "FrmPausa", "FrmCommento", "frmSplash"};

} // namespace

std::span<const std::string_view> FinestreConGuida()
{
    return Finestre;
}

bool HaSezioneGuida(std::string_view finestra)
{
    return std::ranges::find(Finestre, finestra) != std::end(Finestre);
}

} // namespace vellora
