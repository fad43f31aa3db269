#include "forms/program.h"

#include <algorithm>

namespace forms {
namespace {

// Thrown when a handler goes on opening windows after the program has ended:
// the rest of that handler is skipped, as an ended program runs nothing more.
struct ProgramEnded {};

}  // namespace

Program::Program(float screenTwipsPerPixel) : screenTwipsPerPixel_(screenTwipsPerPixel) {}

Program::~Program() {
    // Forms go before the clock so that no timer outlives it attached.
    for (auto& f : open_)
        for (auto& t : f->timers_) clock_.detach(t);
    open_.clear();
    closed_.clear();
}

void Program::registerForm(const std::string& name, Factory factory) {
    factories_[name] = std::move(factory);
}

Form* Program::find(const std::string& name) const {
    for (const auto& f : open_)
        if (f->name() == name) return f.get();
    return nullptr;
}

std::vector<Form*> Program::openForms() const {
    std::vector<Form*> out;
    for (const auto& f : open_) out.push_back(f.get());
    return out;
}

Form& Program::show(const std::string& name) {
    if (ended_) throw ProgramEnded{};
    if (Form* f = find(name)) return *f;
    auto it = factories_.find(name);
    if (it == factories_.end()) throw FatalError("no form called " + name);
    open_.push_back(it->second(*this));
    Form& form = *open_.back();
    ++generation_;
    for (auto& t : form.timers_) clock_.attach(t);
    form.Form_Load();
    return form;
}

void Program::unload(const std::string& name) {
    if (ended_) return;
    auto it =
        std::find_if(open_.begin(), open_.end(), [&](const auto& f) { return f->name() == name; });
    if (it == open_.end()) return;
    std::unique_ptr<Form> form = std::move(*it);
    open_.erase(it);
    ++generation_;
    for (auto& t : form->timers_) {
        t.setEnabled(false);
        clock_.detach(t);
    }
    // Kept alive until the event that closed it has returned: a handler may
    // close its own window and carry on.
    closed_.push_back(std::move(form));
    closed_.back()->Form_Unload();
}

void Program::end() {
    if (ended_) return;
    ended_ = true;
    ++generation_;
    for (auto& f : open_) {
        for (auto& t : f->timers_) {
            t.setEnabled(false);
            clock_.detach(t);
        }
        closed_.push_back(std::move(f));
    }
    open_.clear();
}

std::vector<std::string> Program::takeMessages() {
    std::vector<std::string> out;
    for (const game::Phrase& m : takeMessageWords()) out.push_back(game::english(m));
    return out;
}

void Program::fail(const game::Phrase& message) {
    // A program that has already ended cleanly has nothing left to fail.
    if (ended_) return;
    if (!fatal_) {
        fatal_ = game::english(message);
        fatalWords_ = message;
    }
    end();
}

bool Program::deliver(const std::function<void()>& event) {
    if (ended_) return false;
    ++depth_;
    try {
        event();
    } catch (const FatalError& e) {
        fail(e.words());
    } catch (const ProgramEnded&) {
    }
    --depth_;
    if (depth_ == 0) {
        closed_.clear();
        if (started_ && open_.empty()) end();
    }
    return !ended_;
}

void Program::start(const std::string& firstForm) {
    deliver([&] { show(firstForm); });
    started_ = true;
    if (open_.empty()) end();
}

bool Program::mouseDown(const std::string& form, const std::string& control, int index,
                        int button) {
    return deliver([&] {
        Form* f = find(form);
        if (f == nullptr) return;
        if (Control* c = f->find(control, index)) f->mouseDown(*c, button);
    });
}

bool Program::mouseUp(const std::string& form, const std::string& control, int index, int button) {
    return deliver([&] {
        Form* f = find(form);
        if (f == nullptr) return;
        if (Control* c = f->find(control, index)) f->mouseUp(*c, button);
    });
}

bool Program::click(const std::string& form, const std::string& control) {
    return deliver([&] {
        if (Form* f = find(form)) f->click(control);
    });
}

bool Program::close(const std::string& form) {
    return deliver([&] { unload(form); });
}

void Program::advance(std::int64_t ms) { advanceTo(clock_.now() + ms); }

void Program::advanceTo(std::int64_t t) {
    while (!ended_) {
        Timer* timer = clock_.popDue(t);
        if (timer == nullptr) break;
        deliver([timer] {
            if (timer->onTick) timer->onTick();
        });
    }
    if (!ended_) clock_.settle(t);
}

void Program::advanceWatched(std::int64_t ms, const std::function<bool()>& seen) {
    const std::int64_t until = clock_.now() + ms;
    while (!ended_) {
        const auto due = clock_.nextDue();
        if (!due || *due > until) {
            advanceTo(until);
            return;
        }
        advanceTo(*due);
        if (!seen()) return;
    }
}

}  // namespace forms
