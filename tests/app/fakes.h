// Stand-ins for the main window's outside world.
#ifndef TESTS_APP_FAKES_H
#define TESTS_APP_FAKES_H

#include <QStringList>
#include <memory>

#include "services.h"

namespace quillday::testing {

class FakeClock final : public LocalClock {
  public:
    LocalDateTime now{2012, 12, 31, 14, 5};  // a Monday
    LocalDateTime Now() const override { return now; }
};

class FakeMessageBoxes final : public MessageBoxes {
  public:
    QStringList shown;  // "title|text" of every box, in order
    Answer answer = Answer::Yes;

    void Error(QWidget*, const QString& title, const QString& text) override {
        shown << title + "|" + text;
    }
    Answer Question(QWidget*, const QString& title, const QString& text) override {
        shown << title + "|" + text;
        return answer;
    }
    void Exclamation(QWidget*, const QString& title, const QString& text) override {
        shown << title + "|" + text;
    }
};

class FakeWebOpener final : public WebOpener {
  public:
    QStringList opened;
    bool succeeds = true;
    bool Open(const QUrl& address) override {
        opened << address.toString();
        return succeeds;
    }
};

struct FakeServices {
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<FakeMessageBoxes> messageBoxes = std::make_shared<FakeMessageBoxes>();
    std::shared_ptr<FakeWebOpener> webOpener = std::make_shared<FakeWebOpener>();
    QString settingsFilePath = "/nonexistent/qly5.usr";

    Services ForWindow() const { return {clock, messageBoxes, webOpener, settingsFilePath}; }
};

}  // namespace quillday::testing

#endif
