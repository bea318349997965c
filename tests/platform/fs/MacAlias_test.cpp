#include "platform/fs/FolderItem.h"
#include "platform/fs/MacAlias.h"
#include "platform/fs/Volumes.h"

#include "AppleDoubleBytes.h"
#include "MacAliasBytes.h"
#include "support/TempDir.h"
#include "support/TestVolumes.h"

#include <gtest/gtest.h>

using namespace MacAliasBytes;

namespace {

constexpr const char* kFinderInfoAttr = "user.com.apple.FinderInfo";
constexpr const char* kForkAttr = "user.com.apple.ResourceFork";

// "HD" and "Other" from the fixture, and a second "Other" later in the list.
class MacAliasFiles : public TestVolumes {
  protected:
    void SetUp() override {
        TestVolumes::SetUp();
        m_twin = m_tmp.folder("twin");
        Volumes::setTestTable(std::vector<Volumes::TestVolume>{
            {"HD", m_hd, 11}, {"Other", m_other, 22}, {"Other", m_twin, 33}});
        m_tmp.folder("hd/docs");
        m_tmp.file("hd/docs/letter.txt", "dear");
        m_tmp.folder("other/Projects");
        m_tmp.folder("twin/Projects");
        m_tmp.folder("hd/aliases");
    }

    // An alias file as the Finder leaves it: the alias flag, zero codes, and the record in
    // the resource fork (an attribute here) or the bookmark in the data fork.
    FolderItemPtr aliasFile(const QByteArray& at, const QByteArray& fork,
                            const QByteArray& data = {}) {
        const QByteArray path = m_tmp.file(at, data);
        EXPECT_TRUE(setXattr(path, kFinderInfoAttr, finderInfo(0x8000)));
        if (!fork.isEmpty()) {
            EXPECT_TRUE(setXattr(path, kForkAttr, fork));
        }
        return FolderItem::fromPosixPath(path);
    }

