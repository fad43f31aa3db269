// The front end against bare Qt programs doing the least the same job needs,
// each pair measured side by side in one run and reported as a ratio.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "qt/font_substitutes.h"
#include "qt/form_renderer.h"
#include "qt/form_window.h"
#include "qt/window_manager.h"
#include "ui/lumora_program.h"

extern char** environ;

namespace {

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Adds up the pixels a widget is asked to paint.
class PaintMeter : public QObject {
public:
    explicit PaintMeter(QWidget* widget) { widget->installEventFilter(this); }
    double pixels = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += static_cast<double>(r.width()) * r.height();
        return false;
    }
};

// The least a walk needs: one 48 x 48 sprite on a plain window, repainting
// only its old and new place.
class BareSprite : public QWidget {
public:
    BareSprite() : sprite_(QStringLiteral(":/MainWindow/LeftWalk_1.png")) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(576, 432);
    }
    void step() {
        if (at_.x() + step_ < 0 || at_.x() + step_ > width() - 48) step_ = -step_;
        const QRect before(at_, QSize(48, 48));
        at_.rx() += step_;
        update(before);
        update(QRect(at_, QSize(48, 48)));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        for (const QRect& r : event->region()) p.fillRect(r, Qt::white);
        p.drawPixmap(at_, sprite_);
    }

private:
    QPixmap sprite_;
    QPoint at_{240, 240};
    int step_ = -12;
};

