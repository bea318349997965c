#include "platform/fs/AppleDouble.h"

#include "AppleDoubleBytes.h"

#include <gtest/gtest.h>

using namespace AppleDoubleBytes;

namespace {

QByteArray someFork()
{
    QByteArray fork(700, '\0');
    for (int i = 0; i < fork.size(); ++i)
        fork[i] = char(i * 7 + 1);
    return fork;
}

// Bytes outside [from, from + length) of two equally long arrays are equal.
bool equalOutside(const QByteArray& a, const QByteArray& b, int from, int length)
{
    return a.size() == b.size() && a.left(from) == b.left(from) &&
           a.mid(from + length) == b.mid(from + length);
}

} // namespace

TEST(AppleDouble, ReadsTheMacLayout)
{
    const QByteArray fi = finderInfoBytes("TEXT", "ttxt", 0x4000);
    auto ad = AppleDouble::parse(macCompanion(fi, 1, someFork()));
    ASSERT_TRUE(ad);
    EXPECT_EQ(ad->finderInfo().toBytes(), fi);
    EXPECT_EQ(ad->resourceForkLength(), 700);
    EXPECT_EQ(ad->finderInfoOffset(), 50);
}

TEST(AppleDouble, FindsEntriesByIdInAnyOrder)
{
    // Resource fork first, in the table and in the file; an unknown entry between.
    QByteArray b = header({{2, 62, 10}, {3, 72, 4}, {9, 76, 32}}, 108);
    b.replace(62, 10, "rsrc-bytes");
    b.replace(72, 4, "name");
    b.replace(76, 32, finderInfoBytes("APPL", "MACS", 0));
    auto ad = AppleDouble::parse(b);
    ASSERT_TRUE(ad);
    EXPECT_EQ(ad->finderInfo().type(), "APPL");
    EXPECT_EQ(ad->resourceForkLength(), 10);
}

TEST(AppleDouble, WritingChangesOnlyTheFinderInformation)
{
    const QByteArray original = macCompanion(finderInfoBytes("TEXT", "ttxt", 0), 1, someFork());
    auto ad = AppleDouble::parse(original);
    ASSERT_TRUE(ad);
    FinderInfo next = ad->finderInfo();
    next.setFlags(FinderInfo::kIsInvisible);
    const QByteArray written = ad->withFinderInfo(next);
    EXPECT_TRUE(equalOutside(original, written, 50, 32)); // ATTR block and fork intact
    EXPECT_EQ(AppleDouble::parse(written)->finderInfo().flags(), FinderInfo::kIsInvisible);
}

TEST(AppleDouble, AddsAFinderInformationEntryKeepingTheOthers)
{
    QByteArray b = header({{3, 62, 4}, {2, 50, 12}}, 66);
    b.replace(50, 12, "fork-content");
    b.replace(62, 4, "name");
    auto ad = AppleDouble::parse(b);
    ASSERT_TRUE(ad);
    EXPECT_FALSE(ad->hasFinderInfo());
    EXPECT_TRUE(ad->finderInfo().isZero());

    auto rebuilt = AppleDouble::parse(ad->withFinderInfo(FinderInfo::fromBytes(
        finderInfoBytes("TEXT", "R*ch", 0))));
    ASSERT_TRUE(rebuilt);
    EXPECT_EQ(rebuilt->finderInfo().creator(), "R*ch");
    EXPECT_EQ(rebuilt->resourceForkLength(), 12);
    const auto& entries = rebuilt->entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries.front().id, 9u);
    EXPECT_EQ(entries.back().id, 2u); // the resource fork stays last
    EXPECT_EQ(rebuilt->bytes().mid(entries.back().offset, 12), "fork-content");
    EXPECT_EQ(rebuilt->bytes().mid(entries[1].offset, 4), "name");
}