    QByteArray m_twin;
};

QByteArray posixTag(const QByteArray& path) {
    return tag(18, path);
}

TEST_F(MacAliasFiles, RecordsResolveToTheirTargets) {
    const struct {
        const char* name;
        QByteArray fork, data;
        const char* target; // below the test folder
    } cases[] = {
        {"version 2, same volume",
         resourceFork("alis", aliasV2("HD", posixTag("/docs/letter.txt"), false)),
         {},
         "hd/docs/letter.txt"},
        {"version 2, Carbon path only",
         resourceFork("alis", aliasV2("HD", tag(2, "HD:docs:letter.txt"), false)),
         {},
         "hd/docs/letter.txt"},
        {"version 3, other volume",
         resourceFork("alis", aliasV3(tag(15, unicodeName("Other")) + posixTag("/Projects"), true)),
         {},
         "other/Projects"},
        {"bookmark, other volume",
         {},
         bookmark({"Volumes", "Other", "Projects"}, "/Volumes/Other", "Other"),
         "other/Projects"},
        {"bookmark, start-up volume",
         {},
         bookmark({"docs", "letter.txt"}, "/", "HD"),
         "hd/docs/letter.txt"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const auto alias = aliasFile("hd/aliases/a" + QByteArray::number(n++), c.fork, c.data);
        ASSERT_TRUE(alias->isAlias()) << c.name;
        const auto target = alias->resolved();
        EXPECT_EQ(target->posixPath(), m_tmp / c.target) << c.name;
    }
}

TEST_F(MacAliasFiles, ResourceForkInTheCompanionServesToo) {
    const QByteArray fork = resourceFork("alis", aliasV2("HD", posixTag("/docs"), true));
    const auto alias = aliasFile("hd/aliases/docs alias", {});
    QByteArray companion = AppleDoubleBytes::header({{2, 38, uint32_t(fork.size())}}, 38);
    m_tmp.file("hd/aliases/._docs alias", companion + fork);
    EXPECT_EQ(alias->resolved()->posixPath(), m_hd + "/docs");
}

TEST_F(MacAliasFiles, AnAliasOnTheNamedVolumeResolvesThereFirst) {
    const QByteArray record = aliasV2("Other", posixTag("/Projects"), true);
    const auto onTwin = aliasFile("twin/alias", resourceFork("alis", record));
    EXPECT_EQ(onTwin->resolved()->posixPath(), m_twin + "/Projects");
    const auto elsewhere = aliasFile("hd/aliases/alias", resourceFork("alis", record));
    EXPECT_EQ(elsewhere->resolved()->posixPath(), m_other + "/Projects");
}

TEST_F(MacAliasFiles, AliasesBehaveAsLinksDo) {
    const auto alias =
        aliasFile("hd/aliases/Projects alias",
                  resourceFork("alis", aliasV2("Other", posixTag("/Projects"), true)));
    EXPECT_EQ(alias->typeCode(), "fdrp");
    EXPECT_EQ(alias->creatorCode(), "MACS");
    EXPECT_TRUE(alias->resolved()->isFolder());
    const auto viaChild = hd("aliases")->child("Projects alias");
    ASSERT_TRUE(viaChild);
    EXPECT_EQ(viaChild->posixPath(), m_other + "/Projects");
    EXPECT_EQ(hd("aliases")->trueChild("Projects alias")->posixPath(), alias->posixPath());
}

// An alias that cannot be followed is still an alias and resolves to itself.
TEST_F(MacAliasFiles, UnresolvableAndDamagedRecordsResolveToThemselves) {
    const QByteArray good = aliasV2("HD", posixTag("/docs/letter.txt"), false);
    QByteArray tagPastEnd = good;
    be16(tagPastEnd, 152, 0x4000);
    QByteArray longVolumeName = good;
    longVolumeName[10] = char(200);
    QByteArray forkMapPastEnd = resourceFork("alis", good);
    be32(forkMapPastEnd, 4, 0x7FFFFFF0);
    QByteArray resourcePastData = resourceFork("alis", good);
    be32(resourcePastData, 256, 0x00FFFFFF);
    QByteArray bookmarkTocPastEnd = bookmark({"docs"}, "/", "HD");
    bookmarkTocPastEnd.replace(48, 4, le32(0x7FFFFFFF));
    const struct {
        const char* name;
        QByteArray fork, data;
    } cases[] = {
        {"volume not mounted", resourceFork("alis", aliasV2("Gone", posixTag("/docs"), true)), {}},
        {"target missing", resourceFork("alis", aliasV2("HD", posixTag("/nothing"), false)), {}},
        {"path leaves the volume",
         resourceFork("alis", aliasV2("HD", posixTag("/../etc"), true)),
         {}},
        {"no alias record", resourceFork("ICN#", good), {}},
        {"no resource fork", {}, {}},
        {"truncated record", resourceFork("alis", good.left(100)), {}},
        {"tag past the end", resourceFork("alis", tagPastEnd), {}},
        {"volume name too long", resourceFork("alis", longVolumeName), {}},
        {"unknown version", resourceFork("alis", QByteArray(good).replace(7, 1, "\x07")), {}},
        {"map past the end", forkMapPastEnd, {}},
        {"resource past its data", resourcePastData, {}},
        {"fork of garbage", QByteArray(300, '\xff'), {}},
        {"bookmark cut short", {}, bookmark({"docs"}, "/", "HD").left(70)},
        {"bookmark table past the end", {}, bookmarkTocPastEnd},
        {"bookmark on another volume path", {}, bookmark({"docs"}, "/Volumes/X", "HD")},
    };
    for (const auto& c : cases) {
        const auto alias = aliasFile("hd/aliases/broken", c.fork, c.data);
        EXPECT_EQ(alias->resolved(), alias) << c.name;
        EXPECT_TRUE(alias->isAlias()) << c.name;
        ::unlink((m_tmp / "hd/aliases/broken").constData());
    }
}

// Every prefix of well-formed records parses or is refused, never read past its end.
TEST(MacAliasParsers, EveryTruncationIsSafe) {
    const QList<QByteArray> inputs = {
        resourceFork("alis", aliasV2("HD", posixTag("/docs/letter.txt"), false)),
        resourceFork("alis", aliasV3(tag(15, unicodeName("Other")) + posixTag("/P"), true)),
        bookmark({"Volumes", "Other", "Projects"}, "/Volumes/Other", "Other"),
    };
    for (const QByteArray& full : inputs) {
        for (qsizetype n = 0; n <= full.size(); ++n) {
            const QByteArray part = full.left(n);
            if (const auto record = MacAlias::resource(part, "alis"))
                (void)MacAlias::fromAliasRecord(*record);
            (void)MacAlias::fromAliasRecord(part);
            (void)MacAlias::fromBookmark(part);
        }
    }
    const auto whole = MacAlias::fromBookmark(inputs[2]);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->volumeName, "Other");
    EXPECT_EQ(whole->path, "Projects");
}

} // namespace
