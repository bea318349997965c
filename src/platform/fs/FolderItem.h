#pragma once

#include "platform/Result.h"
#include "platform/fs/FinderInfoStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FolderItem;
struct Volume;
using FolderItemPtr = std::shared_ptr<FolderItem>;

// One file, folder, link, alias file or volume root, named by an absolute canonical POSIX
// path; the item need not exist. Names and paths handed to the program are NameCodec
// texts (lossless for names that are not UTF-8).
//
// Status (lstat) and Finder information are read once, on first use, and kept for the
// object's life; the object's own writes update them, and refresh() forgets them. exists()
// always asks the file system. Program code keeps items briefly or as names only (rows
// keep keys), so the snapshot is what a listing wants: one statx and one attribute list
// per entry.
class FolderItem : public std::enable_shared_from_this<FolderItem> {
  public:
    // Canonicalises the folder part (realpath of the parent; the last component is kept as
    // it is, so a link stays a link, unless a trailing "/" asks for what it names).
    // Relative paths are taken from the working folder's own bytes.
    static FolderItemPtr fromPosixPath(const QByteArray& path);
    // An absolute colon path ("Volume:a:b:"); no item when no volume has that name.
    static FolderItemPtr fromAbsolutePath(const QString& colonPath);

    const QByteArray& posixPath() const { return m_path; }

    // --- names and paths
    QString name() const;                  // last component; a volume root gives the volume's name
    QString displayName() const;           // name without a hidden extension; XDG folder names
    QString absolutePath() const;          // colon form; folders end with ":"
    Status rename(const QString& newName); // never replaces; "._X" follows
    // Moves the item into folder on the same file system (EXDEV across mounts) under
    // newName, its own name when empty; never replaces, "._X" follows.
    Status moveInto(const FolderItem& folder, const QString& newName = QString());

    // --- volume
    int volumeRef() const; // 0 when the item lies on no listed volume
    bool isVolumeRoot() const;
    FolderItemPtr parent() const; // none for a volume root

    // --- kind
    bool exists() const;   // lstat succeeds, asked afresh every time
    Status checkExists() const; // the same, with the reason when it does not
    bool isFolder() const; // a directory, not through a link
    bool isSymlink() const;
    bool isAlias() const;           // a link, or the Finder alias flag
    FolderItemPtr resolved() const; // the alias's target; itself when it cannot resolve

    // --- Finder information
    bool visible() const;
    Status setVisible(bool visible);
    QByteArray typeCode() const;    // four bytes
    QByteArray creatorCode() const; // four bytes
    Status setTypeCode(const QByteArray& code);
    Status setCreatorCode(const QByteArray& code);
    bool extensionHidden() const;

    // --- sizes and dates
    qint64 dataForkSize() const;
    qint64 resourceForkSize() const;
    QDateTime creationDate() const; // birth time where known, else modification
    QDateTime modificationDate() const;
    Status setModificationDate(const QDateTime& when);
    Status setCreationDate(const QDateTime& when); // Linux keeps no settable birth time

    // --- folder contents (indexes 1..count)
    int count();                   // reads the folder afresh and keeps the snapshot
    FolderItemPtr item(int index); // no item when out of range or unreadable
    FolderItemPtr child(const QString& nameOrPath) const;     // an alias resolved
    FolderItemPtr trueChild(const QString& nameOrPath) const; // an alias as itself

    // --- special folders and changes
    FolderItemPtr trashFolder() const; // the volume's trash "files" folder; never creates
    Status createAsFolder();
    Status deleteItem(); // removes a tree, never following links; "._X" goes along
    Result<QString> readText() const;
    // UTF-8, temporary file renamed into place; through a link, the file it names is
    // replaced, keeping its mode, owner and user attributes.
    Status writeText(const QString& text);

    void refresh(); // forget the kept status and Finder information

    struct Snapshot; // implementation detail, shared with the folder reader
    struct EntryReads; // the listed entries' status and Finder information, read at once
    explicit FolderItem(QByteArray canonicalPath);
    ~FolderItem();

  private:
    Snapshot& snap() const;
    const Snapshot& status() const;           // statx, once
    const FinderInfoRead& finderInfo() const; // Finder information, once
    FinderInfoHints infoHints() const;
    void readEntries(); // fills m_reads for the entries of the last count()
    Status changeFinderInfo(const std::function<void(FinderInfo&)>& change);
    Status setCode(const QByteArray& code, bool isType);
    Status relocate(const QByteArray& folder, const QString& newName);
    FolderItemPtr lookUp(const QString& nameOrPath) const;
    FolderItemPtr macAliasTarget() const; // none when the record does not resolve
    // The item's volume, looked up again only when the volume list changed: rows ask
    // for it constantly.
    const Volume* volume() const;

    QByteArray m_path;
    mutable std::unique_ptr<Snapshot> m_snap;
    mutable std::shared_ptr<const std::vector<Volume>> m_volumes;
    mutable const Volume* m_volume = nullptr;
    // Names from the last count(), one after the other without a copy of their own each:
    // a folder of a million entries is read into two arrays.
    QByteArray m_entryNames;
    std::vector<uint32_t> m_entryEnds;
    std::shared_ptr<const class UniqueFd> m_listedFd; // the folder read by count()
    std::vector<bool> m_entryHasCompanion;
    // Filled by the first item() after count(): every entry's status and Finder
    // information in one pass, spread over worker threads for large folders.
    std::unique_ptr<EntryReads> m_reads;
    bool m_readsUsedUp = false;
};
