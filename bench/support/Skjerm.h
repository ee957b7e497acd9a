#pragma once
// For the benchmarks that run a call with its windows on screen (Qt on the
// offscreen platform) beside the same call headless, in the same run.
#include <memory>

namespace forms {
class Form;
}
namespace qtview {
class QtHost;
}

namespace benchbase {

// While it lives, forms shown get real windows (or, with paa false, none: the headless host).
// Message boxes are answered by the headless host, from its script or with the default button.
class Skjerm {
public:
    explicit Skjerm(bool paa);
    ~Skjerm();
    Skjerm(const Skjerm&) = delete;
    Skjerm& operator=(const Skjerm&) = delete;
    // Shows the form on this host: with windows, its window is built.
    void vis(forms::Form& form);
    // What the event loop does once a handler has returned: the windows take the changes and paint.
    static void tegn();

private:
    std::unique_ptr<qtview::QtHost> host_;
};

// The benchmark program's main: the application object first (offscreen unless a platform is set).
int KjorMedSkjerm(int argc, char** argv);

} // namespace benchbase
