#include "macro/qt/FrmEditorMacro.h"

#include "macro/Editor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

FrmEditorMacro::FrmEditorMacro(EditorMacro& editor, QWidget* parent)
    : QDialog(parent), editor_(editor), richTextBox2_(new QPlainTextEdit(this))
{
    setObjectName("FrmEditorMacro");
    setWindowTitle(QString::fromStdString(editor_.Titolo()));
    setModal(true);
    setSizeGripEnabled(true);
    resize(520, 380);

    richTextBox2_->setObjectName("RichTextBox2");
    richTextBox2_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A macro has no use for tab characters: Tab walks to the buttons.
    richTextBox2_->setTabChangesFocus(true);
    richTextBox2_->setPlainText(QString::fromStdString(editor_.Testo()));

    const auto pulsante = [this](const char* nome, const char* testo) {
        auto* b = new QPushButton(QString::fromUtf8(testo), this);
        b->setObjectName(nome);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* cmdTaglia = pulsante("CmdTaglia", "&Taglia");
    QPushButton* cmdCopia = pulsante("CmdCopia", "&Copia");
    QPushButton* cmdIncolla = pulsante("CmdIncolla", "&Incolla");

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(cmdTaglia);
    pulsanti->addWidget(cmdCopia);
    pulsanti->addWidget(cmdIncolla);
    pulsanti->addStretch();
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(richTextBox2_, 1);
    tutto->addLayout(pulsanti);
    setTabOrder(richTextBox2_, cmdCopia);
    setTabOrder(cmdCopia, cmdTaglia);
    setTabOrder(cmdTaglia, cmdIncolla);

    // Connected after loading: the loaded text is not a change.
    connect(richTextBox2_, &QPlainTextEdit::textChanged, this, [this] { editor_.SegnaModifica(); });
    richTextBox2_->installEventFilter(this);
    const auto collega = [this](QPushButton* b, void (QPlainTextEdit::*azione)()) {
        connect(b, &QPushButton::clicked, this, [this, azione] {
            (richTextBox2_->*azione)();
            richTextBox2_->setFocus(Qt::OtherFocusReason);
        });
    };
    collega(cmdTaglia, &QPlainTextEdit::cut);
    collega(cmdCopia, &QPlainTextEdit::copy);
    collega(cmdIncolla, &QPlainTextEdit::paste);

    richTextBox2_->setFocus();
}

void FrmEditorMacro::reject()
{
    if (editor_.Chiudi(richTextBox2_->toPlainText().toStdString()))
        QDialog::reject();
}

bool FrmEditorMacro::eventFilter(QObject* oggetto, QEvent* e)
{
    // A typed key counts as a change even when the text stays the same,
    // a copy with Ctrl+C included.
    if (oggetto == richTextBox2_ && e->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(e)->text().isEmpty())
        editor_.SegnaModifica();
    return QDialog::eventFilter(oggetto, e);
}

void ApriFrmEditorMacro(Programma& p, QWidget* parent)
{
    EditorMacro editor(p);
    if (!editor.Apri())
        return;
    FrmEditorMacro finestra(editor, parent);
    finestra.exec();
}

} // namespace vellora
