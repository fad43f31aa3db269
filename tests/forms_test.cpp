#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/program.h"

namespace {

// What happened, in order, across every form of one program.
using Log = std::vector<std::string>;

// A window with three timers and a button whose click runs whatever the test
// asks for.
class Probe : public forms::Form {
public:
    Probe(forms::Program& program, std::string name, Log& log, bool* alive)
        : Form(program, std::move(name)), log_(log), alive_(alive) {
        for (const char* t : {"A", "B", "C"}) {
            forms::Timer& timer = addTimer(t, 100);
            timer.onTick = [this, t] {
                log_.push_back(std::string(t) + "@" +
                               std::to_string(this->program().clock().now()));
                if (onTick) onTick(t);
            };
        }
        if (alive_ != nullptr) *alive_ = true;
    }
    ~Probe() override {
        if (alive_ != nullptr) *alive_ = false;
    }

    forms::Timer& timer(const char* name) { return *findTimer(name); }

    void Form_Load() override { log_.push_back("load " + name()); }
    void Form_Unload() override { log_.push_back("unload " + name()); }
    void click(const std::string& control) override {
        if (onClick) onClick(control);
    }

    std::function<void(const std::string&)> onClick;
    std::function<void(const std::string&)> onTick;
    int touched = 0;

private:
    Log& log_;
    bool* alive_;
};

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        for (const char* name : {"one", "two"})
            program.registerForm(name, [this, name](forms::Program& p) {
                return std::make_unique<Probe>(p, name, log,
                                               std::string(name) == "one" ? &oneAlive : nullptr);
            });
    }
    Probe& form(const char* name) { return *static_cast<Probe*>(program.find(name)); }

    Log log;
    bool oneAlive = false;
    forms::Program program;
};

TEST_F(ProgramTest, TimersFollowTheClockRules) {
    program.start("one");
    Probe& f = form("one");
    forms::Timer& a = f.timer("A");

    // Enabling a running timer does not restart its countdown.
    a.setEnabled(true);
    program.advance(60);
    a.setEnabled(true);
    program.advance(40);
    EXPECT_EQ(log.back(), "A@100");

    // A tick at t is next due at t + interval.
    program.advance(100);
    EXPECT_EQ(log.back(), "A@200");

    // A new interval counts from the moment it is set.
    program.advance(30);
    a.setInterval(50);
    program.advance(49);
    EXPECT_EQ(log.back(), "A@200");
    program.advance(1);
    EXPECT_EQ(log.back(), "A@280");

    // Disabling drops the pending tick; enabling again counts a full interval.
    program.advance(40);
    a.setEnabled(false);
    program.advance(20);
    a.setEnabled(true);
    program.advance(49);
    EXPECT_EQ(log.back(), "A@280");
    program.advance(1);
    EXPECT_EQ(log.back(), "A@390");
    EXPECT_EQ(program.clock().now(), 390);

    // An interval of 0 stops the ticks as disabling does.
    a.setInterval(0);
    program.advance(1000);
    EXPECT_EQ(log.back(), "A@390");
}

TEST_F(ProgramTest, TiesFireInTableOrderAndEachTickAtItsOwnTime) {
    program.start("one");
    Probe& f = form("one");
    // Enabled in reverse; due together, they still fire A, B, C.
    f.timer("C").setEnabled(true);
    f.timer("B").setEnabled(true);
    f.timer("A").setEnabled(true);
    f.timer("B").setInterval(150);
    log.clear();
    program.advance(300);
    EXPECT_EQ(log, (Log{"A@100", "C@100", "B@150", "A@200", "C@200", "A@300", "B@300", "C@300"}));
}

TEST_F(ProgramTest, AHandlerMayChangeTheTimersItRunsAmong) {
    program.start("one");
    Probe& f = form("one");
    f.timer("A").setEnabled(true);
    f.timer("B").setEnabled(true);
    // A's first tick stops B, which was due at the same instant, and slows
    // itself down.
    f.onTick = [&](const std::string& t) {
        if (t != "A") return;
        f.timer("B").setEnabled(false);
        f.timer("A").setInterval(300);
    };
    log.clear();
    program.advance(700);
    EXPECT_EQ(log, (Log{"A@100", "A@400", "A@700"}));
}

