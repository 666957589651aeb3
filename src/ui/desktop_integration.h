// What makes the game a desktop program like others: the name its desktop entry and icon are
// installed under, the accessibility interfaces, and per window the control names and keys.
#pragma once

class QGuiApplication;
class CQtDialogHost;

// The application id: the desktop entry, the icon and the metainfo are installed under it.
constexpr const char* kDesktopAppID = "org.example.handfall";

// Once, before the first window.
void SetUpDesktopIntegration(QGuiApplication& app);

// Each dialog host, as the runner builds it: names for screen readers; keys on the table.
void SetUpDialogHost(CQtDialogHost& host);
