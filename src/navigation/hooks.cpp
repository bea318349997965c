#include "mainwindow/Window1.h"

// The listing calls into navigation at these points. The pop-ups and the history are
// not built yet: until then the listing needs nothing from them.
// FIXME: volume pop-up, path pop-up and recent-folder history.
void Window1::OptimizeVolpop() {}
void Window1::setPathName(const FolderItemPtr&) {}
void Window1::addHistory() {}
