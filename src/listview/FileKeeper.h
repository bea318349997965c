#pragma once

#include "platform/fs/FolderItem.h"

#include <QString>

class ListBox;

// One item key taken from a list row: volume reference number and volume-relative path.
class FileKeeper {
public:
    int vref = -1;
    QString path;

    void getFrom(const ListBox& list, int row);
    bool compareWith(const ListBox& list, int row) const;
    FolderItemPtr getFI() const;

    bool operator==(const FileKeeper& other) const = default;
};

struct FileKeeperHash {
    size_t operator()(const FileKeeper& k) const noexcept;
};
