// From process start to the first painted frame under Xvfb, for the game and for a bare Qt
// dialog of the same size, started in turns. The clock stops when a pixel of the main hand's
// first card back shows on the screen; the bare dialog paints that pixel the same blue.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::vector<std::string>& args, const std::string& strDisplay) {
    std::vector<std::string> env{"DISPLAY=" + strDisplay};
    for (char** p = environ; *p != nullptr; ++p) {
        const std::string strVar = *p;
        if (strVar.rfind("DISPLAY=", 0) != 0 && strVar.rfind("QT_QPA_PLATFORM=", 0) != 0)
            env.push_back(strVar);
    }
    std::vector<char*> argv, envp;
    for (const std::string& s : args) argv.push_back(const_cast<char*>(s.c_str()));
    for (const std::string& s : env) envp.push_back(const_cast<char*>(s.c_str()));
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// A pixel of the main hand's first card back: the window is centred on the 1280 x 1024
// screen, its client area 953 x 621.
bool CardBackShows(Display* pDisplay) {
    const int x = (1280 - 953) / 2 + 45;
    const int y = (1024 - 621) / 2 + 459;
    XImage* pImage =
        XGetImage(pDisplay, DefaultRootWindow(pDisplay), x, y, 1, 1, AllPlanes, ZPixmap);
    if (pImage == nullptr) return false;
    const unsigned long pixel = XGetPixel(pImage, 0, 0);
    XDestroyImage(pImage);
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return b > r + 60 && b > g + 30;
}

// Milliseconds from spawning the program to its first frame; negative when none came.
double StartToFirstFrame(Display* pDisplay, const std::string& strDisplay,
                         const std::string& strExe) {
    const auto start = Clock::now();
    const pid_t pid = Spawn({strExe}, strDisplay);
    bool bShown = false;
    while (!bShown && Clock::now() - start < std::chrono::seconds(10)) {
        bShown = CardBackShows(pDisplay);
        if (!bShown) std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // The next run starts on an empty screen.
    while (CardBackShows(pDisplay)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return bShown ? elapsed.count() : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_StartToFirstFrame(benchmark::State& state) {
    char szDisplay[16];
    std::snprintf(szDisplay, sizeof szDisplay, ":%d", 180 + getpid() % 100);
    const std::string strDisplay = szDisplay;
    const pid_t xvfb =
        Spawn({"/usr/bin/Xvfb", strDisplay, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
              strDisplay);
    Display* pDisplay = nullptr;
    for (int i = 0; i < 200 && pDisplay == nullptr; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        pDisplay = XOpenDisplay(strDisplay.c_str());
    }
    if (pDisplay == nullptr) {
        state.SkipWithError("Xvfb did not start");
        kill(xvfb, SIGTERM);
        return;
    }
    // One pair per iteration, the order swapped each time so neither always starts warm.
    std::vector<double> game, bare;
    for (auto _ : state) {
        const bool bGameFirst = game.size() % 2 == 0;
        if (bGameFirst) game.push_back(StartToFirstFrame(pDisplay, strDisplay, HANDFALL_EXE));
        bare.push_back(StartToFirstFrame(pDisplay, strDisplay, BARE_DIALOG_EXE));
        if (!bGameFirst) game.push_back(StartToFirstFrame(pDisplay, strDisplay, HANDFALL_EXE));
        if (game.back() < 0 || bare.back() < 0) {
            state.SkipWithError("no frame within 10 s");
            break;
        }
        state.SetIterationTime(game.back() / 1000);
    }
    XCloseDisplay(pDisplay);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    if (game.empty() || game.size() != bare.size()) return;
    const double dGame = Median(game), dBare = Median(bare);
    state.counters["game_ms"] = dGame;
    state.counters["bare_ms"] = dBare;
    state.counters["ratio"] = dGame / dBare;
    std::printf(
        "Start to first frame, median of %zu pairs: game %.1f ms, bare dialog %.1f ms, "
        "ratio %.2f\n",
        game.size(), dGame, dBare, dGame / dBare);
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace
