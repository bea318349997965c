#pragma once

#include <functional>

// The process's application object over Qt. start() runs once the event loop exists.
namespace Application {
int exec(int argc, char** argv, const std::function<void()>& start);
}
