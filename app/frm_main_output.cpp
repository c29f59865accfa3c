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

void frmMain::cmdCopyToClipboard_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QString selected = txbOutput->textCursor().selectedText();
    // Clicking the button took the focus, and with it the selection, from the
    // output window; the selection it had then is what the user meant.
    const QString chosen = !selected.isEmpty() ? selected : selectionForCopy_;
    QString text = !chosen.isEmpty() ? chosen : txbOutput->toPlainText();
    text.replace(QChar::ParagraphSeparator, QString::fromUtf8(kLineEnd));
    clipboard->setText(text);
    selectionForCopy_.clear();
    cmdCopyToClipboard->setText(QString::fromStdString(CopyButtonCaption(false, language_)));
    UpdateCopyButton();
    FocusInput(1);
}

void frmMain::txbOutput_MouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        UpdateCopyButton();
    }
}

void frmMain::txbOutput_LostFocus() {
    const bool toCopyButton = QApplication::focusWidget() == cmdCopyToClipboard;
    selectionForCopy_ = toCopyButton ? txbOutput->textCursor().selectedText() : QString();
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
