// Renders the Help, Credits and Calendars windows offscreen to PNG files, in
// English and German, for looking at their layout without a display:
// texts_screenshots <folder>. Long texts are also rendered scrolled to their
// end, and the Credits window also with the shorter text box the main window
// gives it.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cstdio>
#include <memory>

#include "forms/design.h"
#include "forms/frm_calendars.h"
#include "forms/frm_credits.h"
#include "forms/frm_help.h"

namespace {

using quillday::InfoWindow;

struct Language {
    GEN_TEXT::LanguageCode code;
    const char* name;
};

constexpr Language kLanguages[] = {{GEN_TEXT::English, "English"}, {GEN_TEXT::German, "German"}};

// The Credits window as the main window shows it: a text box 1200 twips high
// and the Close button 50 twips below it, in a window 2200 twips high with
// its frame.
constexpr int kPlacedCreditsHeightTwips = 2200;
constexpr int kPlacedCreditsTextHeightTwips = 1200;
constexpr int kPlacedCreditsGapTwips = 50;

bool Save(QWidget& window, const QDir& folder, const QString& name) {
    QApplication::processEvents();  // lets the text box lay out its scroll bar
    const QString path = folder.filePath(name + ".png");
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void ShowActivated(InfoWindow& window, GEN_TEXT::LanguageCode language) {
    window.SetLanguage(language);
    window.show();
    QApplication::processEvents();
    window.Form_Activate();
}

bool SaveScrolledToEnd(InfoWindow& window, const QDir& folder, const QString& name) {
    QScrollBar* bar = window.txbMsg->verticalScrollBar();
    bar->setValue(bar->maximum());
    return Save(window, folder, name + "-end");
}

void PlaceLikeMainWindow(quillday::frmCredits& credits) {
    using quillday::kTwipsPerPixel;
    credits.SetOuterHeight(kPlacedCreditsHeightTwips / kTwipsPerPixel);
    QPlainTextEdit* text = credits.txbMsg;
    text->resize(text->width(), kPlacedCreditsTextHeightTwips / kTwipsPerPixel);
    credits.cmdClose->move(credits.cmdClose->x(),
                           text->y() + text->height() + kPlacedCreditsGapTwips / kTwipsPerPixel);
}

bool SaveLanguage(const Language& language, const QDir& folder) {
    const QString suffix = QStringLiteral("-") + QString::fromLatin1(language.name);
    bool saved = true;

    quillday::frmHelp help;
    ShowActivated(help, language.code);
    saved = Save(help, folder, "frmHelp" + suffix) && saved;
    saved = SaveScrolledToEnd(help, folder, "frmHelp" + suffix) && saved;

    quillday::frmCalendars calendars;
    ShowActivated(calendars, language.code);
    saved = Save(calendars, folder, "frmCalendars" + suffix) && saved;
    saved = SaveScrolledToEnd(calendars, folder, "frmCalendars" + suffix) && saved;

    quillday::frmCredits credits;
    ShowActivated(credits, language.code);
    saved = Save(credits, folder, "frmCredits" + suffix) && saved;
    PlaceLikeMainWindow(credits);
    saved = Save(credits, folder, "frmCredits-placed" + suffix) && saved;
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    bool saved = true;
    for (const Language& language : kLanguages) {
        saved = SaveLanguage(language, folder) && saved;
    }
    return saved ? 0 : 1;
}
