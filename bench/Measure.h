#pragma once

#include <QByteArray>
#include <chrono>

// Wall-clock seconds of one run of f.
template <typename F>
double timed(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// readdir + statx + reading the Finder information attribute of every entry: what any
// listing of the folder must at least cost. Returns seconds.
double syscallFloor(const QByteArray& folder);

double residentMb();     // VmRSS
double peakResidentMb(); // VmHWM
