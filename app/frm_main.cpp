// The main window's construction and start-up.
#include "frm_main.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "focus_mark.h"
#include "forms/caption_style.h"
#include "forms/design.h"
#include "main_window_layout.h"
#include "services/web_addresses.h"
#include "services/web_links.h"
#include "texts/gen_text.h"

namespace quillday {

namespace {

constexpr int kClockIntervalMs = 1000;
const QColor kBackground(0, 255, 255);
const QColor kText(0, 0, 0);
const QColor kLinkText(0, 0, 255);

QString WindowTitle() {
    return QStringLiteral("Quillday %1.%2").arg(QUILLDAY_VERSION_MAJOR).arg(QUILLDAY_VERSION_MINOR);
}

constexpr double kComputePointSize = 12;
constexpr double kOutputPointSize = 9;

QFont FontOf(ControlFont font) {
    switch (font) {
        case ControlFont::Compute:
            return DesignFont(kComputePointSize, true);
        case ControlFont::Output:
            return FixedPitchDesignFont(kOutputPointSize);
        default:
            return DesignFont();
    }
}

// Enter or Space on a label that acts when clicked is a left click, with
// Shift a right click.
std::optional<Qt::MouseButton> ClickOfKey(const QKeyEvent& key) {
    const bool activates =
        key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
    const Qt::KeyboardModifiers shift = key.modifiers() & ~Qt::KeypadModifier;
    if (!activates || (shift != Qt::NoModifier && shift != Qt::ShiftModifier)) {
        return std::nullopt;
    }
    return shift == Qt::ShiftModifier ? Qt::RightButton : Qt::LeftButton;
}

// A popup (the output's own context menu) or a switch to another window
// takes the focus only for a moment; those are no moves to another control.
bool MovesFocusWithinWindow(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

QLabel* NewLabel(QLabel* label) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateControl(const ControlDesign& design, QWidget* parent) {
    const QString caption = QString::fromUtf8(design.caption);
    switch (design.kind) {
        case ControlKind::Label:
            return NewLabel(new QLabel(caption, parent));
        case ControlKind::ClickLabel:
        case ControlKind::LinkLabel: {
            // A tab stop, so that the keyboard can do what a click does.
            QLabel* label = NewLabel(new FocusMarked<QLabel>(caption, parent));
            label->setFocusPolicy(Qt::TabFocus);
            return label;
        }
        case ControlKind::ComboBox:
            return new QComboBox(parent);
        case ControlKind::Button:
            return new QPushButton(caption, parent);
        case ControlKind::Frame: {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(QFrame::NoFrame);
            return frame;
        }
        case ControlKind::OptionButton:
            return new QRadioButton(caption, parent);
        case ControlKind::InputBox:
            return new QLineEdit(parent);
        case ControlKind::OutputBox: {
            auto* output = new QPlainTextEdit(parent);
            output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            output->setTabChangesFocus(true);  // Tab must not trap keyboard users
            return output;
        }
        case ControlKind::VerticalScrollBar: {
            // The value rests at 0; an arrow moves it to -1 (upper) or 1 (lower),
            // and so do the Up and Down keys once Tab has brought the focus.
            auto* spin = new FocusMarked<QScrollBar>(Qt::Vertical, parent);
            spin->setRange(-1, 1);
            spin->setValue(0);
            spin->setFocusPolicy(Qt::TabFocus);
            return spin;
        }
    }
    return nullptr;
}

}  // namespace

frmMain::frmMain(Services services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    BuildControls();
    FindControls();
    ConnectHandlers();
    Form_Load();
}

void frmMain::BuildControls() {
    setObjectName("frmMain");
    setFont(FontOf(ControlFont::Normal));  // the controls inherit it
    QHash<QString, QWidget*> containers{{QString(), this}};
    for (const ControlDesign& design : MainWindowControls()) {
        QWidget* control =
            CreateControl(design, containers.value(QString::fromUtf8(design.container), this));
        const QString name = QString::fromUtf8(design.name);
        control->setObjectName(name);
        control->setGeometry(design.left / kTwipsPerPixel, design.top / kTwipsPerPixel,
                             design.width / kTwipsPerPixel, design.height / kTwipsPerPixel);
        if (design.font != ControlFont::Normal) {
            control->setFont(FontOf(design.font));
        }
        containers.insert(name, control);
    }
    GroupOptionButtons();
    PairLabelsWithControls();
    KeepCaptionsWhole();
    Clock = new QTimer(this);
    Clock->setObjectName("Clock");
}

// Qt groups option buttons by their parent, which would join the thousands
// buttons with those of the frames nested beside them; each choice gets a
// group of its own instead.
void frmMain::GroupOptionButtons() {
    for (const OptionGroup& members : MainWindowOptionGroups()) {
        auto* group = new QButtonGroup(this);
        for (const std::string_view name : members) {
            group->addButton(Control<QRadioButton>(name));
        }
    }
}

// Made after the buttons, the style is destroyed after them.
void frmMain::KeepCaptionsWhole() {
    auto* style = new CaptionStyle;
    style->setParent(this);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setStyle(style);
    }
}

void frmMain::FindControls() {
    lblIntro = Control<QLabel>("lblIntro");
    cboLanguage = Control<QComboBox>("cboLanguage");
    txbFirstDate = Control<QLineEdit>("txbFirstDate");
    txbSecondDate = Control<QLineEdit>("txbSecondDate");
    txbDateDiffDays = Control<QLineEdit>("txbDateDiffDays");
    lblDayOrDays = Control<QLabel>("lblDayOrDays");
    lblTodaysDate = Control<QLabel>("lblTodaysDate");
    lblWeekFromToday = Control<QLabel>("lblWeekFromToday");
    txbOutput = Control<QPlainTextEdit>("txbOutput");
    lblVarnholtWorks = Control<QLabel>("lblVarnholtWorks");
    lblOnlineDocumentation = Control<QLabel>("lblOnlineDocumentation");
    cmdCopyToClipboard = Control<QPushButton>("cmdCopyToClipboard");
    cmdQuit = Control<QPushButton>("cmdQuit");
}

// A new date order or separator makes the typed dates unreadable: the boxes
// empty and the today labels follow at once. A new grouping shows in the
// today labels at the next clock tick.
void frmMain::TakeDisplayOptions() {
    displayOptions_ = std::make_unique<DisplayOptions>(
        *this, DisplayOptions::Reactions{.orderChosen = [this] { ChangeDateForm(); },
                                         .dateSeparatorChosen = [this] { ChangeDateForm(); },
                                         .thousandsSeparatorChosen = [this] { FocusInput(1); }});
}

void frmMain::ChangeDateForm() {
    ClearInputWindows();
    RefreshTodayDisplay();
}

void frmMain::TakeDateFields() {
    for (const int n : {1, 2}) {
        dates_[static_cast<std::size_t>(n - 1)] = std::make_unique<DateField>(
            *this, n, [this, n](datelib::CalendarKind from, datelib::CalendarKind to) {
                optDateIs_Click(n, from, to);
            });
    }
}

// The buttons whose click runs one handler of their own.
const frmMain::ButtonHandler frmMain::kButtonHandlers[] = {
    {"cmdCompute", &frmMain::cmdCompute_Click},
    {"cmdClearFirstDate", &frmMain::cmdClearFirstDate_Click},
    {"cmdClearSecondDate", &frmMain::cmdClearSecondDate_Click},
    {"cmdClearDateDiffDays", &frmMain::cmdClearDateDiffDays_Click},
    {"cmdClearInputWindows", &frmMain::cmdClearInputWindows_Click},
    {"cmdClearOutputWindow", &frmMain::cmdClearOutputWindow_Click},
    {"cmdCopyToClipboard", &frmMain::cmdCopyToClipboard_Click},
    {"cmdMoveSecondDateToFirst", &frmMain::cmdMoveSecondDateToFirst_Click},
    {"cmdQuit", &frmMain::cmdQuit_Click},
    {"cmdHelp", &frmMain::cmdHelp_Click},
    {"cmdCalendars", &frmMain::cmdCalendars_Click},
    {"cmdCredits", &frmMain::cmdCredits_Click},
};

void frmMain::ConnectHandlers() {
    connect(Clock, &QTimer::timeout, this, &frmMain::Clock_Timer);
    TakeDateFields();
    for (const int n : {1, 2}) {
        connect(Date(n).TodayButton(), &QPushButton::clicked, this,
                [this, n] { cmdToday_Click(n - 1); });
        connect(Date(n).Spin(), &QScrollBar::valueChanged, this,
                [this, n] { VScroll_Change(n - 1); });
    }
    for (QLabel* label :
         {lblTodaysDate, lblWeekFromToday, lblVarnholtWorks, lblOnlineDocumentation}) {
        label->installEventFilter(this);
    }

    TakeDisplayOptions();

    for (const auto& [name, handler] : kButtonHandlers) {
        connect(Control<QPushButton>(name), &QPushButton::clicked, this, handler);
    }
    for (QLineEdit* box : {txbFirstDate, txbSecondDate, txbDateDiffDays}) {
        box->installEventFilter(this);
    }

    // The user's choice, also of the entry already selected.
    connect(cboLanguage, &QComboBox::activated, this, &frmMain::cboLanguage_Click);
    // The copy button's caption follows the selection however it is made:
    // with the mouse, with Shift and the arrows, or from the context menu.
    connect(txbOutput, &QPlainTextEdit::selectionChanged, this, &frmMain::UpdateCopyButton);
    cmdCopyToClipboard->installEventFilter(this);
    txbOutput->installEventFilter(this);
}

// Routes the events the controls have no signal for to their handlers: key
// presses of the input boxes and of the clickable labels, mouse releases of
// those labels, and the loss of focus of the output window and of the copy
// button, which share the output's selection.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (watched == txbFirstDate || watched == txbSecondDate || watched == txbDateDiffDays) {
                return FilterKey(watched, key);
            }
            const std::optional<Qt::MouseButton> click = ClickOfKey(*key);
            return click && LabelClicked(watched, *click);
        }
        case QEvent::MouseButtonRelease:
            return LabelClicked(watched, static_cast<QMouseEvent*>(event)->button());
        case QEvent::FocusOut:
            if (MovesFocusWithinWindow(static_cast<QFocusEvent*>(event)->reason())) {
                if (watched == txbOutput) {
                    txbOutput_LostFocus();
                } else if (watched == cmdCopyToClipboard) {
                    cmdCopyToClipboard_LostFocus();
                }
            }
            return false;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

