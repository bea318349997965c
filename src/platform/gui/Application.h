#pragma once

#include <functional>

class MenuBar;

// The process's application object over Qt.
namespace Application {

// Makes the application (picking a Japanese font when one is installed), installs the
// SIGTERM handler and runs start() once the event loop exists; finish() runs when the
// loop has ended, before the application object goes.
int exec(int argc, char** argv, const std::function<void()>& start,
         const std::function<void()>& finish = {});
// Sets up what exec() sets up, for an application object made elsewhere (tests).
void prepare();
// Quits: every window closes without the quit question (onCancelClose(true)), then
// the event loop ends. Ctrl+Q, SIGTERM and the end of the session come here.
void quit();
bool quitting();
void beep();
// Processes pending events from inside a handler.
void doEvents();

} // namespace Application
