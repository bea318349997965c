#include "app/App.h"

#include "platform/gui/Application.h"

int App::run(int argc, char** argv)
{
    return Application::exec(argc, argv, [] {});
}