// Runs the click handler of a clickable label; false for any other control.
bool frmMain::LabelClicked(QObject* label, Qt::MouseButton button) {
    if (label == lblTodaysDate) {
        lblTodaysDate_MouseUp(button);
    } else if (label == lblWeekFromToday) {
        lblWeekFromToday_MouseUp(button);
    } else if (label == lblVarnholtWorks || label == lblOnlineDocumentation) {
        // The links open on the left button only, as links do.
        if (button == Qt::LeftButton) {
            label == lblVarnholtWorks ? lblVarnholtWorks_Click() : lblOnlineDocumentation_Click();
        }
    } else {
        return false;
    }
    return true;
}

void frmMain::Form_Load() {
    setWindowTitle(WindowTitle());
    InitSettingsAndInputs();
    ApplyColourScheme();
    UpdateCopyButton();
    show();
    ApplyDefaultOptions();
    FillLanguageList();
    SelectLanguageEntry(LanguageListIndex(language_));
    ApplyCaptions();
    RestoreSettings();
    Clock->start(kClockIntervalMs);
    ShowSpecialDayMessage();
    FocusInput(1);
}

void frmMain::InitSettingsAndInputs() {
    txbSecondDate->clear();
    txbDateDiffDays->clear();
    txbOutput->clear();
    Date(1).Select(datelib::CalendarKind::CE);
    Date(2).Select(datelib::CalendarKind::CE);
}

