#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/clock.h"
#include "forms/form.h"

namespace forms {

// Which forms are open, and the thread of events that drives them. Every event
// from outside (a press, a click, a close, the clock moving on) goes through
// deliver(), which runs it to its end, then drops the forms it closed and ends
// the program when no form is left.
class Program {
public:
    using Factory = std::function<std::unique_ptr<Form>(Program&)>;

    explicit Program(float screenTwipsPerPixel = 15.0f);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    float screenTwipsPerPixel() const { return screenTwipsPerPixel_; }
    Clock& clock() { return clock_; }
    const Clock& clock() const { return clock_; }

    void registerForm(const std::string& name, Factory factory);

    // Opens the form when it is not open: creates it from its layout and runs
    // its load event. An open form stays as it is. Once the program has ended,
    // the handler that asks is cut short instead.
    Form& show(const std::string& name);
    // Runs the form's unload event and stops its timers; the form itself goes
    // away once the current event has run to its end.
    void unload(const std::string& name);
    // Ends the program at once: no unload event runs.
    void end();

    Form* find(const std::string& name) const;
    // Open forms in the order they were opened.
    std::vector<Form*> openForms() const;

    // A message for the player that does not stop the program (a save that
    // could not be written). The front end shows what has piled up after each
    // event; taking them empties the pile.
    void tell(game::Phrase message) { messages_.push_back(std::move(message)); }
    // The pile in English, and as it is, for a front end to translate.
    std::vector<std::string> takeMessages();
    std::vector<game::Phrase> takeMessageWords() { return std::exchange(messages_, {}); }

    bool ended() const { return ended_; }
    // In English, and as it is, for a front end to translate.
    const std::optional<std::string>& fatalError() const { return fatal_; }
    const std::optional<game::Phrase>& fatalWords() const { return fatalWords_; }
    // Counts changes to the set of open forms, so a front end knows when to look.
    std::uint64_t generation() const { return generation_; }

    // Runs one event from outside. Returns false when the program has ended.
    bool deliver(const std::function<void()>& event);

    // Event entry points.
    void start(const std::string& firstForm);
    bool mouseDown(const std::string& form, const std::string& control, int index, int button);
    bool mouseUp(const std::string& form, const std::string& control, int index, int button);
    bool click(const std::string& form, const std::string& control);
    bool close(const std::string& form);
    // Fires every tick due up to now + ms, each at its own time.
    void advance(std::int64_t ms);
    void advanceTo(std::int64_t t);
    // As advance, stopping at each moment a tick is due for `seen`, which ends
    // the advance there when it returns false.
    void advanceWatched(std::int64_t ms, const std::function<bool()>& seen);

private:
    void fail(const game::Phrase& message);

    float screenTwipsPerPixel_;
    Clock clock_;
    std::map<std::string, Factory> factories_;
    std::vector<std::unique_ptr<Form>> open_;
    std::vector<std::unique_ptr<Form>> closed_;
    bool ended_ = false;
    bool started_ = false;
    int depth_ = 0;
    std::optional<std::string> fatal_;
    std::optional<game::Phrase> fatalWords_;
    std::vector<game::Phrase> messages_;
    std::uint64_t generation_ = 0;
};

}  // namespace forms
