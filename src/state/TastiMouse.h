#pragma once
// Mouse buttons and modifier bits as the windows hand them to the core: the
// plane, the side toolbar and the Macro button speak the same codes.

namespace vellora {

inline constexpr int PulsanteSinistro = 1;
inline constexpr int PulsanteDestro = 2;
inline constexpr int PulsanteCentrale = 4;

inline constexpr int TastoShift = 1;
inline constexpr int TastoCtrl = 2;
inline constexpr int TastoAlt = 4;

} // namespace vellora
