// The program's outside world, behind small interfaces: the clock, message
// boxes and the web-page opener. The windows receive them, so tests run
// them with fakes.
#ifndef SERVICES_SEAMS_H
#define SERVICES_SEAMS_H

#include <QString>
#include <QUrl>

class QWidget;

namespace quillday {

struct LocalDateTime {
    int year;
    int month;  // 1-12
    int day;    // 1-31
    int hour;   // 0-23
    int minute;
};

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    // The local date and time now.
    virtual LocalDateTime Now() const = 0;
};

class MessageBoxes {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~MessageBoxes() = default;
    // A modal error message with an OK button.
    virtual void Error(QWidget* parent, const QString& title, const QString& text) = 0;
    // A modal question with Yes, No and Cancel buttons.
    virtual Answer Question(QWidget* parent, const QString& title, const QString& text) = 0;
    // A modal message with an exclamation icon and an OK button.
    virtual void Exclamation(QWidget* parent, const QString& title, const QString& text) = 0;
};

class WebOpener {
  public:
    virtual ~WebOpener() = default;
    // Opens the address in the user's browser; false when that failed.
    virtual bool Open(const QUrl& address) = 0;
};

}  // namespace quillday

#endif