TEST(AppleDouble, FreshFileHasTheMacLayout)
{
    const QByteArray fi = finderInfoBytes("TEXT", "ttxt", 0x4000);
    const QByteArray fresh = AppleDouble::fresh(FinderInfo::fromBytes(fi));
    // Independent of the parser: what macOS writes, byte for byte where it matters.
    QByteArray expected = macCompanion(fi, 0, QByteArray());
    ASSERT_EQ(fresh.size(), 4096);
    EXPECT_EQ(fresh.left(50), header({{9, 50, 3760}, {2, 3810, 286}}, 50));
    EXPECT_EQ(fresh.mid(50, 3760), expected.mid(50, 3760));
    EXPECT_EQ(fresh.mid(3810 + 16, 43), "This resource fork intentionally left blank");

    auto ad = AppleDouble::parse(fresh);
    ASSERT_TRUE(ad);
    EXPECT_EQ(ad->finderInfo().toBytes(), fi);
    EXPECT_EQ(ad->resourceForkLength(), 0); // the blank fork holds no resources
    EXPECT_FALSE(ad->holdsNothing());
    EXPECT_TRUE(AppleDouble::parse(ad->withFinderInfo(FinderInfo{}))->holdsNothing());
}

TEST(AppleDouble, HoldsNothingOnlyWhenNothingWouldBeLost)
{
    const QByteArray zero(32, '\0');
    const QByteArray blankFork = AppleDouble::fresh(FinderInfo{}).mid(3810);
    QByteArray garbageAfterInfo = macCompanion(zero, 0, blankFork);
    garbageAfterInfo[84] = 'X'; // not an ATTR block: unknown data, kept
    QByteArray otherEntry = header({{9, 50, 32}, {4, 82, 3}}, 85);
    otherEntry.replace(82, 3, "cmt");
    const struct {
        const char* name;
        QByteArray bytes;
        bool nothing;
    } cases[] = {
        {"zero info, empty ATTR, blank fork", macCompanion(zero, 0, blankFork), true},
        {"zero info, no fork entry", header({{9, 38, 32}}, 70), true},
        {"zero info, empty fork", macCompanion(zero, 0, QByteArray()), true},
        {"Finder information set", macCompanion(finderInfoBytes("AAAA", "BBBB", 0), 0, blankFork),
         false},
        {"other attributes", macCompanion(zero, 1, blankFork), false},
        {"a real resource fork", macCompanion(zero, 0, someFork()), false},
        {"unknown bytes after the info", garbageAfterInfo, false},
        {"another entry with data", otherEntry, false},
    };
    for (const auto& c : cases) {
        auto ad = AppleDouble::parse(c.bytes);
        ASSERT_TRUE(ad) << c.name;
        EXPECT_EQ(ad->holdsNothing(), c.nothing) << c.name;
    }
}

TEST(AppleDouble, MalformedInputIsUnreadable)
{
    const QByteArray good = macCompanion(finderInfoBytes("TEXT", "ttxt", 0), 0, someFork());
    QByteArray wrongMagic = good;
    wrongMagic[3] = 0x00; // AppleSingle's magic
    QByteArray versionOne = good;
    put32(versionOne, 4, 0x00010000);
    QByteArray absurdCount = good;
    put16(absurdCount, 24, 0xFFFF);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"shorter than the header", good.left(25)},
        {"truncated inside the table", good.left(40)},
        {"truncated inside an entry", good.left(3000)},
        {"wrong magic", wrongMagic},
        {"version 1", versionOne},
        {"absurd entry count", absurdCount},
        {"offset past the end", header({{9, 5000, 32}}, 100)},
        {"length past the end", header({{9, 38, 100}}, 100)},
        {"offset plus length wraps", header({{9, 0xFFFFFFF0u, 0x20}}, 100)},
        {"overlapping entries", header({{9, 50, 32}, {2, 60, 10}}, 100)},
        {"entry inside the table", header({{9, 20, 32}}, 100)},
        {"duplicate Finder information", header({{9, 62, 32}, {9, 94, 32}}, 126)},
        {"short Finder information", header({{9, 38, 31}}, 100)},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(AppleDouble::parse(c.bytes)) << c.name;
}
