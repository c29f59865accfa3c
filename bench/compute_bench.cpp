// One Compute command of each request kind through the real main window on
// the offscreen platform, beside one ParseDateText for scale.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <memory>

#include "datelib/date_text.h"
#include "frm_main.h"

namespace {

class FixedClock final : public quillday::LocalClock {
  public:
    quillday::LocalDateTime Now() const override { return {2012, 12, 30, 9, 0}; }
};

class SilentMessageBoxes final : public quillday::MessageBoxes {
  public:
    void Error(QWidget*, const QString&, const QString&) override {}
    Answer Question(QWidget*, const QString&, const QString&) override { return Answer::Yes; }
    void Exclamation(QWidget*, const QString&, const QString&) override {}
};

class NoBrowser final : public quillday::WebOpener {
  public:
    bool Open(const QUrl&) override { return true; }
};

quillday::frmMain& Window() {
    static quillday::frmMain window({std::make_shared<FixedClock>(),
                                     std::make_shared<SilentMessageBoxes>(),
                                     std::make_shared<NoBrowser>(), "/nonexistent/qly5.usr", ""});
    return window;
}

struct Request {
    const char* first;
    const char* days;
    const char* second;
    const char* secondKind;
};

void RunCompute(benchmark::State& state, const Request& request) {
    quillday::frmMain& window = Window();
    auto* first = window.findChild<QLineEdit*>("txbFirstDate");
    auto* days = window.findChild<QLineEdit*>("txbDateDiffDays");
    auto* second = window.findChild<QLineEdit*>("txbSecondDate");
    auto* output = window.findChild<QPlainTextEdit*>("txbOutput");
    window.findChild<QRadioButton*>(QString("optSecondDateIs") + request.secondKind)
        ->setChecked(true);
    for (auto _ : state) {
        state.PauseTiming();
        first->setText(request.first);
        days->setText(request.days);
        second->setText(request.second);
        output->clear();
        state.ResumeTiming();
        window.cmdCompute_Click();
    }
}

void BM_Compute_Forward(benchmark::State& s) {
    RunCompute(s, {"2012-12-31", "10", "", "CE"});
}
void BM_Compute_Backward(benchmark::State& s) {
    RunCompute(s, {"", "10", "2013-01-10", "CE"});
}
void BM_Compute_Conversion(benchmark::State& s) {
    RunCompute(s, {"2012-12-31", "", "", "JDN"});
}
void BM_Compute_Difference(benchmark::State& s) {
    RunCompute(s, {"2012-01-01", "", "2013-03-15", "CE"});
}

void BM_ParseDateText(benchmark::State& state) {
    for (auto _ : state) {
        CalendarDate date{};
        benchmark::DoNotOptimize(datelib::ParseDateText(
            "2012-12-31", "-", datelib::CalendarKind::CE, datelib::DateOrder::YMD, date));
    }
}

BENCHMARK(BM_ParseDateText);
BENCHMARK(BM_Compute_Forward)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compute_Backward)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compute_Conversion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compute_Difference)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
