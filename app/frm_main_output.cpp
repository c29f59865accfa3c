// The output window: clearing it, copying it, and the copy button that
// follows the selection.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "captions.h"
#include "frm_main.h"
#include "main_window_layout.h"
#include "texts/line_end.h"

namespace quillday {

void frmMain::cmdClearOutputWindow_Click() {
    txbOutput->clear();
    FocusInput(1);
}

// Copies what the caption announces: the selection still shown in the
// output window, else the whole report.
void frmMain::cmdCopyToClipboard_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QTextCursor shown = txbOutput->textCursor();
    QString text = shown.hasSelection() ? shown.selectedText() : txbOutput->toPlainText();
    text.replace(QChar::ParagraphSeparator, QString::fromUtf8(kLineEnd));
    clipboard->setText(text);
    EmptyOutputSelection();
    FocusInput(1);
}

// The selection stays, shown, while the focus is on the copy button, whether
// a click, a right click or the keyboard brought it there; it goes when the
// focus moves anywhere else. So the caption, the highlight and what the
// button copies always agree.
void frmMain::txbOutput_LostFocus() {
    if (QApplication::focusWidget() != cmdCopyToClipboard) {
        EmptyOutputSelection();
    }
}

void frmMain::cmdCopyToClipboard_LostFocus() {
    if (QApplication::focusWidget() != txbOutput) {
        EmptyOutputSelection();
    }
}

void frmMain::EmptyOutputSelection() {
    txbOutput->moveCursor(QTextCursor::End);
    UpdateCopyButton();
}

void frmMain::UpdateCopyButton() {
    const bool selected = txbOutput->textCursor().hasSelection();
    cmdCopyToClipboard->setText(QString::fromStdString(CopyButtonCaption(selected, language_)));
    // Centred between the maker's label and the Quit button, in twips.
    const float width = static_cast<float>(CopyButtonWidthTwips(selected, language_));
    const float right =
        static_cast<float>((lblVarnholtWorks->x() + lblVarnholtWorks->width()) * kTwipsPerPixel);
    const float quitLeft = static_cast<float>(cmdQuit->x() * kTwipsPerPixel);
    const float left = right + (quitLeft - right - width) / 2;
    cmdCopyToClipboard->setGeometry(
        static_cast<int>(left) / kTwipsPerPixel, cmdCopyToClipboard->y(),
        static_cast<int>(width) / kTwipsPerPixel, cmdCopyToClipboard->height());
}

}  // namespace quillday
