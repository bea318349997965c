#pragma once

#include "platform/fs/FolderItem.h"
#include "platform/fs/Volumes.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

// Two test volumes, "HD" (reference 11) and "Other" (22), in a temporary folder; the real
// volume list returns when the test ends.
class TestVolumes : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_hd = m_tmp.folder("hd");
        m_other = m_tmp.folder("other");
        Volumes::setTestTable(std::vector<Volumes::TestVolume>{
            {QStringLiteral("HD"), m_hd, 11}, {QStringLiteral("Other"), m_other, 22}});
    }
    void TearDown() override { Volumes::setTestTable(std::nullopt); }

    FolderItemPtr hd(const QByteArray& relative = {}) const
    {
        return FolderItem::fromPosixPath(relative.isEmpty() ? m_hd : m_hd + "/" + relative);
    }
    FolderItemPtr other(const QByteArray& relative) const
    {
        return FolderItem::fromPosixPath(m_other + "/" + relative);
    }

    TempDir m_tmp;
    QByteArray m_hd;
    QByteArray m_other;
};

// Finder information with the given flags (and type and creator for files).
inline QByteArray finderInfo(uint16_t flags, const QByteArray& type = QByteArray(4, '\0'),
                             const QByteArray& creator = QByteArray(4, '\0'))
{
    QByteArray info = type + creator + QByteArray(24, '\0');
    info[8] = char(flags >> 8);
    info[9] = char(flags & 0xff);
    return info;
}
