#pragma once

// The application object: registers the drop types, builds the menu bar and opens the
// one main window.
class App {
public:
    static int run(int argc, char** argv);
};
