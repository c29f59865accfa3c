#include "forms/info_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

#include "info_window_design.h"

namespace quillday {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kLightGrey(192, 192, 192);

// The keys that scroll the text while the focus is on Close, which has no
// use for them: the text box is no tab stop, yet its end must be in reach.
struct ScrollKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QAbstractSlider::SliderAction action;
};

const ScrollKey kScrollKeys[] = {
    {Qt::Key_Up, Qt::NoModifier, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Down, Qt::NoModifier, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, Qt::NoModifier, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, Qt::NoModifier, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, Qt::ControlModifier, QAbstractSlider::SliderToMinimum},
    {Qt::Key_End, Qt::ControlModifier, QAbstractSlider::SliderToMaximum},
};

void ApplyStyle(QPlainTextEdit* box, TextBoxStyle style) {
    const bool readOnly = style == TextBoxStyle::ReadOnlyScrolling;
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, readOnly ? kWhite : kLightGrey);
    box->setPalette(palette);
    box->setReadOnly(readOnly);
    if (readOnly) {
        // Read-only, yet the addresses in the text can be selected and copied.
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    box->setVerticalScrollBarPolicy(readOnly ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Long addresses break where the line ends rather than run out of view.
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    box->setTabChangesFocus(true);        // and Tab leads out of it, to Close
}

}  // namespace

InfoWindow::InfoWindow(const InfoWindowDesign& design, const InfoTextSlots& texts, QWidget* parent)
    : QDialog(parent), design_(design), textTable_(texts) {
    BuildControls(design);
    connect(cmdClose, &QPushButton::clicked, this, &InfoWindow::cmdClose_Click);
    cmdClose->installEventFilter(this);
    Form_Load();
}

void InfoWindow::BuildControls(const InfoWindowDesign& design) {
    setObjectName(QString::fromUtf8(design.name));
    setFont(DesignFont());
    setFixedSize(design.clientWidth / kTwipsPerPixel, design.clientHeight / kTwipsPerPixel);

    txbMsg = new QPlainTextEdit(this);
    txbMsg->setObjectName("txbMsg");
    txbMsg->setGeometry(ToPixels(design.text));
    ApplyStyle(txbMsg, design.style);

    cmdClose = new QPushButton(this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setGeometry(ToPixels(design.close));
}

void InfoWindow::Form_Load() {
    for (size_t slot = 0; slot < texts_.size(); ++slot) {
        texts_[slot] = ComposeText(textTable_[slot], static_cast<GEN_TEXT::LanguageCode>(slot));
    }
}

void InfoWindow::Form_Activate() {
    const QString caption = QString::fromUtf8(GEN_TEXT::Text(design_.caption, language_));
    setWindowTitle(QString::fromUtf8(design_.captionPrefix) + caption);
    // Screen readers name the text box after the window: "Help", "Credits".
    txbMsg->setAccessibleName(caption);
    cmdClose->setText(QString::fromUtf8(GEN_TEXT::Text(GEN_TEXT::TextId::Close, language_)));
    ShowFromBeginning(MessageText(language_));
}

void InfoWindow::SetLanguage(GEN_TEXT::LanguageCode language) {
    language_ = language;
}

void InfoWindow::ShowFromBeginning(const QString& text) {
    txbMsg->setPlainText(text);
    txbMsg->moveCursor(QTextCursor::Start);
    txbMsg->verticalScrollBar()->setValue(0);
}

void InfoWindow::cmdClose_Click() {
    hide();
    if (afterClose_) {
        afterClose_();
    }
}

void InfoWindow::reject() {
    cmdClose_Click();
}

void InfoWindow::SetAfterClose(std::function<void()> afterClose) {
    afterClose_ = std::move(afterClose);
}

const QString& InfoWindow::MessageText(GEN_TEXT::LanguageCode language) const {
    static const QString kNone;
    if (language < 0 || language >= GEN_TEXT::kLanguageSlots) {
        return kNone;
    }
    return texts_[static_cast<size_t>(language)];
}

// Close would take Up and Down for moving the focus: the window looks at
// its keys first.
bool InfoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmdClose && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (const ScrollKey& scroll : kScrollKeys) {
            if (key->key() == scroll.key && key->modifiers() == scroll.modifiers) {
                txbMsg->verticalScrollBar()->triggerAction(scroll.action);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Showing counts as activating too: a window manager may refuse to activate
// a new window, and the window must not then stand there empty.
bool InfoWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        Form_Activate();
    }
    return QDialog::event(event);
}

}  // namespace quillday
