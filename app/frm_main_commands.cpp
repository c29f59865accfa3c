// The other commands of the main window: moving the second date into the
// first, and quitting.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>

#include <QPlainTextEdit>
#include <QPushButton>
#include "compute/field_rules.h"
#include "frm_main.h"
#include "main_window_layout.h"

namespace quillday {

using datelib::CalendarKind;

void frmMain::cmdMoveSecondDateToFirst_Click() {
    if (txbSecondDate->text().isEmpty()) {
        FocusInput(1);
        return;
    }
    const FieldChange moved = MoveDate(txbSecondDate->text().toStdString(), GetInputKind(2),
                                       GetInputKind(1), GetDisplay());
    if (moved.message) {
        ShowMessage(*moved.message);
        FocusInput(2);
        return;
    }
    txbFirstDate->setText(QString::fromStdString(moved.text));
    txbSecondDate->clear();
    txbDateDiffDays->setFocus();
    txbDateDiffDays->end(false);
}

namespace {

// The information windows open this far right of and below the main window.
constexpr int kBesideLeftTwips = 2900;
constexpr int kBesideTopTwips = 3100;

// The Credits window: its top within the output band, and its sizes.
constexpr int kCreditsBelowFrameTopTwips = 360;
constexpr int kCreditsHeightTwips = 2200;
constexpr int kCreditsTextHeightTwips = 1200;
constexpr int kCreditsCloseGapTwips = 50;

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace

template <typename Window>
Window& frmMain::InformationWindow(std::unique_ptr<Window>& window) {
    if (!window) {
        window = std::make_unique<Window>(this);
        window->SetAfterClose([this] {
            activateWindow();
            FocusInput(1);
        });
    }
    window->SetLanguage(language_);
    return *window;
}

// An open window shows a newly chosen language when it is next activated.
void frmMain::PassLanguageToInformationWindows() {
    for (InfoWindow* window :
         {static_cast<InfoWindow*>(help_.get()), static_cast<InfoWindow*>(calendars_.get()),
          static_cast<InfoWindow*>(credits_.get())}) {
        if (window != nullptr) {
            window->SetLanguage(language_);
        }
    }
}

// A minimised window is only restored; otherwise it opens beside the main
// window, non-modal and active.
void frmMain::ShowBesideMainWindow(QWidget& window) {
    if (window.isMinimized()) {
        window.showNormal();
        return;
    }
    window.move(pos() + QPoint(Pixels(kBesideLeftTwips), Pixels(kBesideTopTwips)));
    window.show();
    window.raise();
    window.activateWindow();
}

void frmMain::cmdHelp_Click() {
    ShowBesideMainWindow(InformationWindow(help_));
}

void frmMain::cmdCalendars_Click() {
    ShowBesideMainWindow(InformationWindow(calendars_));
}

void frmMain::cmdCredits_Click() {
    frmCredits& credits = InformationWindow(credits_);
    const int frameTop = Control<QWidget>("Frame6")->y();
    credits.SetOuterHeight(Pixels(kCreditsHeightTwips));
    credits.txbMsg->resize(credits.txbMsg->width(), Pixels(kCreditsTextHeightTwips));
    credits.cmdClose->move(credits.cmdClose->x(), credits.txbMsg->y() + credits.txbMsg->height() +
                                                      Pixels(kCreditsCloseGapTwips));
    // The top lies within the output band, counted on the screen as it stands.
    credits.move(x() + (width() - credits.width()) / 2,
                 frameTop + Pixels(kCreditsBelowFrameTopTwips));
    credits.exec();
    activateWindow();
    FocusInput(1);
}

void frmMain::CloseInformationWindows() {
    for (QWidget* window :
         {static_cast<QWidget*>(help_.get()), static_cast<QWidget*>(calendars_.get())}) {
        if (window != nullptr) {
            window->hide();
        }
    }
}

void frmMain::cmdQuit_Click() {
    SaveSettings();
    CloseInformationWindows();
    hide();
    QCoreApplication::quit();
}

void frmMain::Form_Unload() {
    cmdQuit_Click();
}

// Closing the window by any means quits as the Quit button does.
void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace quillday
