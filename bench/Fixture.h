#pragma once

#include <QByteArray>

// A benchmark folder: `items` entries at the top, of which `folders` hold
// `itemsPerFolder` files each, one more folder holds `bigChildren` files, and every
// 1,000th file carries Finder information.
struct FixtureShape {
    int items = 100000;
    int folders = 100;
    int itemsPerFolder = 10;
    int bigChildren = 10000;
};

struct Fixture {
    QByteArray root;     // the listed folder
    QByteArray bigName;  // name of the folder with bigChildren files
    bool removeAtEnd = false;
};

Fixture makeFixture(const QByteArray& workDir, const FixtureShape& shape);
void removeTree(const QByteArray& path);
