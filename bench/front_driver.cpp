// Small programs for the front end's benchmarks, each a whole process:
//   lumora-bench-driver first-paint       the game until the menu's first paint
//   lumora-bench-driver pack-first-paint FILE  the same on a pack given as the game takes one
//   lumora-bench-driver bare-window       a bare 288 x 288 window until its first paint
//   lumora-bench-driver cycles N          memory after one and after N Start/Exit cycles
//   lumora-bench-driver idle SECONDS      wake-ups of a standing game window
// The stages are those beside this executable.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "qt/font_substitutes.h"
#include "qt/form_renderer.h"
#include "qt/form_window.h"
#include "qt/window_manager.h"
#include "ui/lumora_program.h"
#include "ui/pack_play.h"

namespace {

// Leaves the event loop once the watched widget has been painted.
class QuitAfterPaint : public QObject {
protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        return false;
    }
};

class BareWindow : public QWidget {
public:
    BareWindow() {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(288, 288);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
    }
};

float screenTwips() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return static_cast<float>(1440.0 / (dpi > 0 ? dpi : 96.0));
}

long residentKb() {
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long peakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void clickOn(qtfront::WindowManager& windows, ui::LumoraProgram& game, const std::string& form,
             const std::string& control) {
    const forms::Form* open = game.program().find(form);
    if (open == nullptr) {
        std::fprintf(stderr, "lumora-bench-driver: %s is not open\n", form.c_str());
        std::exit(1);
    }
    const QPoint at = qtfront::pixelRect(*open->find(control)).center();
    QTest::mouseClick(windows.widget(form), Qt::LeftButton, Qt::NoModifier, at);
    settle();
}

// As `lumora FILE` starts: the pack read and checked whole, then the menu on it.
int packFirstPaint(const std::string& path) {
    const QTemporaryDir dataHome;
    auto opened =
        ui::PackPlay::open(path, dataHome.path().toStdString(), dataHome.path().toStdString());
    if (const auto* e = std::get_if<game::FileError>(&opened)) {
        std::fprintf(stderr, "lumora-bench-driver: %s\n", e->message.c_str());
        return 1;
    }
    ui::PackPlay& pack = *std::get<std::unique_ptr<ui::PackPlay>>(opened);
    const game::ScopedFileIo files(pack.files());
    const std::unique_ptr<ui::LumoraProgram> game = pack.program(screenTwips());
    qtfront::WindowManager windows(*game);
    windows.nameWindowsAfter(QString::fromStdString(pack.title()));
    QuitAfterPaint quitter;
    windows.start();
    if (windows.finished()) return windows.exitCode();
    windows.widget("Menu")->installEventFilter(&quitter);
    return QApplication::exec();
}

int runGame(const std::string& mode, long count) {
    // The stages beside the executable, as the game run from the build folder
    // reads them; the save in a folder of the driver's own.
    const QTemporaryDir saveFolder;
    ui::LumoraProgram game(QCoreApplication::applicationDirPath().toStdString(),
                           saveFolder.path().toStdString(), screenTwips());
    // The clock stands still: nothing but the cycles moves the game.
    qtfront::ClockDriver::Elapsed elapsed;
    if (mode != "first-paint") elapsed = [] { return std::int64_t{0}; };
    qtfront::WindowManager windows(game, elapsed);
    QuitAfterPaint quitter;
    windows.start();
    if (windows.finished()) return windows.exitCode();
    if (mode == "first-paint") {
        windows.widget("Menu")->installEventFilter(&quitter);
        return QApplication::exec();
    }
    settle();
    auto cycle = [&] {
        clickOn(windows, game, "Menu", "Command1");
        clickOn(windows, game, "MainWindow", "Command3");
    };
    if (mode == "cycles") {
        cycle();
        const long one = residentKb();
        for (long i = 1; i < count; ++i) cycle();
        const long many = residentKb();
        std::printf("resident kB after 1 cycle: %ld\nresident kB after %ld cycles: %ld\n", one,
                    count, many);
        std::printf("growth kB: %ld\nratio: %.3f\npeak kB: %ld\n", many - one,
                    static_cast<double>(many) / static_cast<double>(one), peakKb());
        return 0;
    }
    // idle: the game window stands open with no timer running.
    clickOn(windows, game, "Menu", "Command1");
    rusage before{}, after{};
    getrusage(RUSAGE_THREAD, &before);
    QTimer::singleShot(static_cast<int>(count * 1000), [] { QCoreApplication::exit(0); });
    QApplication::exec();
    getrusage(RUSAGE_THREAD, &after);
    // A wake-up is a wait that ends: a voluntary switch. Being pushed off the
    // processor while running is the machine's doing, not the program's. The
    // one wake-up that ends the wait is the driver's own.
    const long wakeUps = after.ru_nvcsw - before.ru_nvcsw;
    std::printf("wake-ups in %ld s, the final one the driver's own: %ld\n", count, wakeUps);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const std::string mode = argc > 1 ? argv[1] : "";
    const long count = argc > 2 && mode != "pack-first-paint" ? std::stol(argv[2]) : 0;
    if (mode == "bare-window") {
        BareWindow window;
        QuitAfterPaint quitter;
        window.installEventFilter(&quitter);
        window.show();
        return QApplication::exec();
    }
    if (mode == "pack-first-paint" && argc > 2) {
        qtfront::installFontSubstitutes();
        return packFirstPaint(argv[2]);
    }
    if (mode != "first-paint" && mode != "cycles" && mode != "idle") {
        std::fprintf(stderr,
                     "usage: lumora-bench-driver first-paint|bare-window|cycles N|idle S|"
                     "pack-first-paint FILE\n");
        return 2;
    }
    qtfront::installFontSubstitutes();
    return runGame(mode, count);
}
