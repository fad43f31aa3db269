// The workshop in a real window on an X server, driven by real X events from
// xdotool, as a designer's mouse and keyboard drive it: paint a stage, see it
// proven, check the proof against lumora-solve on the saved file, play it in
// the game window and clear it with a real click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "qt/form_window.h"
#include "qt/picture_library.h"
#include "qt/window_manager.h"
#include "workshop/board_view.h"
#include "workshop/editor_window.h"
#include "workshop/language_menu.h"
#include "workshop/play_session.h"
#include "workshop/proof_panel.h"
#include "workshop/stage_list.h"

namespace {

constexpr int kCell = workshop::BoardView::kCellPixels;

// The X server takes xdotool's events; Qt sees them as a player's.
void xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    ASSERT_TRUE(p.waitForFinished(10'000)) << args.join(' ').toStdString();
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

// Runs the event loop until `done` holds or the time is up.
bool waitFor(const std::function<bool()>& done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) QTest::qWait(20);
    return done();
}

QString screenAt(const QWidget* w, int c, int r) {
    const QPoint p =
        w->mapToGlobal(QPoint(kCell * (c - 1) + kCell / 2, kCell * (r - 1) + kCell / 2));
    return QStringLiteral("%1 %2").arg(p.x()).arg(p.y());
}

void moveTo(const QWidget* w, int c, int r) {
    xdotool(QStringList{QStringLiteral("mousemove")} + screenAt(w, c, r).split(' '));
}

// Pictures for a person to look at once, beside the test's binary.
void shot(const QString& name) {
    QScreen* screen = QGuiApplication::primaryScreen();
    screen->grabWindow(0).save(QCoreApplication::applicationDirPath() + "/x11-" + name + ".png");
}

QString verdictText(workshop::EditorWindow& w) {
    auto* label = w.findChild<QLabel*>(QStringLiteral("verdict"));
    return label != nullptr ? label->text() : QString();
}

void clickOn(const QWidget* w, const QRect& area) {
    const QPoint p = w->mapToGlobal(area.center());
    xdotool({"mousemove", "--sync", QString::number(p.x()), QString::number(p.y()), "click", "1"});
}

// A workshop of its own, with a home of its own, up and focused.
struct FreshWorkshop {
    FreshWorkshop() {
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
        qputenv("XDG_STATE_HOME", (home.path() + "/state").toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
        window = std::make_unique<workshop::EditorWindow>(pictures);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        focus();
        // The X server may still be placing the window: input waits until it stands.
        QTest::qWait(500);
    }
    // A language chosen in the menu is the whole program's: the next test
    // starts in the system's again.
    ~FreshWorkshop() {
        if (auto* languages = window->findChild<workshop::LanguageMenu*>())
            languages->choose(QString());
    }
    void focus() {
        xdotool({"windowfocus", "--sync", QString::number(window->winId())});
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // A modal dialog runs its own event loop inside the click that opened
    // it; this timer fires in that loop and answers it with Escape, as a
    // person who changed their mind does.
    void answerModalDialogs() {
        auto* answer = new QTimer(window.get());
        QObject::connect(answer, &QTimer::timeout, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            xdotool({"windowfocus", "--sync", QString::number(modal->window()->winId())});
            xdotool({"key", "Escape"});
        });
        answer->start(400);
    }
    // The dialogs that are not modal are closed by their own Escape too.
    void closeDialogs() {
        QTest::qWait(100);
        for (auto* d : window->findChildren<QDialog*>())
            if (d->isVisible()) {
                xdotool({"windowfocus", "--sync", QString::number(d->winId())});
                xdotool({"key", "Escape"});
                EXPECT_TRUE(waitFor([&] { return !d->isVisible(); }, 5000));
            }
    }
    QTemporaryDir home;
    qtfront::PictureLibrary pictures;
    std::unique_ptr<workshop::EditorWindow> window;
};

}  // namespace

constexpr int kFirstProofMs = 120'000;

// The first Add Stage of a fresh workshop, once its first proof is in: the
// blank stage's answer has no marks, which once sent the proof and the
// editor round each other until the stack ran out.
TEST(WorkshopUnderX11, AddStageOnAFreshWorkshop) {
    FreshWorkshop f;
    workshop::EditorWindow& window = *f.window;
    // The blank stage's whole proof, analysis included, takes seconds, and
    // under the sanitizers beside another test many times that.
    ASSERT_TRUE(waitFor([&] { return window.proofPanel()->finished(); }, kFirstProofMs));
    QAction* add = window.findChild<QAction*>(QStringLiteral("addStage"));
    ASSERT_NE(add, nullptr);
    QMenu* pack = nullptr;
    for (QAction* a : window.menuBar()->actions())
        if (a->menu() != nullptr && a->menu()->actions().contains(add)) pack = a->menu();
    ASSERT_NE(pack, nullptr);
    clickOn(window.menuBar(), window.menuBar()->actionGeometry(pack->menuAction()));
    ASSERT_TRUE(waitFor([&] { return pack->isVisible(); }, 5000));
    clickOn(pack, pack->actionGeometry(add));
    ASSERT_TRUE(waitFor([&] { return window.document().count() == 2; }, 5000));
    EXPECT_EQ(window.stageList()->list()->count(), 2);
    EXPECT_EQ(window.document().current(), 1);
}

// Every entry of every menu, clicked once with the real mouse on a fresh
// workshop; after each, the window is still there and still takes keys.
TEST(WorkshopUnderX11, EveryMenuEntryOnce) {
    FreshWorkshop f;
    workshop::EditorWindow& window = *f.window;
    f.answerModalDialogs();
    int clicked = 0;
    for (QAction* top : window.menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (menu == nullptr) continue;
        for (QAction* entry : menu->actions()) {
            // Quit is tried last; a submenu is no command.
            if (entry->isSeparator() || entry->menu() != nullptr ||
                entry->shortcut() == QKeySequence(QKeySequence::Quit))
                continue;
            f.focus();
            clickOn(window.menuBar(), window.menuBar()->actionGeometry(top));
            ASSERT_TRUE(waitFor([&] { return menu->isVisible(); }, 5000)) << menu->title().toStdString();
            const std::string what = (menu->title() + " > " + entry->text()).toStdString();
            clickOn(menu, menu->actionGeometry(entry));
            ++clicked;
            QTest::qWait(300);
            // A disabled entry leaves its menu open, as it does for a person.
            while (QApplication::activePopupWidget() != nullptr) {
                xdotool({"key", "Escape"});
                QTest::qWait(100);
            }
            f.closeDialogs();
            window.playSession()->stop();
            ASSERT_TRUE(window.isVisible()) << what;
            // Still answering: a palette key chooses walls, another one empty.
            f.focus();
            for (auto [key, kind] : {std::pair{"4", workshop::Kind::Wall}, {"0", workshop::Kind::Empty}}) {
                xdotool({"key", key});
                EXPECT_TRUE(waitFor([&] { return window.board()->kind() == kind; }, 5000))
                    << what;
            }
        }
    }
    EXPECT_GE(clicked, 20);

    // Quit with unsaved work asks first; Escape is Cancel, and the work stays.
    ASSERT_TRUE(window.isWindowModified());
    QMenu* file = window.menuBar()->actions().first()->menu();
    f.focus();
    clickOn(window.menuBar(), window.menuBar()->actionGeometry(file->menuAction()));
    ASSERT_TRUE(waitFor([&] { return file->isVisible(); }, 5000));
    clickOn(file, file->actionGeometry(file->actions().last()));
    QTest::qWait(1000);
    EXPECT_TRUE(window.isVisible());
}

TEST(WorkshopUnderX11, PaintProvePlayAndClearWithRealEvents) {
    FreshWorkshop f;
    workshop::EditorWindow& window = *f.window;
    const QWidget* board = window.board();

    // Walls along the bottom (the start's cell is skipped), the start moved
    // to (2, 8), the old start's cell walled: a block beside the start clears it.
    xdotool({"key", "4"});
    moveTo(board, 1, 9);
    xdotool({"mousedown", "1"});
    moveTo(board, 5, 9);
    moveTo(board, 9, 9);
    xdotool({"mouseup", "1"});
    xdotool({"key", "5"});
    moveTo(board, 2, 8);
    xdotool({"click", "1"});
    xdotool({"key", "4"});
    moveTo(board, 1, 9);
    xdotool({"click", "1"});
    QTest::qWait(100);
    ASSERT_EQ(window.stage().startCol, 2);
    for (int c = 1; c <= 9; ++c) ASSERT_EQ(window.stage().at(c, 9), game::CellKind::Wall) << c;

    // Target 1 and magic 3: typed into the spin boxes as a designer would.
    auto* target = window.findChild<QWidget*>(QStringLiteral("targetBox"));
    ASSERT_NE(target, nullptr);
    const QPoint t = target->mapToGlobal(target->rect().center());
    xdotool({"mousemove", QString::number(t.x()), QString::number(t.y()), "click", "--repeat", "3",
             "1"});
    xdotool({"type", "1"});
    xdotool({"key", "Tab"});
    xdotool({"type", "3"});
    xdotool({"key", "Return"});
    ASSERT_TRUE(waitFor([&] { return window.stage().target == 1; }, 5000));
    ASSERT_TRUE(waitFor([&] { return window.stage().magic == 3; }, 5000)) << window.stage().magic;

    ASSERT_TRUE(waitFor([&] { return verdictText(window).contains("Solvable"); }, 10'000))
        << verdictText(window).toStdString();
    shot(QStringLiteral("proven"));

    // The saved file, proven by the command-line solver, says the same.
    QTemporaryDir packFolder;
    ASSERT_TRUE(window.saveTo(packFolder.path() + "/pack"));
    QProcess solve;
    solve.start(QStringLiteral(LUMORA_SOLVE),
                {packFolder.path() + "/pack/mmap1.bkm", "--no-replay"});
    ASSERT_TRUE(solve.waitForFinished(60'000));
    const QString said = QString::fromUtf8(solve.readAllStandardOutput());
    EXPECT_TRUE(said.contains("solvable with the budget: yes")) << said.toStdString();
    EXPECT_TRUE(said.contains("least starting magic: 3")) << said.toStdString();
    auto* rows = window.findChild<QLabel*>(QStringLiteral("proofRow0"));
    ASSERT_NE(rows, nullptr);
    EXPECT_TRUE(rows->text().startsWith("3 ")) << rows->text().toStdString();

    // Play: F5 opens the real game window; a real right click next to the
    // character places the block and clears the stage.
    xdotool({"windowfocus", "--sync", QString::number(window.winId())});
    xdotool({"key", "F5"});
    workshop::PlaySession* play = window.playSession();
    ASSERT_TRUE(
        waitFor([&] { return play->windows() && play->windows()->widget("MainWindow"); }, 10'000));
    QWidget* game = play->windows()->widget("MainWindow");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
    QTest::qWait(300);
    moveTo(game, 3, 8);
    xdotool({"click", "3"});
    ASSERT_TRUE(waitFor([&] { return play->game()->bas().BlockCount == 1; }, 5000));
    shot(QStringLiteral("cleared"));
    // The outcome plays for eight seconds of real time, then the workshop is back.
    ASSERT_TRUE(waitFor([&] { return !play->running(); }, 20'000));
    EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("Cleared"));
    EXPECT_TRUE(window.isVisible());
    shot(QStringLiteral("back"));
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
