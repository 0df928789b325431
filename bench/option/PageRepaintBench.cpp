// Repaints of the configuration application's main window: switching between
// the six tabs, and dragging the sensitivity slider through its range, each
// step painted at once. Reports the median and the 99th percentile per repaint
// (and apart, the slowest first visit of a tab, which builds its page);
// the target is under 16 ms, so the window never drops a frame. Needs an X
// display (run it under xvfb-run).

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "option/app/MainSettingsPage.h"
#include "option/app/MainWindow.h"
#include "option/app/SystemDialogs.h"
#include "option/skin/SkinSlider.h"
#include "tests/support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;
constexpr double kTargetMs = 16.0;

class NoDialogs final : public option::app::SystemDialogs {
public:
    std::optional<QString> profileToLoad(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<QString> profileToSave(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<QString> programFile(QWidget*, const QString&) override { return std::nullopt; }
    void showFailure(QWidget*, const QString&, const QString&) override {}
};

// The main window over a private installation folder with the drawn skin.
class Window {
public:
    Window()
    {
        fs::create_directories(folder_.file("config"));
        for (const char* data : {"skin", "help", "Gif", "Wave"})
            fs::create_directory_symlink(fs::path(ZURO_DIST_DIR) / data, folder_.file(data));
        option::app::MainWindowEnvironment environment;
        environment.folder = settings::InstallFolder(folder_.folder());
        environment.dialogs = &dialogs_;
        environment.createPointerSettings = {};
        window_ = std::make_unique<option::app::MainWindow>(std::move(environment));
        window_->show();
        exposed_ = QTest::qWaitForWindowExposed(window_.get());
    }
    bool exposed() const { return exposed_; }
    option::app::MainWindow& get() { return *window_; }

private:
    testsupport::TemporaryFolder folder_{"option-repaint-bench"};
    NoDialogs dialogs_;
    std::unique_ptr<option::app::MainWindow> window_;
    bool exposed_ = false;
};

double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    return samples[index];
}

// Runs `step` and the repaint it causes, in milliseconds.
template <typename Step>
double timed(option::app::MainWindow& window, Step step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    QCoreApplication::sendPostedEvents();
    window.repaint();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void report(benchmark::State& state, const std::vector<double>& samples)
{
    state.counters["median_ms"] = percentile(samples, 0.5);
    state.counters["p99_ms"] = percentile(samples, 0.99);
    state.counters["target_ms"] = kTargetMs;
}

void BM_TabSwitchRepaint(benchmark::State& state)
{
    Window window;
    if (!window.exposed()) {
        state.SkipWithError("no window on the display");
        return;
    }
    // A page is built the first time its tab is chosen: that one-off is reported
    // apart from the switches between built pages.
    double firstVisit = 0;
    for (int page = 1; page <= option::app::kPageCount; ++page)
        firstVisit = std::max(firstVisit, timed(window.get(), [&] {
            window.get().selectPage(static_cast<option::app::PageId>(page % option::app::kPageCount));
        }));
    state.counters["first_visit_max_ms"] = firstVisit;
    std::vector<double> samples;
    int tab = 0;
    for (auto _ : state) {
        tab = (tab + 1) % option::app::kPageCount;
        samples.push_back(
            timed(window.get(), [&] { window.get().selectPage(static_cast<option::app::PageId>(tab)); }));
    }
    report(state, samples);
}

void BM_SliderDragRepaint(benchmark::State& state)
{
    Window window;
    window.get().selectPage(option::app::PageId::MainSettings);
    auto* page = dynamic_cast<option::app::MainSettingsPage*>(window.get().page(option::app::PageId::MainSettings));
    if (!window.exposed() || !page) {
        state.SkipWithError("no main settings page on the display");
        return;
    }
    option::skin::SkinSlider* slider = page->sensitivitySlider();
    const auto send = [slider](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, slider->mapToGlobal(at), Qt::LeftButton, held, {});
        QApplication::sendEvent(slider, &event);
    };
    std::vector<double> samples;
    const QRect track = slider->trackRect();
    for (auto _ : state) {
        // One drag over the whole track, each pixel a step, then back.
        slider->setValue(slider->model().minimum());
        QPoint at = slider->thumbRect().center();
        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        for (int x = track.left(); x <= track.right(); x += 2) {
            at.setX(x);
            samples.push_back(timed(window.get(), [&] { send(QEvent::MouseMove, at, Qt::LeftButton); }));
        }
        send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    report(state, samples);
}

}  // namespace

BENCHMARK(BM_TabSwitchRepaint)->Unit(benchmark::kMillisecond)->Iterations(120);
BENCHMARK(BM_SliderDragRepaint)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "needs an X display: run under xvfb-run\n");
        return 1;
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
