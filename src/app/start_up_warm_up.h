#pragma once

#include <thread>

// Qt does parts of its start-up on the window's thread the first time each is needed: reading
// the font configuration and listing the fonts (for the first caption), connecting to the
// session bus (for accessibility, when the first control is made) and loading the image
// plug-ins (for the first picture read from a file, the group boxes' frame). Each of these is
// safe on another thread; started there early, they overlap with connecting to the window
// system and building the table instead of delaying its first frame.
class CStartUpWarmUp {
public:
    // Before the application object: the session bus, then the font configuration. Under the
    // address sanitizer, returns once connecting to the bus has forked, if it does.
    CStartUpWarmUp();
    // Once the application object exists: the list of fonts and the image plug-ins.
    void ApplicationReady();
    // Before the application object goes: what these threads touched must not outlive it.
    void Finish();
    ~CStartUpWarmUp() { Finish(); }

    CStartUpWarmUp(const CStartUpWarmUp&) = delete;
    CStartUpWarmUp& operator=(const CStartUpWarmUp&) = delete;

private:
    std::thread m_beforeApplication;
    std::thread m_withApplication;
};
