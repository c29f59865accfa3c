// The main window: every control of the user interface, the state the
// handlers share, and the handlers themselves.
#ifndef APP_FRM_MAIN_H
#define APP_FRM_MAIN_H

#include <QString>
#include <QWidget>
#include <span>
#include <string_view>

#include <array>
#include <memory>

#include "compute/compute_command.h"
#include "compute/input_messages.h"
#include "compute/result_lines.h"
#include "controls.h"
#include "date_field.h"
#include "datelib/date_values.h"
#include "display_options.h"
#include "forms/frm_calendars.h"
#include "forms/frm_credits.h"
#include "forms/frm_help.h"
#include "services/services.h"
#include "special_days.h"

class QComboBox;
class QKeyEvent;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace quillday {

class frmMain : public QWidget {
    Q_OBJECT

  public:
    // Builds the window and runs its start-up (Form_Load), which shows it.
    explicit frmMain(Services services = Services::Real(), QWidget* parent = nullptr);

    // The Compute command, as a click on its button runs it.
    void cmdCompute_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Queries the handlers share.
    datelib::Display GetDisplay() const;
    int32_t TodayJdn() const;
    DateField& Date(int n) const;                     // n = 1 first date box, else the second
    datelib::CalendarKind GetInputKind(int n) const;  // the notation of Date(n)
    void FocusInput(int n);
    QString DayWord(int32_t n) const;

    // Today labels, clock and special days.
    void RefreshTodayDisplay();
    void Clock_Timer();
    void lblTodaysDate_MouseUp(Qt::MouseButton button);
    void lblWeekFromToday_MouseUp(Qt::MouseButton button);
    void cmdToday_Click(int index);
    void ShowSpecialDayMessage();

    // Input fields and notation choice.
    bool txbFirstDate_KeyPress(char32_t key);
    bool txbSecondDate_KeyPress(char32_t key);
    bool txbDateDiffDays_KeyPress(char32_t key);
    void cmdClearFirstDate_Click();
    void cmdClearSecondDate_Click();
    void cmdClearDateDiffDays_Click();
    void cmdClearInputWindows_Click();
    // The ten handlers optFirstDateIsCE_Click ... optSecondDateIsDIY_Click:
    // box n takes notation to.
    void optDateIs_Click(int n, datelib::CalendarKind from, datelib::CalendarKind to);
    std::optional<QString> ConvertDateToNewKind(const QString& text, datelib::CalendarKind from,
                                                datelib::CalendarKind to);
    void VScroll_Change(int index);
    QString SteppedText(int n, const QString& text, int32_t days);

    // Language switching.
    void cboLanguage_Click();
    void FillLanguageList();
    int LanguageListIndex(int code) const;
    void ApplyCaptions();
    // Names and descriptions for screen readers of the controls that have no
    // caption of their own, after the captions beside them.
    void ApplyAccessibleTexts();

    // Output window and clipboard.
    void cmdClearOutputWindow_Click();
    void cmdCopyToClipboard_Click();
    void txbOutput_LostFocus();
    void cmdCopyToClipboard_LostFocus();
    void EmptyOutputSelection();
    void UpdateCopyButton();

    // Saved settings.
    void ApplyDefaultOptions();
    void LoadSettings();
    void SaveSettings();
    void Form_Unload();

    // Other commands.
    void cmdMoveSecondDateToFirst_Click();
    void cmdHelp_Click();
    void cmdCalendars_Click();
    void cmdCredits_Click();
    void cmdQuit_Click();

    // The two link labels.
    void lblVarnholtWorks_Click();
    void lblOnlineDocumentation_Click();

    // The window's state.
    datelib::CalendarKind todayNotation = datelib::CalendarKind::CE;
    GEN_TEXT::LanguageCode language_ = GEN_TEXT::English;  // of every caption, line and message

    void BuildControls();
    void FindControls();
    void ConnectHandlers();
    void GroupOptionButtons();
    void PairLabelsWithControls();
    void KeepCaptionsWhole();
    void NameDaysBox();
    void TakeDateFields();
    void Form_Load();
    void InitSettingsAndInputs();
    void ApplyColourScheme();
    void RestoreSettings();
    void CloseInformationWindows();
    void PassLanguageToInformationWindows();
    template <typename Window>
    Window& InformationWindow(std::unique_ptr<Window>& window);
    void ShowBesideMainWindow(QWidget& window);
    void PlaceOverOutputBand(QWidget& window, QSize outerSize) const;
    void SelectLanguageEntry(int index);
    void ClearInputWindows();
    void TakeDisplayOptions();
    void ChangeDateForm();
    void TodayLabel_MouseUp(Qt::MouseButton button);
    void WriteTodayInto(QLineEdit* box, datelib::CalendarKind kind);
    void ShowMessage(InputMessageId id);
    QString ErrorTitle() const;
    void TrimInputs();
    bool AllInputsFilled() const;
    bool UserClearsDays();
    ComputeFields Fields() const;
    void WriteFields(const ComputeFields& fields);
    void ShowAnswer(const ComputeAnswer& answer);
    void AppendOutput(const std::string& text);
    void EndLine(int32_t days);
    bool FilterKey(QObject* box, QKeyEvent* event);
    bool LabelClicked(QObject* label, Qt::MouseButton button);
    bool DateKeyPress(char32_t key, QLineEdit* box);

    struct ButtonHandler {
        std::string_view name;
        void (frmMain::*handler)();
    };
    static const ButtonHandler kButtonHandlers[];

    // The control of this window with that objectName.
    template <typename Widget>
    Widget* Control(std::string_view name) const {
        return FindControl<Widget>(*this, name);
    }

    Services services_;
    QTimer* Clock = nullptr;

    QLabel* lblIntro = nullptr;
    QComboBox* cboLanguage = nullptr;
    std::unique_ptr<DisplayOptions> displayOptions_;
    QLineEdit* txbFirstDate = nullptr;
    QLineEdit* txbSecondDate = nullptr;
    QLineEdit* txbDateDiffDays = nullptr;
    QLabel* lblDayOrDays = nullptr;
    std::array<std::unique_ptr<DateField>, 2> dates_;
    QLabel* lblTodaysDate = nullptr;
    QLabel* lblWeekFromToday = nullptr;
    QPlainTextEdit* txbOutput = nullptr;
    QLabel* lblVarnholtWorks = nullptr;
    QLabel* lblOnlineDocumentation = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdQuit = nullptr;
    // The information windows, created on first use and kept.
    std::unique_ptr<frmHelp> help_;
    std::unique_ptr<frmCalendars> calendars_;
    std::unique_ptr<frmCredits> credits_;
};

}  // namespace quillday

#endif