// Stage 1 on a floor of walls, the character in the middle, opened with Load.
class WalkScene {
public:
    WalkScene() {
        const std::string folder = dir_.path().toStdString();
        std::string rows;
        for (const char* r : {".........", ".........", ".........", ".........", ".........",
                              "....P....", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"})
            rows += std::string(r) + "\r\n";
        for (const char* name : {"/mmap1.bkm", "/amap1.bkm"})
            std::ofstream(folder + name, std::ios::binary) << rows << "4\r\n20\r\n";
        std::ofstream(folder + "/save.bkm", std::ios::binary) << "1\r\n";
        game_ = std::make_unique<ui::LumoraProgram>(folder, 15.0f);
        qtfront::WindowManager::Hooks hooks;
        hooks.reportError = [](const QString&) {};
        hooks.tellPlayer = [](const QString&) {};
        hooks.finish = [](int) {};
        windows_ = std::make_unique<qtfront::WindowManager>(
            *game_, [this] { return now_; }, std::move(hooks));
        windows_->start();
        click("Menu", pixelOf("Menu", "Command2"));
    }
    ~WalkScene() {
        windows_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* board() { return windows_->widget("MainWindow"); }
    bool walking() {
        forms::Form* f = game_->program().find("MainWindow");
        return f->findTimer("LeftWalkTimer")->Enabled() ||
               f->findTimer("RightWalkTimer")->Enabled();
    }
    // Sends the character to the far end of the floor from where it stands.
    void turn() {
        const float x = game_->program().find("MainWindow")->find("AnimeFrame")->Left;
        click("MainWindow", QPoint(x < 200 ? 8 * 48 + 24 : 24, 5 * 48 + 24));
    }
    // Runs the tick and asks for its repaint; the repaint itself waits for
    // the event loop.
    void tick() {
        now_ += 100;
        windows_->clock().wake();
    }

private:
    QPoint pixelOf(const std::string& form, const std::string& control) {
        return qtfront::pixelRect(*game_->program().find(form)->find(control)).center();
    }
    void click(const std::string& form, QPoint at) {
        QTest::mouseClick(windows_->widget(form), Qt::LeftButton, Qt::NoModifier, at);
        QCoreApplication::processEvents();
    }
    QTemporaryDir dir_;
    std::int64_t now_ = 0;
    std::unique_ptr<ui::LumoraProgram> game_;
    std::unique_ptr<qtfront::WindowManager> windows_;
};

// One walk tick of the game against one step of the bare sprite, taken in
// turn so both see the same machine. The repaint is timed apart from the tick
// that asks for it: the game's tick also runs the game and finds the damage.
void walkTick(benchmark::State& state) {
    WalkScene scene;
    BareSprite bare;
    bare.show();
    QCoreApplication::processEvents();
    PaintMeter gameMeter(scene.board()), bareMeter(&bare);
    std::vector<double> gameTick, gamePaint, bareTick, barePaint;
    double gamePixels = 0, barePixels = 0;
    for (auto _ : state) {
        if (!scene.walking()) {
            state.PauseTiming();
            scene.turn();
            state.ResumeTiming();
        }
        gameMeter.pixels = 0;
        double t0 = threadCpuMs();
        scene.tick();
        double t1 = threadCpuMs();
        QCoreApplication::processEvents();
        const double t2 = threadCpuMs();
        gameTick.push_back(t2 - t0);
        gamePaint.push_back(t2 - t1);
        gamePixels += gameMeter.pixels;

        bareMeter.pixels = 0;
        t0 = threadCpuMs();
        bare.step();
        t1 = threadCpuMs();
        QCoreApplication::processEvents();
        const double t3 = threadCpuMs();
        bareTick.push_back(t3 - t0);
        barePaint.push_back(t3 - t1);
        barePixels += bareMeter.pixels;
    }
    const double n = static_cast<double>(state.iterations());
    auto ratio = [](double a, double b) { return a / std::max(1e-9, b); };
    state.counters["paint_us"] = median(gamePaint) * 1e3;
    state.counters["bare_paint_us"] = median(barePaint) * 1e3;
    state.counters["paint_ratio"] = ratio(median(gamePaint), median(barePaint));
    state.counters["tick_us"] = median(gameTick) * 1e3;
    state.counters["bare_tick_us"] = median(bareTick) * 1e3;
    state.counters["tick_ratio"] = ratio(median(gameTick), median(bareTick));
    state.counters["px"] = gamePixels / n;
    state.counters["bare_px"] = barePixels / n;
    state.counters["px_ratio"] = ratio(gamePixels, barePixels);
}
BENCHMARK(walkTick)->Iterations(20000);

struct ProcessCost {
    double wallMs = 0;
    double cpuMs = 0;
};

ProcessCost runDriver(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    std::string path = LUMORA_BENCH_DRIVER;
    argv.push_back(path.data());
    std::vector<std::string> copies = args;
    for (auto& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto wall = std::chrono::steady_clock::now() - start;
    auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return {std::chrono::duration<double, std::milli>(wall).count(),
            ms(usage.ru_utime) + ms(usage.ru_stime)};
}

// From exec to the menu's first paint, against a bare 288 x 288 window's,
// the two started in turn.
void firstPaint(benchmark::State& state) {
    std::vector<double> gameWall, bareWall, gameCpu, bareCpu, ratio;
    for (auto _ : state) {
        const ProcessCost game = runDriver({"first-paint"});
        const ProcessCost bare = runDriver({"bare-window"});
        gameWall.push_back(game.wallMs);
        bareWall.push_back(bare.wallMs);
        gameCpu.push_back(game.cpuMs);
        bareCpu.push_back(bare.cpuMs);
        ratio.push_back(game.wallMs / std::max(1e-9, bare.wallMs));
    }
    state.counters["game_ms"] = median(gameWall);
    state.counters["bare_ms"] = median(bareWall);
    state.counters["wall_ratio"] = median(ratio);
    state.counters["game_cpu_ms"] = median(gameCpu);
    state.counters["bare_cpu_ms"] = median(bareCpu);
    state.counters["cpu_ratio"] = median(gameCpu) / std::max(1e-9, median(bareCpu));
}
BENCHMARK(firstPaint)->Iterations(40)->UseRealTime()->Unit(benchmark::kMillisecond);

// Reads the figures a driver prints as "name: number" lines.
std::map<std::string, double> driverFigures(const std::string& args) {
    std::map<std::string, double> out;
    const std::string command = std::string(LUMORA_BENCH_DRIVER) + " " + args;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char line[256];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        const auto colon = text.rfind(':');
        if (colon != std::string::npos) out[text.substr(0, colon)] = std::atof(&text[colon + 1]);
    }
    pclose(pipe);
    return out;
}

// Resident memory after 1,000 Start/Exit cycles against after one.
void gameWindowCycles(benchmark::State& state) {
    for (auto _ : state) {
        auto figures = driverFigures("cycles 1000");
        state.counters["one_kB"] = figures["resident kB after 1 cycle"];
        state.counters["growth_kB"] = figures["growth kB"];
        state.counters["ratio"] = figures["ratio"];
    }
}
BENCHMARK(gameWindowCycles)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// A game window standing open with no timer running for five seconds.
void idleWakeUps(benchmark::State& state) {
    for (auto _ : state) {
        auto figures = driverFigures("idle 5");
        for (const auto& [name, value] : figures) state.counters["wake_ups"] = value - 1;
    }
}
BENCHMARK(idleWakeUps)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    qtfront::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
