#include "main_window_layout.h"

#include <array>

namespace quillday {

namespace {

using K = ControlKind;

// clang-format off
constexpr std::array kControls = {
    ControlSpec{"lblIntro", K::Label, "", 120, 105, 8715, 765, ""},
    ControlSpec{"cboLanguage", K::ComboBox, "", 8925, 140, 1695, 360, ""},
    ControlSpec{"cmdHelp", K::Button, "", 8925, 735, 1590, 270, "Help"},
    ControlSpec{"cmdCalendars", K::Button, "", 8925, 1155, 1590, 270, "Calendars"},
    ControlSpec{"cmdCredits", K::Button, "", 8925, 1575, 1590, 270, "Credits"},

    ControlSpec{"Frame4", K::Frame, "", 105, 945, 8490, 945, ""},
    ControlSpec{"lblDateFormat", K::Label, "Frame4", 0, 0, 1920, 255, "Date format:"},
    ControlSpec{"frmDateFormat", K::Frame, "Frame4", 2310, 0, 6105, 330, ""},
    ControlSpec{"optDateFormatIsYMD", K::OptionButton, "frmDateFormat", 0, 0, 1875, 255, "year month day"},
    ControlSpec{"optDateFormatIsDMY", K::OptionButton, "frmDateFormat", 1800, 0, 1725, 255, "day month year"},
    ControlSpec{"optDateFormatIsMDY", K::OptionButton, "frmDateFormat", 3675, 0, 1800, 255, "month day year"},
    ControlSpec{"lblDateSeparator", K::Label, "Frame4", 0, 315, 2250, 255, "Date separator:"},
    ControlSpec{"frmDateSeparator", K::Frame, "Frame4", 2310, 315, 6105, 330, ""},
    ControlSpec{"optSeparatorIsDash", K::OptionButton, "frmDateSeparator", 0, 0, 1590, 255, "2000-01-01"},
    ControlSpec{"optSeparatorIsDot", K::OptionButton, "frmDateSeparator", 1800, 0, 1590, 255, "2000.01.01"},
    ControlSpec{"optSeparatorIsSlash", K::OptionButton, "frmDateSeparator", 3675, 0, 1590, 255, "2000/01/01"},
    ControlSpec{"lblThousandsSeparator", K::Label, "Frame4", 0, 630, 2130, 255, "Thousands separator:"},
    ControlSpec{"optThousSepIsComma", K::OptionButton, "Frame4", 2325, 630, 1455, 255, "2,000,000"},
    ControlSpec{"optThousSepIsDot", K::OptionButton, "Frame4", 4125, 630, 1335, 255, "2.000.000"},
    ControlSpec{"optThousSepNone", K::OptionButton, "Frame4", 5985, 630, 1335, 255, "none"},

    ControlSpec{"Frame3", K::Frame, "", 105, 1890, 10575, 3465, ""},
    ControlSpec{"lblFirstDate", K::Label, "Frame3", 0, 105, 1395, 255, "First date:"},
    ControlSpec{"cmdToday(0)", K::Button, "Frame3", 1575, 105, 855, 255, "Today"},
    ControlSpec{"txbFirstDate", K::InputBox, "Frame3", 0, 420, 2450, 360, ""},
    ControlSpec{"VScroll(0)", K::VerticalScrollBar, "Frame3", 2520, 420, 225, 360, ""},
    ControlSpec{"lblDateDifference", K::Label, "Frame3", 2940, 105, 2310, 255, "Date difference:"},
    ControlSpec{"txbDateDiffDays", K::InputBox, "Frame3", 2940, 420, 1560, 360, ""},
    ControlSpec{"lblDayOrDays", K::Label, "Frame3", 4545, 495, 630, 255, "days"},
    ControlSpec{"lblSecondDate", K::Label, "Frame3", 5250, 105, 1530, 255, "Second date:"},
    ControlSpec{"cmdToday(1)", K::Button, "Frame3", 6825, 105, 855, 255, "Today"},
    ControlSpec{"txbSecondDate", K::InputBox, "Frame3", 5250, 420, 2450, 360, ""},
    ControlSpec{"VScroll(1)", K::VerticalScrollBar, "Frame3", 7770, 420, 225, 360, ""},
    ControlSpec{"cmdMoveSecondDateToFirst", K::Button, "Frame3", 8190, 420, 2220, 330, "Second -> First"},
    ControlSpec{"Frame1", K::Frame, "Frame3", 0, 945, 3675, 1770, ""},
    ControlSpec{"lblThisIsA(0)", K::Label, "Frame1", 0, 0, 1860, 255, "This is a"},
    ControlSpec{"optFirstDateIsCE", K::OptionButton, "Frame1", 0, 300, 3675, 255, "Common Era date"},
    ControlSpec{"optFirstDateIsJC", K::OptionButton, "Frame1", 0, 600, 3675, 255, "Julian calendar date"},
    ControlSpec{"optFirstDateIsAN", K::OptionButton, "Frame1", 0, 900, 3675, 255, "Annus Novus date"},
    ControlSpec{"optFirstDateIsJDN", K::OptionButton, "Frame1", 0, 1200, 3675, 255, "Julian day number"},
    ControlSpec{"optFirstDateIsDIY", K::OptionButton, "Frame1", 0, 1500, 3675, 255, "yyyyddd date"},
    ControlSpec{"lblClear", K::Label, "Frame3", 4305, 1050, 930, 255, "Clear"},
    ControlSpec{"cmdClearFirstDate", K::Button, "Frame3", 3570, 1365, 2505, 255, "First date"},
    ControlSpec{"cmdClearSecondDate", K::Button, "Frame3", 3570, 1680, 2505, 255, "Second date"},
    ControlSpec{"cmdClearDateDiffDays", K::Button, "Frame3", 3570, 1995, 2505, 255, "Date difference"},
    ControlSpec{"cmdClearInputWindows", K::Button, "Frame3", 3675, 2310, 2400, 255, "Input windows"},
    ControlSpec{"cmdClearOutputWindow", K::Button, "Frame3", 3675, 2625, 2400, 255, "Output window"},
    ControlSpec{"Frame2", K::Frame, "Frame3", 6510, 945, 4095, 1770, ""},
    ControlSpec{"lblThisIsA(1)", K::Label, "Frame2", 0, 0, 1965, 255, "This is a"},
    ControlSpec{"optSecondDateIsCE", K::OptionButton, "Frame2", 0, 300, 4095, 255, "Common Era date (CE)"},
    ControlSpec{"optSecondDateIsJC", K::OptionButton, "Frame2", 0, 600, 4095, 255, "Julian calendar date (JC)"},
    ControlSpec{"optSecondDateIsAN", K::OptionButton, "Frame2", 0, 900, 4095, 255, "Annus Novus date (AN)"},
    ControlSpec{"optSecondDateIsJDN", K::OptionButton, "Frame2", 0, 1200, 4095, 255, "Julian day number (JDN)"},
    ControlSpec{"optSecondDateIsDIY", K::OptionButton, "Frame2", 0, 1500, 4095, 255, "yyyyddd date"},
    ControlSpec{"lblTodaysDate", K::Label, "Frame3", 65, 2780, 3270, 705, "Today's date"},
    ControlSpec{"lblWeekFromToday", K::Label, "Frame3", 6575, 2780, 3915, 645, "A week from today is"},
    ControlSpec{"cmdCompute", K::Button, "Frame3", 8770, 3055, 1680, 330, "Compute", ControlFont::Compute},

    ControlSpec{"Frame6", K::Frame, "", 105, 5355, 10530, 2745, ""},
    ControlSpec{"txbOutput", K::OutputBox, "Frame6", 60, 20, 10410, 1900, "", ControlFont::Output},
    ControlSpec{"lblCopyrightNotice", K::Label, "Frame6", 45, 1965, 1590, 255, "© Quillday 7.3"},
    ControlSpec{"lblVarnholtWorks", K::LinkLabel, "Frame6", 1575, 1965, 1590, 255, "Varnholt Works"},
    ControlSpec{"lblOnlineDocumentation", K::LinkLabel, "Frame6", 45, 2205, 2325, 330, "Online documentation"},
    ControlSpec{"cmdCopyToClipboard", K::Button, "Frame6", 3570, 2050, 4845, 330, "Copy to clipboard"},
    ControlSpec{"cmdQuit", K::Button, "Frame6", 8955, 2050, 1485, 330, "Quit"},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> MainWindowControls() {
    return kControls;
}

}  // namespace quillday
