#pragma once
// The windows that have a help section of their own, which F1 opens instead
// of the index: the dialogs, the coordinates panel, the comment, the title.
#include <span>
#include <string_view>

namespace vellora {

// The page that explains them all, relative to the program folder; each
// window has its section there, whose anchor is the window's object name.
inline constexpr std::string_view PaginaDialoghi = "aiuto/dialoghi.html";

// The object names of those windows.
std::span<const std::string_view> FinestreConGuida();

bool HaSezioneGuida(std::string_view finestra);

} // namespace vellora
