#pragma once

#include <QByteArray>
#include <string>

// A real temporary folder, removed with everything in it (links not followed).
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const QByteArray& path() const { return m_path; }
    QByteArray file(const QByteArray& relative, const QByteArray& content = {}) const;
    QByteArray folder(const QByteArray& relative) const;
    QByteArray operator/(const QByteArray& relative) const { return m_path + "/" + relative; }

private:
    QByteArray m_path;
};

// Byte-exact helpers for extended attributes in tests.
bool setXattr(const QByteArray& path, const char* name, const QByteArray& value);
QByteArray getXattr(const QByteArray& path, const char* name, bool* present = nullptr);
