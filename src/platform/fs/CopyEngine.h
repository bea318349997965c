#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

// What a copy has done so far, read by another thread (a progress window, a command
// line) while the copy runs. Setting cancelled stops the copy at the next entry or the
// next few megabytes of data.
class CopyProgress {
  public:
    std::atomic<qint64> itemsDone{0};
    std::atomic<qint64> bytesDone{0};
    std::atomic<bool> cancelled{false};
    // What the whole copy will do, when the caller measured it (CopyEngine::measure).
    std::atomic<qint64> itemsTotal{0};
    std::atomic<qint64> bytesTotal{0};

    void setCurrent(const QByteArray& sourcePath);
    QByteArray current() const;

  private:
    mutable std::mutex m_mutex;
    QByteArray m_current;
};

// How much a copy of some items will have to do, for a progress bar.
struct CopyTotals {
    qint64 items = 0;
    qint64 bytes = 0;
};

// An entry inside a copied folder that was left out because nothing can copy it (a
// socket, a device); the rest of the folder is copied.
struct CopySkip {
    QByteArray sourcePath;
    SysError error;
};

// The one copy that keeps everything a Mac file carries: data (a reflink where the file
// system allows, else copy_file_range, else read and write), permissions, owner (when
// allowed), modification dates (folders after their contents), every user attribute
// with the Finder information and resource fork, and the "._NAME" companions beside the
// items. Links are copied as links and never followed; FIFOs are made anew. Where the
// destination holds no user attributes (FAT, links), all of that goes into the copy's
// "._NAME" companion in the macOS layout. The source is only ever read.
//
// One engine object serves one caller at a time; it may run on any thread.
class CopyEngine {
  public:
    explicit CopyEngine(CopyProgress* progress = nullptr);

    // Asked before each entry inside a copied folder (not for the top-level item):
    // false leaves the entry, and a folder's whole contents, out.
    std::function<bool(const QByteArray& sourcePath)> acceptEntry;
    // Told after each entry inside a copied folder has been copied.
    std::function<void(const QByteArray& sourcePath, const QByteArray& copyPath)> entryCopied;

    // Copies source into folder as name (the source's own name when empty). The copy is
    // made under a temporary name and renamed into place only when complete; it never
    // replaces anything. On failure nothing of it is left.
    Status copyInto(const QByteArray& source, const QByteArray& folder,
                    const QByteArray& name = {});
    // The same, replacing the item that stands at folder/name: the new copy is made in
    // full first, then swapped with the old item, which is deleted only after that.
    // On failure the old item is still there.
    Status copyReplacing(const QByteArray& source, const QByteArray& folder,
                         const QByteArray& name);

    // Building blocks for callers that walk a tree themselves. copyItem makes target
    // exactly (no temporary name) with everything; a failure leaves what was made for
    // the caller to remove. makeFolder makes an empty folder with the source's
    // attributes; finishFolder then gives it the source's mode and dates.
    Status copyItem(const QByteArray& source, const QByteArray& target);
    Status makeFolder(const QByteArray& source, const QByteArray& target);
    Status finishFolder(const QByteArray& source, const QByteArray& target);

    // Entries left out below the top-level items since the engine was made.
    const std::vector<CopySkip>& skipped() const { return m_skipped; }
    // The source path where the last failure happened, for messages.
    const QByteArray& failedPath() const { return m_failedPath; }

    // Puts fresh (an item in the same folder as target) in target's place and deletes
    // the item that stood there, each with its companion. Where the file system cannot
    // exchange two names, the old item is renamed aside first and put back on failure.
    static Status swapIn(const QByteArray& fresh, const QByteArray& target);
    // A short name, free in folder, for an item being made there.
    static QByteArray temporaryName(const QByteArray& folder);
    // Removes an item tree and its companion, as after a failed or cancelled copy.
    static void discard(const QByteArray& path);
    // Counts what copying the items would do (entries and bytes of data).
    static CopyTotals measure(const std::vector<QByteArray>& sources);

  private:
    class Walk; // the tree walk, in CopyTree.cpp
    Status copyEntry(int sourceFolder, const QByteArray& source, int targetFolder,
                     const QByteArray& target);
    Status copyToTemporary(const QByteArray& source, const QByteArray& folder,
                           QByteArray& temporary);

    CopyProgress* m_progress;
    CopyProgress m_ownProgress;
    std::vector<CopySkip> m_skipped;
    QByteArray m_failedPath;
};
