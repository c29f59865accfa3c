// The common shape of the Help, Credits and Calendars windows: a text box
// txbMsg over a Close button cmdClose, one text per language built once when
// the window is loaded (each naming the user guide of its language), and the
// current language's text shown each time the window is activated.
#ifndef FORMS_INFO_WINDOW_H
#define FORMS_INFO_WINDOW_H

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

#include "forms/info_texts.h"
#include "texts/gen_text.h"

class QEvent;
class QPlainTextEdit;
class QPushButton;

namespace quillday {

struct InfoWindowDesign;

class InfoWindow : public QDialog {
    Q_OBJECT

  public:
    // Sets what runs after Close has hidden the window (by the button, the
    // close box or Escape); the main window puts the focus back into its
    // first date box there. An empty function does nothing.
    void SetAfterClose(std::function<void()> afterClose);

    // The language of the caption, the Close button and the text from the
    // next activation on; English until set.
    void SetLanguage(GEN_TEXT::LanguageCode language);

    // Runs each time the window is shown or becomes active: caption, Close
    // button, the text box's name for screen readers and the text in the
    // window's language, the text shown from its beginning with the caret at
    // position 0.
    void Form_Activate();

    // Hides the window (it stays loaded, keeping its texts and position),
    // then runs the after-close hook. Ends exec() when shown modal.
    void cmdClose_Click();

    // The text of a language slot (0-5) as the window shows it.
    const QString& MessageText(GEN_TEXT::LanguageCode language) const;

    // Escape and the close box act as the Close button.
    void reject() override;

    // The controls, for the main window to place and size them.
    QPlainTextEdit* txbMsg = nullptr;
    QPushButton* cmdClose = nullptr;

  protected:
    // Builds the controls after the design and runs Form_Load. The texts
    // table must outlive the window.
    InfoWindow(const InfoWindowDesign& design, const InfoTextSlots& texts, QWidget* parent);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls(const InfoWindowDesign& design);
    void Form_Load();
    void ShowFromBeginning(const QString& text);

    const InfoWindowDesign& design_;
    const InfoTextSlots& textTable_;
    std::array<QString, GEN_TEXT::kLanguageSlots> texts_;
    std::function<void()> afterClose_;
    GEN_TEXT::LanguageCode language_ = GEN_TEXT::English;
};

}  // namespace quillday

#endif
