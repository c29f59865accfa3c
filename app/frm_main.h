// The main window: every control of the user interface, the state the
// handlers share, and the handlers themselves.
#ifndef APP_FRM_MAIN_H
#define APP_FRM_MAIN_H

#include <QString>
#include <QWidget>
#include <span>
#include <string_view>

#include "datelib/date_values.h"
#include "services.h"
#include "special_days.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace quillday {

class frmMain : public QWidget {
    Q_OBJECT

  public:
    // Builds the window and runs its start-up (Form_Load), which shows it.
    explicit frmMain(Services services = Services::Real(), QWidget* parent = nullptr);

    // Queries the handlers share.
    datelib::DateOrder GetDateOrder() const;
    datelib::CalendarKind GetInputKind(int n) const;  // n = 1 first date box, else the second
    void FocusInput(int n);
    QString DayWord(int32_t n) const;
    void AppendWeekdayName(CalendarDate date, datelib::CalendarKind kind);

    // Today labels, clock and special days.
    void RefreshTodayDisplay();
    void Clock_Timer();
    void lblTodaysDate_MouseUp(Qt::MouseButton button);
    void lblWeekFromToday_MouseUp(Qt::MouseButton button);
    void cmdToday_Click(int index);
    void BuildSpecialDayMessages();
    void ShowSpecialDayMessage();

    // Display options.
    void optDateFormatIsYMD_Click();
    void optDateFormatIsDMY_Click();
    void optDateFormatIsMDY_Click();
    void optSeparatorIsDash_Click();
    void optSeparatorIsSlash_Click();
    void optSeparatorIsDot_Click();
    void optThousSepIsComma_Click();
    void optThousSepIsDot_Click();
    void optThousSepNone_Click();

    // The window's state.
    datelib::CalendarKind todayNotation = datelib::CalendarKind::CE;
    datelib::CalendarKind firstDateNotation = datelib::CalendarKind::CE;
    datelib::CalendarKind secondDateNotation = datelib::CalendarKind::CE;
    int16_t maxInputLength = kMaxInputLength;
    QString settingsFilePath;
    std::span<const SpecialDay> specialDayMessages;

    static constexpr int16_t kMaxInputLength = 18;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void FindControls();
    void ConnectHandlers();
    void ConnectOption(QRadioButton* option, void (frmMain::*handler)());
    void Form_Load();
    void InitSettingsAndInputs();
    void ApplyColourScheme();
    void ApplyDefaultOptions();
    void ClearInputWindows();
    void ShowSeparatorSamples(datelib::DateOrder order);
    void ChangeDateOrder(datelib::DateOrder order);
    void ChangeDateSeparator(std::string_view separator);
    void ChangeThousandsSeparator(std::string_view separator);
    void NextTodayNotation();
    void PreviousTodayNotation();
    void TodayLabel_MouseUp(Qt::MouseButton button);
    void WriteTodayInto(QLineEdit* box, datelib::CalendarKind kind);
    void ReportEngineFault(const std::exception& fault);

    template <typename Widget>
    Widget* Control(std::string_view name) const;

    Services services_;
    QTimer* Clock = nullptr;

    QLabel* lblIntro = nullptr;
    QComboBox* cboLanguage = nullptr;
    QRadioButton* optDateFormatIsYMD = nullptr;
    QRadioButton* optDateFormatIsDMY = nullptr;
    QRadioButton* optDateFormatIsMDY = nullptr;
    QRadioButton* optSeparatorIsDash = nullptr;
    QRadioButton* optSeparatorIsDot = nullptr;
    QRadioButton* optSeparatorIsSlash = nullptr;
    QRadioButton* optThousSepIsComma = nullptr;
    QRadioButton* optThousSepIsDot = nullptr;
    QRadioButton* optThousSepNone = nullptr;
    QLineEdit* txbFirstDate = nullptr;
    QLineEdit* txbSecondDate = nullptr;
    QLineEdit* txbDateDiffDays = nullptr;
    QPushButton* cmdToday[2] = {};
    QRadioButton* optFirstDateIs[5] = {};   // indexed by CalendarKind
    QRadioButton* optSecondDateIs[5] = {};  // indexed by CalendarKind
    QLabel* lblTodaysDate = nullptr;
    QLabel* lblWeekFromToday = nullptr;
    QPlainTextEdit* txbOutput = nullptr;
    QLabel* lblVarnholtWorks = nullptr;
    QLabel* lblOnlineDocumentation = nullptr;
};

}  // namespace quillday

#endif
