#include "main_window_layout.h"

#include <array>

namespace quillday {

namespace {

using K = ControlKind;

// clang-format off
constexpr std::array kControls = {
    ControlDesign{"lblIntro", K::Label, "", 120, 105, 8715, 765, ""},
    ControlDesign{"cboLanguage", K::ComboBox, "", 8925, 140, 1695, 360, ""},
    ControlDesign{"cmdHelp", K::Button, "", 8925, 735, 1590, 270, "Help"},
    ControlDesign{"cmdCalendars", K::Button, "", 8925, 1155, 1590, 270, "Calendars"},
    ControlDesign{"cmdCredits", K::Button, "", 8925, 1575, 1590, 270, "Credits"},

    ControlDesign{"Frame4", K::Frame, "", 105, 945, 8490, 945, ""},
    ControlDesign{"lblDateFormat", K::Label, "Frame4", 0, 0, 1920, 255, "Date format:"},
    ControlDesign{"frmDateFormat", K::Frame, "Frame4", 2310, 0, 6105, 330, ""},
    ControlDesign{"optDateFormatIsYMD", K::OptionButton, "frmDateFormat", 0, 0, 1875, 255, "year month day"},
    ControlDesign{"optDateFormatIsDMY", K::OptionButton, "frmDateFormat", 1800, 0, 1725, 255, "day month year"},
    ControlDesign{"optDateFormatIsMDY", K::OptionButton, "frmDateFormat", 3675, 0, 1800, 255, "month day year"},
    ControlDesign{"lblDateSeparator", K::Label, "Frame4", 0, 315, 2250, 255, "Date separator:"},
    ControlDesign{"frmDateSeparator", K::Frame, "Frame4", 2310, 315, 6105, 330, ""},
    ControlDesign{"optSeparatorIsDash", K::OptionButton, "frmDateSeparator", 0, 0, 1590, 255, "2000-01-01"},
    ControlDesign{"optSeparatorIsDot", K::OptionButton, "frmDateSeparator", 1800, 0, 1590, 255, "2000.01.01"},
    ControlDesign{"optSeparatorIsSlash", K::OptionButton, "frmDateSeparator", 3675, 0, 1590, 255, "2000/01/01"},
    ControlDesign{"lblThousandsSeparator", K::Label, "Frame4", 0, 630, 2130, 255, "Thousands separator:"},
    ControlDesign{"optThousSepIsComma", K::OptionButton, "Frame4", 2325, 630, 1455, 255, "2,000,000"},
    ControlDesign{"optThousSepIsDot", K::OptionButton, "Frame4", 4125, 630, 1335, 255, "2.000.000"},
    ControlDesign{"optThousSepNone", K::OptionButton, "Frame4", 5985, 630, 1335, 255, "none"},

    ControlDesign{"Frame3", K::Frame, "", 105, 1890, 10575, 3465, ""},
    ControlDesign{"lblFirstDate", K::Label, "Frame3", 0, 105, 1395, 255, "First date:"},
    ControlDesign{"cmdToday(0)", K::Button, "Frame3", 1575, 105, 855, 255, "Today"},
    ControlDesign{"txbFirstDate", K::InputBox, "Frame3", 0, 420, 2450, 360, ""},
    ControlDesign{"VScroll(0)", K::VerticalScrollBar, "Frame3", 2520, 420, 225, 360, ""},
    ControlDesign{"lblDateDifference", K::Label, "Frame3", 2940, 105, 2310, 255, "Date difference:"},
    ControlDesign{"txbDateDiffDays", K::InputBox, "Frame3", 2940, 420, 1560, 360, ""},
    ControlDesign{"lblDayOrDays", K::Label, "Frame3", 4545, 495, 630, 255, "days"},
    ControlDesign{"lblSecondDate", K::Label, "Frame3", 5250, 105, 1530, 255, "Second date:"},
    ControlDesign{"cmdToday(1)", K::Button, "Frame3", 6825, 105, 855, 255, "Today"},
    ControlDesign{"txbSecondDate", K::InputBox, "Frame3", 5250, 420, 2450, 360, ""},
    ControlDesign{"VScroll(1)", K::VerticalScrollBar, "Frame3", 7770, 420, 225, 360, ""},
    ControlDesign{"cmdMoveSecondDateToFirst", K::Button, "Frame3", 8190, 420, 2220, 330, "Second -> First"},
    ControlDesign{"Frame1", K::Frame, "Frame3", 0, 945, 3675, 1770, ""},
    ControlDesign{"lblThisIsA(0)", K::Label, "Frame1", 0, 0, 1860, 255, "This is a"},
    ControlDesign{"optFirstDateIsCE", K::OptionButton, "Frame1", 0, 300, 3675, 255, "Common Era date"},
    ControlDesign{"optFirstDateIsJC", K::OptionButton, "Frame1", 0, 600, 3675, 255, "Julian calendar date"},
    ControlDesign{"optFirstDateIsAN", K::OptionButton, "Frame1", 0, 900, 3675, 255, "Annus Novus date"},
    ControlDesign{"optFirstDateIsJDN", K::OptionButton, "Frame1", 0, 1200, 3675, 255, "Julian day number"},
    ControlDesign{"optFirstDateIsDIY", K::OptionButton, "Frame1", 0, 1500, 3675, 255, "yyyyddd date"},
    ControlDesign{"lblClear", K::Label, "Frame3", 4305, 1050, 930, 255, "Clear"},
    ControlDesign{"cmdClearFirstDate", K::Button, "Frame3", 3570, 1365, 2505, 255, "First date"},
    ControlDesign{"cmdClearSecondDate", K::Button, "Frame3", 3570, 1680, 2505, 255, "Second date"},
    ControlDesign{"cmdClearDateDiffDays", K::Button, "Frame3", 3570, 1995, 2505, 255, "Date difference"},
    ControlDesign{"cmdClearInputWindows", K::Button, "Frame3", 3675, 2310, 2400, 255, "Input windows"},
    ControlDesign{"cmdClearOutputWindow", K::Button, "Frame3", 3675, 2625, 2400, 255, "Output window"},
    ControlDesign{"Frame2", K::Frame, "Frame3", 6510, 945, 4095, 1770, ""},
    ControlDesign{"lblThisIsA(1)", K::Label, "Frame2", 0, 0, 1965, 255, "This is a"},
    ControlDesign{"optSecondDateIsCE", K::OptionButton, "Frame2", 0, 300, 4095, 255, "Common Era date (CE)"},
    ControlDesign{"optSecondDateIsJC", K::OptionButton, "Frame2", 0, 600, 4095, 255, "Julian calendar date (JC)"},
    ControlDesign{"optSecondDateIsAN", K::OptionButton, "Frame2", 0, 900, 4095, 255, "Annus Novus date (AN)"},
    ControlDesign{"optSecondDateIsJDN", K::OptionButton, "Frame2", 0, 1200, 4095, 255, "Julian day number (JDN)"},
    ControlDesign{"optSecondDateIsDIY", K::OptionButton, "Frame2", 0, 1500, 4095, 255, "yyyyddd date"},
    ControlDesign{"lblTodaysDate", K::ClickLabel, "Frame3", 65, 2780, 3270, 705, "Today's date"},
    ControlDesign{"lblWeekFromToday", K::ClickLabel, "Frame3", 6575, 2780, 3915, 645, "A week from today is"},
    ControlDesign{"cmdCompute", K::Button, "Frame3", 8770, 3055, 1680, 330, "Compute", ControlFont::Compute},

    ControlDesign{"Frame6", K::Frame, "", 105, 5355, 10530, 2745, ""},
    ControlDesign{"txbOutput", K::OutputBox, "Frame6", 60, 20, 10410, 1900, "", ControlFont::Output},
    ControlDesign{"lblCopyrightNotice", K::Label, "Frame6", 45, 1965, 1590, 255, "© Quillday 7.3"},
    ControlDesign{"lblVarnholtWorks", K::LinkLabel, "Frame6", 1575, 1965, 1590, 255, "Varnholt Works"},
    ControlDesign{"lblOnlineDocumentation", K::LinkLabel, "Frame6", 45, 2205, 2325, 330, "Online documentation"},
    ControlDesign{"cmdCopyToClipboard", K::Button, "Frame6", 3570, 2050, 4845, 330, "Copy to clipboard"},
    ControlDesign{"cmdQuit", K::Button, "Frame6", 8955, 2050, 1485, 330, "Quit"},
};
// clang-format on

constexpr std::string_view kDateFormats[] = {"optDateFormatIsYMD", "optDateFormatIsDMY",
                                             "optDateFormatIsMDY"};
constexpr std::string_view kDateSeparators[] = {"optSeparatorIsDash", "optSeparatorIsDot",
                                                "optSeparatorIsSlash"};
constexpr std::string_view kThousandsSeparators[] = {"optThousSepIsComma", "optThousSepIsDot",
                                                     "optThousSepNone"};
constexpr std::string_view kFirstDateNotations[] = {"optFirstDateIsCE", "optFirstDateIsJC",
                                                    "optFirstDateIsAN", "optFirstDateIsJDN",
                                                    "optFirstDateIsDIY"};
constexpr std::string_view kSecondDateNotations[] = {"optSecondDateIsCE", "optSecondDateIsJC",
                                                     "optSecondDateIsAN", "optSecondDateIsJDN",
                                                     "optSecondDateIsDIY"};

constexpr OptionGroup kOptionGroups[] = {kDateFormats, kDateSeparators, kThousandsSeparators,
                                         kFirstDateNotations, kSecondDateNotations};

constexpr LabelBuddy kBuddies[] = {{"lblFirstDate", "txbFirstDate"},
                                   {"lblDateDifference", "txbDateDiffDays"},
                                   {"lblSecondDate", "txbSecondDate"}};

}  // namespace

std::span<const ControlDesign> MainWindowControls() {
    return kControls;
}

std::span<const OptionGroup> MainWindowOptionGroups() {
    return kOptionGroups;
}

std::span<const LabelBuddy> MainWindowBuddies() {
    return kBuddies;
}

}  // namespace quillday
