#pragma once

#include "InfoOptions.h"

#include <cstdio>

// Applies the requested changes to every path, then prints a line for every item found.
// Returns the exit status: 0, or 1 when a path was missing or a change refused.
int runInfoCommand(const InfoOptions& options, FILE* out, FILE* err);
