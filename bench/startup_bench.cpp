// From process start to the first painted frame of the real game under Xvfb: the clock stops
// when the main hand's first card back shows on the screen.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

pid_t Spawn(const std::string& strCommand) {
    pid_t pid = 0;
    const char* argv[] = {"/bin/sh", "-c", strCommand.c_str(), nullptr};
    posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ);
    return pid;
}

// A pixel of the main hand's first card, wherever the window was placed.
bool CardBackShows(Display* pDisplay) {
    const Window root = DefaultRootWindow(pDisplay);
    XWindowAttributes attributes;
    XGetWindowAttributes(pDisplay, root, &attributes);
    // The window is centred on the 1280 x 1024 screen: client 953 x 621.
    const int x = (attributes.width - 953) / 2 + 45;
    const int y = (attributes.height - 621) / 2 + 459;
    XImage* pImage = XGetImage(pDisplay, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (pImage == nullptr) return false;
    const unsigned long pixel = XGetPixel(pImage, 0, 0);
    XDestroyImage(pImage);
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return b > r + 60 && b > g + 30;
}

void BM_StartToFirstFrame(benchmark::State& state) {
    char szDisplay[16];
    std::snprintf(szDisplay, sizeof szDisplay, ":%d", 180 + getpid() % 100);
    const std::string strDisplay = szDisplay;
    const pid_t xvfb = Spawn("exec Xvfb " + strDisplay + " -screen 0 1280x1024x24 -nolisten tcp");
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
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t game = Spawn("DISPLAY=" + strDisplay + " exec " HANDFALL_EXE " 2>/dev/null");
        bool bShown = false;
        while (!bShown && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
            bShown = CardBackShows(pDisplay);
            if (!bShown) std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        kill(game, SIGTERM);
        waitpid(game, nullptr, 0);
        // The next run starts on an empty screen.
        while (CardBackShows(pDisplay)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!bShown) state.SkipWithError("no frame within 10 s");
    }
    XCloseDisplay(pDisplay);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
