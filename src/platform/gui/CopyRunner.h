#pragma once

#include "platform/Result.h"
#include "platform/fs/CopyEngine.h"

#include <QByteArray>
#include <functional>
#include <vector>

// Runs a copy on a worker thread while the caller waits in a nested event loop, so that
// a synchronous call stays synchronous and the window stays alive. A copy that lasts
// longer than about half a second shows a small modal progress window with a cancel
// button; until then user input waits.
namespace CopyRunner {

// work runs on the worker thread with an engine whose progress the window shows;
// sources are what it will copy, measured for the bar.
Status run(const std::vector<QByteArray>& sources, const std::function<Status(CopyEngine&)>& work);

// How long a copy runs before the window shows, in milliseconds.
constexpr int kWindowDelay = 500;

} // namespace CopyRunner