void frmMain::ApplyColourScheme() {
    QPalette scheme = palette();
    scheme.setColor(QPalette::Window, kBackground);
    scheme.setColor(QPalette::WindowText, kText);
    setPalette(scheme);
    setAutoFillBackground(true);
    for (QLabel* link : {lblVarnholtWorks, lblOnlineDocumentation}) {
        QPalette linkScheme = link->palette();
        linkScheme.setColor(QPalette::WindowText, kLinkText);
        link->setPalette(linkScheme);
        QFont underlined = link->font();
        underlined.setUnderline(true);
        link->setFont(underlined);
        link->setCursor(Qt::PointingHandCursor);
    }
}

// A restored language other than English relabels the window; one the list
// does not offer falls back to English through the list's handler.
void frmMain::RestoreSettings() {
    LoadSettings();
    if (language_ != GEN_TEXT::English) {
        FillLanguageList();
        SelectLanguageEntry(LanguageListIndex(language_));
        ApplyCaptions();
    }
}

void frmMain::lblVarnholtWorks_Click() {
    OpenWebPage(MakerHomePageAddress(language_), *services_.webOpener, *services_.messageBoxes);
}

void frmMain::lblOnlineDocumentation_Click() {
    OpenWebPage(UserGuideAddress(language_), *services_.webOpener, *services_.messageBoxes);
}

void frmMain::ClearInputWindows() {
    txbFirstDate->clear();
    txbSecondDate->clear();
    txbDateDiffDays->clear();
    FocusInput(1);
}

}  // namespace quillday
