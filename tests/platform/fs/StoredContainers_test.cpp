#include "platform/fs/AfpInfo.h"
#include "platform/fs/NetatalkMetadata.h"

#include "AppleDoubleBytes.h"

#include <gtest/gtest.h>

using namespace AppleDoubleBytes;

namespace {

// netatalk's header as it stores it: AppleDouble v2, eight entries, Finder information
// at 122, private fields after it; 402 bytes.
QByteArray netatalkHeader(const QByteArray& finderInfo)
{
    QByteArray b = header({{9, 122, 32}, {4, 154, 0}, {8, 154, 16}, {14, 170, 4},
                           {16, 174, 8}, {17, 182, 8}, {18, 190, 8}, {19, 198, 4}},
                          402);
    b.replace(122, 32, finderInfo);
    for (int i = 154; i < 402; ++i)
        b[i] = char(i);
    return b;
}

QByteArray afpInfo(const QByteArray& finderInfo, bool trailingZero = true)
{
    QByteArray b(60, '\0');
    b.replace(0, 4, QByteArray("AFP\0", 4));
    put32(b, 4, 0x00010000);
    put32(b, 8, 1234);  // file id
    put32(b, 12, 99);   // backup time
    b.replace(16, 32, finderInfo);
    b.replace(48, 6, "prodos");
    return trailingZero ? b + QByteArray(1, '\0') : b;
}

} // namespace

TEST(StoredContainers, NetatalkReadsAndWritesOnlyTheFinderInformation)
{
    const QByteArray fi = finderInfoBytes("TEXT", "ttxt", 0x4000);
    const QByteArray stored = netatalkHeader(fi);
    auto read = NetatalkMetadata::read(stored);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->toBytes(), fi);

    FinderInfo next = *read;
    next.setType("PICT");
    auto written = NetatalkMetadata::withFinderInfo(stored, next);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 402);
    EXPECT_EQ(written->left(122), stored.left(122));
    EXPECT_EQ(written->mid(122, 4), "PICT");
    EXPECT_EQ(written->mid(126), stored.mid(126));
}

TEST(StoredContainers, NetatalkRejectsOtherShapes)
{
    const QByteArray good = netatalkHeader(finderInfoBytes("TEXT", "ttxt", 0));
    QByteArray wrongMagic = good;
    wrongMagic[0] = 1;
    QByteArray wrongVersion = good;
    put32(wrongVersion, 4, 0x00010000);
    for (const QByteArray& bad : {good.left(401), good + '\0', QByteArray(), wrongMagic,
                                  wrongVersion}) {
        EXPECT_FALSE(NetatalkMetadata::read(bad));
        EXPECT_FALSE(NetatalkMetadata::withFinderInfo(bad, FinderInfo{}));
    }
}

TEST(StoredContainers, AfpInfoReadsAndWritesOnlyTheFinderInformation)
{
    const QByteArray fi = finderInfoBytes("APPL", "ttxt", 0x2000);
    for (bool trailingZero : {true, false}) {
        const QByteArray stored = afpInfo(fi, trailingZero);
        auto read = AfpInfo::read(stored);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->toBytes(), fi);
        FinderInfo next = *read;
        next.setFlags(FinderInfo::kIsInvisible);
        auto written = AfpInfo::withFinderInfo(stored, next);
        ASSERT_TRUE(written);
        EXPECT_EQ(written->size(), stored.size()); // the trailing zero stays
        EXPECT_EQ(written->left(24), stored.left(24));
        EXPECT_EQ(written->mid(24, 2), QByteArray("\x40\x00", 2));
        EXPECT_EQ(written->mid(26), stored.mid(26));
    }
}

TEST(StoredContainers, AfpInfoRejectsOtherShapes)
{
    const QByteArray good = afpInfo(QByteArray(32, 'x'));
    QByteArray wrongSignature = good;
    wrongSignature[2] = 'X';
    for (const QByteArray& bad : {good.left(59), good + '\0', QByteArray(), wrongSignature}) {
        EXPECT_FALSE(AfpInfo::read(bad));
        EXPECT_FALSE(AfpInfo::withFinderInfo(bad, FinderInfo{}));
    }
}
