#pragma once
// A stop asked of the program from outside (SIGTERM at a desktop logout, SIGINT
// from Ctrl+C in a terminal, SIGHUP when the terminal goes) ends it as the user
// would: the running handler finishes, each open message box or modal window is
// closed as by its close button (the answer a box gives then), and once none is
// left the close action runs from the application's event loop. The signal
// handler only writes to a pipe the event loop watches and cuts the database work
// under way short, so a long write ends undone at once rather than whole later.
#include <functional>
#include <memory>

namespace qtview {

class StopSignals {
public:
    // Needs a QApplication. close runs once, however many signals come.
    explicit StopSignals(std::function<void()> close);
    // The signals' earlier handling comes back.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Call right before QApplication::exec. Until the loop it starts runs, a stop
    // closes the boxes of the start-up and waits: a quit before exec is lost.
    void MainLoopStarts();

private:
    class Watch;
    std::unique_ptr<Watch> watch_;
};

} // namespace qtview
