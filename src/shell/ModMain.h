#pragma once
#include <QString>

#include <functional>

// The program's start-up order and shutdown. The screens and the print front
// object belong to areas above the shell, so the program hands them in.
struct StartupSteps {
    std::function<void()> createPrintObject; // creates it and gives it g_sAppTitle
    std::function<void()> releasePrintObject;
    std::function<bool()> logIn; // shows the login dialog; true on success
    std::function<void()> showMainWindow;
};

// Runs start-up; returns true when the main window is open and the program
// should enter its event loop, false when it ended on the way.
bool Main(const StartupSteps &steps);
bool InitApp();
void DestroyApp();
// Closes every open window whose name differs from sFormName (case ignored).
void UnloadAllForms(const QString &sFormName);
