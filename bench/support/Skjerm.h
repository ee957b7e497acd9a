#pragma once
// For the benchmarks that run a call with its windows on screen (Qt on the
// offscreen platform) beside the same call headless, in the same run.
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "platform/forms/Form.h"

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

// The match counts these benchmarks run at: a full tournament database, and ten times that.
inline constexpr int Kamper = 100000, MangeKamper = 1000000;

// The arguments kamper (each count above) and visning (0 headless, 1 with windows), in milliseconds.
void MedOgUtenSkjerm(benchmark::internal::Benchmark* b);

// Times each call together with what the windows draw after it.
void TidMedTegning(benchmark::State& s, const std::function<void()>& kall);

// Times the opening of the form: each round unloads it (untimed), then shows it, loaded,
// filled and, with windows, built and drawn.
template <class F>
void TidApning(benchmark::State& s, Skjerm& skjerm) {
    for (auto _ : s) {
        s.PauseTiming();
        forms::Default<F>().Unload();
        s.ResumeTiming();
        skjerm.vis(forms::Default<F>());
    }
}

// The benchmark program's main: the application object first (offscreen unless a platform is set).
int KjorMedSkjerm(int argc, char** argv);

} // namespace benchbase
