#pragma once
// The macro editor window: the working copy as plain lines and three
// clipboard buttons. Modal and resizable; closing it, by any way, goes
// through the core's closing question.
#include <QDialog>

class QPlainTextEdit;

namespace vellora {

class EditorMacro;
class Programma;

class FrmEditorMacro : public QDialog {
    Q_OBJECT
public:
    FrmEditorMacro(EditorMacro& editor, QWidget* parent = nullptr);

    QPlainTextEdit* Testo() const { return richTextBox2_; }

public slots:
    // Esc and the close box land here: Cancel keeps the window open.
    void reject() override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* e) override;

private:
    EditorMacro& editor_;
    QPlainTextEdit* richTextBox2_;
};

// Loads the working copy and shows the editor until it closes (menu
// "Macro > Edita macro").
void ApriFrmEditorMacro(Programma& p, QWidget* parent);

} // namespace vellora