TEST_F(ProgramTest, AFormClosedByItsOwnHandlerGoesAfterTheHandler) {
    program.start("one");
    program.show("two");
    Probe& f = form("one");
    f.timer("A").setEnabled(true);
    bool stillOpenDuringHandler = true;
    f.onClick = [&](const std::string&) {
        program.unload("one");
        stillOpenDuringHandler = program.find("one") != nullptr;
        // The handler carries on with its own window after closing it.
        f.touched = 1;
        EXPECT_TRUE(oneAlive);
    };
    EXPECT_TRUE(program.click("one", "button"));
    EXPECT_FALSE(stillOpenDuringHandler);
    EXPECT_FALSE(oneAlive);
    EXPECT_EQ(log.back(), "unload one");
    // Its timers went with it.
    log.clear();
    program.advance(500);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(program.ended());
    EXPECT_EQ(program.openForms().size(), 1u);
}

TEST_F(ProgramTest, ClosingTheLastFormEndsTheProgram) {
    program.start("one");
    program.deliver([&] { program.show("two"); });
    EXPECT_EQ(log, (Log{"load one", "load two"}));
    const auto before = program.generation();
    EXPECT_TRUE(program.close("one"));
    EXPECT_GT(program.generation(), before);
    EXPECT_FALSE(program.ended());
    EXPECT_FALSE(program.close("two"));
    EXPECT_TRUE(program.ended());
    EXPECT_FALSE(program.fatalError());
    EXPECT_EQ(log, (Log{"load one", "load two", "unload one", "unload two"}));
    // Nothing reaches an ended program.
    EXPECT_FALSE(program.click("two", "button"));
}

TEST_F(ProgramTest, ShowingAnOpenFormLoadsItOnce) {
    program.start("one");
    Probe* first = &form("one");
    program.deliver([&] { EXPECT_EQ(&program.show("one"), first); });
    EXPECT_EQ(log, (Log{"load one"}));
}

TEST_F(ProgramTest, EndRunsNoUnloadAndStopsTheClock) {
    program.start("one");
    program.deliver([&] { program.show("two"); });
    form("two").timer("A").setEnabled(true);
    form("one").onClick = [&](const std::string&) {
        program.end();
        // Whatever the handler still asks for, nothing more opens, and a clean
        // end is not an error.
        program.show("two");
        ADD_FAILURE() << "the handler ran on after the program ended";
    };
    log.clear();
    EXPECT_FALSE(program.click("one", "button"));
    EXPECT_TRUE(program.ended());
    EXPECT_FALSE(program.fatalError());
    EXPECT_TRUE(program.openForms().empty());
    program.advance(1000);
    EXPECT_TRUE(log.empty());
}

TEST_F(ProgramTest, AFatalErrorEndsTheProgramWithItsMessage) {
    program.start("one");
    program.deliver([&] { program.show("two"); });
    form("two").timer("B").setEnabled(true);
    form("two").onTick = [&](const std::string&) {
        throw forms::FatalError("mmap3.bkm line 10: \"abc\" is not a whole number");
    };
    log.clear();
    program.advance(250);
    EXPECT_TRUE(program.ended());
    ASSERT_TRUE(program.fatalError());
    EXPECT_EQ(*program.fatalError(), "mmap3.bkm line 10: \"abc\" is not a whole number");
    // One tick, no unload, and the clock went no further than the failure.
    EXPECT_EQ(log, (Log{"B@100"}));
    EXPECT_EQ(program.clock().now(), 100);
}

TEST_F(ProgramTest, AFormThatFailsToLoadEndsTheStart) {
    forms::Program p;
    p.registerForm("bad", [](forms::Program& q) -> std::unique_ptr<forms::Form> {
        struct Bad : forms::Form {
            using Form::Form;
            void Form_Load() override { throw forms::FatalError("save.bkm: no"); }
        };
        return std::make_unique<Bad>(q, "bad");
    });
    p.start("bad");
    EXPECT_TRUE(p.ended());
    EXPECT_EQ(p.fatalError().value_or(""), "save.bkm: no");
}

}  // namespace
