// The other commands of the main window: moving the second date into the
// first, and quitting.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
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
    credits.SetOuterHeight(Pixels(kCreditsHeightTwips));
    credits.txbMsg->resize(credits.txbMsg->width(), Pixels(kCreditsTextHeightTwips));
    credits.cmdClose->move(credits.cmdClose->x(), credits.txbMsg->y() + credits.txbMsg->height() +
                                                      Pixels(kCreditsCloseGapTwips));
    // Not shown yet, the window has no frame: it will get one like the main
    // window's, and its outer height is fixed.
    const QSize frame = frameGeometry().size() - size();
    PlaceOverOutputBand(credits,
                        QSize(credits.width() + frame.width(), Pixels(kCreditsHeightTwips)));
    credits.exec();
    activateWindow();
    FocusInput(1);
}

// Centred over the main window, its top within the output band wherever the
// main window stands, and wholly on the screen.
void frmMain::PlaceOverOutputBand(QWidget& window, QSize outerSize) const {
    const QWidget* band = Control<QWidget>("Frame6");
    const QPoint bandTop = band->mapToGlobal(QPoint(0, Pixels(kCreditsBelowFrameTopTwips)));
    QRect place(QPoint(x() + (frameGeometry().width() - outerSize.width()) / 2, bandTop.y()),
                outerSize);
    const QRect screenArea = screen()->availableGeometry();
    place.moveRight(std::min(place.right(), screenArea.right()));
    place.moveBottom(std::min(place.bottom(), screenArea.bottom()));
    place.moveLeft(std::max(place.left(), screenArea.left()));
    place.moveTop(std::max(place.top(), screenArea.top()));
    window.move(place.topLeft());
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
