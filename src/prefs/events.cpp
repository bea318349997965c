#include "mainwindow/Window1.h"

void Window1::connectPrefsEvents() {}
