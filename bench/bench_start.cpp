// The program's start until its main window is on screen, beside the start of an
// empty Qt main window with a menu bar and an MDI area (bench/tomt_vindu), in the
// same run. Both are real programs on a real X server: run it under Xvfb (DISPLAY) with
// a window manager, best with --benchmark_repetitions and
// --benchmark_enable_random_interleaving. Both are also started on Qt's offscreen
// platform, until their main window is first flushed (told by Qt's painting log).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "BenchBase.h"
#include "state/ProgramState.h"

extern char** environ;

namespace {

using Klokke = std::chrono::steady_clock;

// Sees top-level windows being mapped on the X server, with or without a window manager.
class Kartvakt {
public:
    Kartvakt() : c_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(c_)) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &maske);
        xcb_flush(c_);
        ok_ = true;
    }
    ~Kartvakt() { xcb_disconnect(c_); }
    Kartvakt(const Kartvakt&) = delete;
    Kartvakt& operator=(const Kartvakt&) = delete;
    bool ok() const { return ok_; }

    // Waits until a window titled tittel is mapped; false when the process ended or the time ran out.
    bool vent(const std::string& tittel, pid_t pid) {
        const auto frist = Klokke::now() + std::chrono::seconds(30);
        pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
        while (Klokke::now() < frist) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                const bool kartlagt = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t w = reinterpret_cast<xcb_map_notify_event_t*>(e)->window;
                std::free(e);
                if (kartlagt && harTittel(w, tittel, 3)) return true;
            }
            if (xcb_connection_has_error(c_) || waitpid(pid, nullptr, WNOHANG) != 0) return false;
            poll(&fd, 1, 5);
        }
        return false;
    }

private:
    // The window or, under a window manager's frame, one of its descendants has the title.
    bool harTittel(xcb_window_t w, const std::string& tittel, int dybde) {
        xcb_get_property_reply_t* p =
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        if (p) {
            const std::string navn(static_cast<const char*>(xcb_get_property_value(p)),
                                   static_cast<std::size_t>(xcb_get_property_value_length(p)));
            std::free(p);
            if (navn == tittel) return true;
        }
        if (dybde == 0) return false;
        xcb_query_tree_reply_t* tre = xcb_query_tree_reply(c_, xcb_query_tree(c_, w), nullptr);
        if (!tre) return false;
        std::vector<xcb_window_t> barn(xcb_query_tree_children(tre), xcb_query_tree_children(tre) + xcb_query_tree_children_length(tre));
        std::free(tre);
        for (xcb_window_t b : barn)
            if (harTittel(b, tittel, dybde - 1)) return true;
        return false;
    }

    xcb_connection_t* c_;
    xcb_window_t root_ = 0;
    bool ok_ = false;
};

// The environment the programs start in: home, settings and runtime folder in a scratch folder,
// on this Qt platform, with these further variables.
std::vector<std::string> miljo(const std::string& plattform = "xcb", const std::vector<std::string>& flere = {}) {
    const std::string hjem = benchbase::Mappe("start");
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("HOME=", 0) == 0 || v.rfind("XDG_", 0) == 0 || v.rfind("QT_QPA_PLATFORM=", 0) == 0) continue;
        env.push_back(v);
    }
    for (const char* mappe : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        env.push_back(std::string(mappe) + "=" + hjem);
    env.push_back("QT_QPA_PLATFORM=" + plattform);
    env.insert(env.end(), flere.begin(), flere.end());
    return env;
}

// Its standard error goes to feil when given, else with its output to /dev/null.
pid_t start(const char* program, const std::vector<std::string>& env, int feil = -1) {
    std::vector<char*> envp;
    for (const std::string& v : env) envp.push_back(const_cast<char*>(v.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};
    posix_spawn_file_actions_t utdata;
    posix_spawn_file_actions_init(&utdata);
    posix_spawn_file_actions_addopen(&utdata, 1, "/dev/null", O_WRONLY, 0);
    if (feil >= 0) posix_spawn_file_actions_adddup2(&utdata, feil, 2);
    else posix_spawn_file_actions_addopen(&utdata, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, program, &utdata, nullptr, argv, envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&utdata);
    return pid;
}

// Ends a round started at fra: its time, the program stopped; false (the run skipped) when its window never came.
bool stopp(benchmark::State& s, Klokke::time_point fra, pid_t pid, bool vist) {
    s.SetIterationTime(std::chrono::duration<double>(Klokke::now() - fra).count());
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    if (!vist) s.SkipWithError("Vinduet kom ikke fram");
    return vist;
}

// Each round starts the program and stops the clock when its window titled tittel is mapped.
void Start(benchmark::State& s, const char* program, const std::string& tittel) {
    Kartvakt vakt;
    if (!vakt.ok()) {
        s.SkipWithError("Ingen X-tjener: kjør under Xvfb med DISPLAY satt");
        return;
    }
    const std::vector<std::string> env = miljo();
    for (auto _ : s) {
        const auto fra = Klokke::now();
        const pid_t pid = start(program, env);
        const bool vist = pid > 0 && vakt.vent(tittel, pid);
        if (!stopp(s, fra, pid, vist)) return;
    }
}

// Reads the program's standard error until Qt logs the first flush of a main window to the
// offscreen screen; false when the program ended or the time ran out.
bool ventPaForsteFlush(int feil, pid_t pid) {
    const auto frist = Klokke::now() + std::chrono::seconds(30);
    std::string lest;
    char buf[4096];
    while (Klokke::now() < frist) {
        pollfd fd{feil, POLLIN, 0};
        if (poll(&fd, 1, 5) > 0) {
            const ssize_t n = read(feil, buf, sizeof buf);
            if (n <= 0) return false;
            lest.append(buf, static_cast<std::size_t>(n));
            for (std::size_t slutt; (slutt = lest.find('\n')) != std::string::npos; lest.erase(0, slutt + 1)) {
                const std::string_view linje(lest.data(), slutt);
                if (linje.find("Flushing QRegion") != std::string_view::npos && linje.find(" of QMainWindow(") != std::string_view::npos)
                    return true;
            }
        }
        if (waitpid(pid, nullptr, WNOHANG) != 0) return false;
    }
    return false;
}

// Each round starts the program on the offscreen platform and stops the clock at its main window's first flush.
void StartOffscreen(benchmark::State& s, const char* program) {
    const std::vector<std::string> env = miljo("offscreen", {"QT_LOGGING_RULES=qt.widgets.painting=true"});
    for (auto _ : s) {
        int ror[2];
        if (pipe2(ror, O_CLOEXEC) != 0) {
            s.SkipWithError("pipe");
            return;
        }
        const auto fra = Klokke::now();
        const pid_t pid = start(program, env, ror[1]);
        close(ror[1]);
        const bool vist = pid > 0 && ventPaForsteFlush(ror[0], pid);
        close(ror[0]);
        if (!stopp(s, fra, pid, vist)) return;
    }
}

const std::string ProgramTittel = std::string(state::ProgramName) + " " + state::ProgramVersion;

BENCHMARK_CAPTURE(Start, tomt_vindu, KD_TOMT_VINDU, std::string("Tomt vindu"))->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Start, KvistrelDommer, KD_PROGRAM, ProgramTittel)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartOffscreen, tomt_vindu, KD_TOMT_VINDU)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartOffscreen, KvistrelDommer, KD_PROGRAM)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
