#pragma once
// Buttons shared by the dialogs with point pickers: a named push button that Enter
// does not press (Enter is OK), and the row of pickers "A".."H".
#include <QString>
#include <functional>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace vellora {

QPushButton* NuovoPulsante(QWidget* padre, const QString& nome, const char* didascalia);

// CmdA + suffisso ... CmdH + suffisso; `scelto` receives 1..8.
QHBoxLayout* RigaSelettori(QWidget* padre, const char* suffisso, const std::function<void(int)>& scelto);

} // namespace vellora
