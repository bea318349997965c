#pragma once

#include <QByteArray>
#include <QList>
#include <cstdio>

// cloakswitch-copy SOURCE... FOLDER: each source into the folder under its own name,
// with everything the copy engine keeps; never replaces. Returns the exit status: 0 when
// every item arrived whole, 1 when any did not, 2 for bad usage.
int runCopyCommand(const QList<QByteArray>& args, FILE* out, FILE* err);

const char* copyUsageText();
