#pragma once
// ListHold: the list held for work that waits. A wait processes messages, so
// anything can arrive meanwhile: a click, a timer, a close, the end of the
// session. While a hold lives the background (the change tick, the passes,
// the timer) stays paused and the main window records a close, a refresh or
// a resize instead of running it.
//
// Everything that waits for another program's window takes a hold as its
// first argument, and only the main window's command gate makes one: for a
// command it let begin, for a request it let run, for the change tick and
// for the close. Work that skips the gate cannot wait at all.

namespace vistrel {

class BackgroundWork;
class CommandGate;

class ListHold {
public:
    ~ListHold();
    ListHold(ListHold&& other) noexcept;
    ListHold(const ListHold&) = delete;
    ListHold& operator=(const ListHold&) = delete;
    ListHold& operator=(ListHold&&) = delete;

private:
    friend class CommandGate;
    // Null: nothing to pause any more (the close, once the background has
    // been stopped, or when there never was one).
    explicit ListHold(BackgroundWork* work);

    BackgroundWork* work_;
};

}  // namespace vistrel
