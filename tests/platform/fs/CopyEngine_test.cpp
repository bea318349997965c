#include "CopyFixture.h"

#include "platform/fs/ErrorText.h"
#include "platform/fs/FinderInfoStore.h"

#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>

using namespace copytest;

namespace {

// One kind of item the copy must carry whole, made in a folder under its name.
struct Sample {
    const char* label;
    const char* name;
    std::function<void(const QByteArray& folder)> make;
};

void makeMacFile(const QByteArray& path) {
    QFile f(QString::fromLocal8Bit(path));
    f.open(QIODevice::WriteOnly);
    f.write("The data fork\n");
    f.close();
    setXattr(path, "user.com.apple.FinderInfo", finderBytes("TEXT", "ttxt", 0x0100));
    setXattr(path, "user.com.apple.ResourceFork", QByteArray(3000, 'r'));
    setXattr(path, "user.com.example.tag", "blue");
    ::chmod(path.constData(), 0640);
    setTimes(path, 1000000000);
}

const Sample kSamples[] = {
    {"file with fork, Finder information and another attribute", "Letter.txt",
     [](const QByteArray& folder) { makeMacFile(folder + "/Letter.txt"); }},
    {"folder tree with invisible and dot-named items", "Data",
     [](const QByteArray& folder) {
         const QByteArray d = folder + "/Data";
         ::mkdir(d.constData(), 0750);
         ::mkdir((d + "/Sub").constData(), 0755);
         makeMacFile(d + "/Sub/deep");
         QFile(QString::fromLocal8Bit(d + "/.profile")).open(QIODevice::WriteOnly);
         QFile(QString::fromLocal8Bit(d + "/notes")).open(QIODevice::WriteOnly);
         setXattr(d + "/notes", "user.com.apple.FinderInfo", finderBytes("TEXT", "R*ch", 0x4000));
         setXattr(d, "user.com.apple.FinderInfo", QByteArray(32, '\1'));
         setTimes(d + "/Sub", 1100000000);
         setTimes(d, 1200000000);
     }},
    {"file with a ._X companion beside it", "Icon",
     [](const QByteArray& folder) {
         QFile(QString::fromLocal8Bit(folder + "/Icon")).open(QIODevice::WriteOnly);
         QFile c(QString::fromLocal8Bit(folder + "/._Icon"));
         c.open(QIODevice::WriteOnly);
         c.write(AppleDouble::fresh(FinderInfo::fromBytes(finderBytes("icon", "MACS", 0x4000))));
         c.close();
         setTimes(folder + "/._Icon", 1300000000);
     }},
    {"symbolic link", "Link",
     [](const QByteArray& folder) {
         QFile(QString::fromLocal8Bit(folder + "/target")).open(QIODevice::WriteOnly);
         ::symlink("target", (folder + "/Link").constData());
         setTimes(folder + "/Link", 1400000000);
     }},
    {"dangling link", "Dangling",
     [](const QByteArray& folder) {
         ::symlink("/nowhere/at/all", (folder + "/Dangling").constData());
     }},
    {".app package", "Tool.app",
     [](const QByteArray& folder) {
         const QByteArray app = folder + "/Tool.app";
         ::mkdir(app.constData(), 0755);
         ::mkdir((app + "/Contents").constData(), 0755);
         ::mkdir((app + "/Contents/MacOS").constData(), 0755);
         QFile exe(QString::fromLocal8Bit(app + "/Contents/MacOS/Tool"));
         exe.open(QIODevice::WriteOnly);
         exe.write("#!/bin/sh\n");
         exe.close();
         ::chmod((app + "/Contents/MacOS/Tool").constData(), 0755);
         ::symlink("MacOS/Tool", (app + "/Contents/Current").constData());
         setXattr(app, "user.com.apple.FinderInfo", finderBytes("APPL", "tool", 0x2000));
     }},
    {"FIFO", "Pipe",
     [](const QByteArray& folder) {
         ::mkfifo((folder + "/Pipe").constData(), 0620);
         setTimes(folder + "/Pipe", 1500000000);
     }},
};

class CopyEngineTest : public ::testing::TestWithParam<Sample> {
  protected:
    TempDir m_tmp;
    QByteArray m_from = m_tmp.folder("from");
    QByteArray m_to = m_tmp.folder("to");
};

TEST_P(CopyEngineTest, CopyKeepsEverythingAndLeavesTheSourceAlone) {
    const Sample& sample = GetParam();
    sample.make(m_from);
    const QString sourceBefore = describe(m_from, sample.name, true);
    const QStringList fromBefore = namesIn(m_from);

    CopyEngine engine;
    const Status copied = engine.copyInto(m_from + "/" + sample.name, m_to);
    ASSERT_TRUE(copied) << ErrorText::reason(copied.error()).constData();

    EXPECT_EQ(describe(m_to, sample.name).toStdString(),
              describe(m_from, sample.name).toStdString());
    EXPECT_EQ(describe(m_from, sample.name, true), sourceBefore);
    EXPECT_EQ(namesIn(m_from), fromBefore);
    QStringList expected{QString::fromLatin1(sample.name)};
    if (fromBefore.contains(QStringLiteral("._") + sample.name))
        expected.prepend(QStringLiteral("._") + sample.name);
    EXPECT_EQ(namesIn(m_to), expected); // and no temporary leftovers
}

INSTANTIATE_TEST_SUITE_P(Kinds, CopyEngineTest, ::testing::ValuesIn(kSamples),
                         [](const auto& info) {
                             QString label = QString::fromLatin1(info.param.label);
                             label.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
                             return label.toStdString();
                         });

class CopyEngineCases : public ::testing::Test {
  protected:
    TempDir m_tmp;
    QByteArray m_from = m_tmp.folder("from");
    QByteArray m_to = m_tmp.folder("to");
};

TEST_F(CopyEngineCases, NewNameCarriesTheCompanionUnderTheNewName) {
    kSamples[2].make(m_from);
    CopyEngine engine;
    ASSERT_TRUE(engine.copyInto(m_from + "/Icon", m_to, "Icon copy"));
    EXPECT_EQ(namesIn(m_to), (QStringList{"._Icon copy", "Icon copy"}));
    EXPECT_EQ(FinderInfoStore::read(m_to + "/Icon copy").info.type(), "icon");
}

TEST_F(CopyEngineCases, NeverReplacesAndRefusesCopiesIntoThemselves) {
    kSamples[1].make(m_from);
    m_tmp.file("to/Data", "already here");
    CopyEngine engine;
    EXPECT_EQ(engine.copyInto(m_from + "/Data", m_to).error().code, EEXIST);
    EXPECT_EQ(contentHash(m_to + "/Data"), contentHash(m_tmp.file("probe", "already here")));
    EXPECT_EQ(engine.copyInto(m_from + "/Data", m_from + "/Data/Sub").error().code, EINVAL);
    EXPECT_EQ(namesIn(m_from + "/Data/Sub"), QStringList{"deep"});
    EXPECT_EQ(engine.copyInto(m_from + "/Data", m_to, "a/b").error().code, EINVAL);
}

TEST_F(CopyEngineCases, SocketsInsideAFolderAreLeftOutAndNamed) {
    ::mkdir((m_from + "/Box").constData(), 0755);
    m_tmp.file("from/Box/kept", "k");
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray socketPath = m_from + "/Box/socket";
    std::strncpy(addr.sun_path, socketPath.constData(), sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);

    CopyEngine engine;
    ASSERT_TRUE(engine.copyInto(m_from + "/Box", m_to));
    EXPECT_EQ(namesIn(m_to + "/Box"), QStringList{"kept"});
    ASSERT_EQ(engine.skipped().size(), 1u);
    EXPECT_EQ(engine.skipped()[0].sourcePath, socketPath);
    // On its own, the special file is refused.
    EXPECT_EQ(engine.copyInto(socketPath, m_to).error().code, ENOTSUP);
    EXPECT_EQ(namesIn(m_to), QStringList{"Box"});
    ::close(s);
}

TEST_F(CopyEngineCases, EntryCallbacksChooseAndSeeEachEntry) {
    kSamples[1].make(m_from);
    CopyEngine engine;
    QStringList seen;
    engine.acceptEntry = [](const QByteArray& source) { return !source.endsWith("/.profile"); };
    engine.entryCopied = [&](const QByteArray&, const QByteArray& copy) {
        // Entries are copied while their top-level copy still has its temporary name.
        seen << QString::fromLocal8Bit(copy.mid(m_to.size() + 1)).section('/', 1);
    };
    ASSERT_TRUE(engine.copyInto(m_from + "/Data", m_to));
    EXPECT_EQ(namesIn(m_to + "/Data"), (QStringList{"Sub", "notes"}));
    seen.sort();
    EXPECT_EQ(seen, (QStringList{"Sub", "Sub/deep", "notes"}));
}

TEST_F(CopyEngineCases, ReplaceSwapsTheNewItemInAndDeletesTheOld) {
    makeMacFile(m_from + "/Letter.txt");
    ::mkdir((m_to + "/Letter.txt").constData(), 0755); // the old item: a folder with a companion
    m_tmp.file("to/Letter.txt/inside", "old");
    m_tmp.file("to/._Letter.txt", "old companion");
    CopyEngine engine;
    ASSERT_TRUE(engine.copyReplacing(m_from + "/Letter.txt", m_to, "Letter.txt"));
    EXPECT_EQ(describe(m_to, "Letter.txt"), describe(m_from, "Letter.txt"));
    EXPECT_EQ(namesIn(m_to), QStringList{"Letter.txt"}); // the old companion went with it
}

TEST_F(CopyEngineCases, ReplaceRefusesToDeleteItsOwnSource) {
    kSamples[1].make(m_from);
    CopyEngine engine;
    EXPECT_EQ(engine.copyReplacing(m_from + "/Data/Sub/deep", m_from, "Data").error().code, EINVAL);
    EXPECT_EQ(namesIn(m_from + "/Data/Sub"), QStringList{"deep"});
    EXPECT_EQ(namesIn(m_from), QStringList{"Data"});
}

TEST_F(CopyEngineCases, BuildingBlocksMakeTheSameCopyAsTheWholeCopy) {
    // A caller that walks the tree itself, as a copy that changes items on the way does.
    kSamples[1].make(m_from);
    const QByteArray from = m_from + "/Data", to = m_to + "/Data";
    CopyEngine engine;
    ASSERT_TRUE(engine.makeFolder(from, to));
    ASSERT_TRUE(engine.makeFolder(from + "/Sub", to + "/Sub"));
    ASSERT_TRUE(engine.copyItem(from + "/Sub/deep", to + "/Sub/deep"));
    ASSERT_TRUE(engine.finishFolder(from + "/Sub", to + "/Sub"));
    for (const char* name : {"/.profile", "/notes"})
        ASSERT_TRUE(engine.copyItem(from + name, to + name));
    ASSERT_TRUE(engine.finishFolder(from, to));
    EXPECT_EQ(describe(m_to, "Data").toStdString(), describe(m_from, "Data").toStdString());
}

TEST_F(CopyEngineCases, MeasureCountsEntriesAndData) {
    kSamples[1].make(m_from);
    const CopyTotals totals = CopyEngine::measure({m_from + "/Data"});
    EXPECT_EQ(totals.items, 5); // Data, Sub, deep, .profile, notes
    EXPECT_EQ(totals.bytes, 14);
}

TEST(AppleDoubleAttributes, ComposedCompanionReadsBackWhole) {
    AppleDoubleAttributes::Contents contents;
    contents.info = FinderInfo::fromBytes(finderBytes("TEXT", "ttxt", 0x4000));
    contents.resourceFork = QByteArray(5000, 'f');
    contents.attributes = {{"com.example.tag", "blue"}, {"x", QByteArray(70000, 'v')}};
    const auto bytes = AppleDoubleAttributes::compose(contents);
    ASSERT_TRUE(bytes);
    const auto parsed = AppleDouble::parse(*bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->finderInfo().type(), "TEXT");
    EXPECT_EQ(parsed->resourceForkLength(), 5000);
    const auto read = AppleDoubleAttributes::read(*parsed);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->attributes.size(), 2u);
    EXPECT_EQ(read->attributes[1].value, QByteArray(70000, 'v'));
    EXPECT_EQ(read->resourceFork, contents.resourceFork);

    // Without attributes or fork it is the 4096-byte file macOS writes.
    AppleDoubleAttributes::Contents plain;
    plain.info = contents.info;
    EXPECT_EQ(*AppleDoubleAttributes::compose(plain), AppleDouble::fresh(plain.info));
}

TEST(AppleDoubleAttributes, BrokenAttributeBlocksDoNotRead) {
    AppleDoubleAttributes::Contents contents;
    contents.attributes = {{"tag", "blue"}};
    const QByteArray good = *AppleDoubleAttributes::compose(contents);
    const qsizetype entryAt = 50 + 34 + 36;
    struct Damage {
        qsizetype at;
        char value;
    };
    for (const Damage d : {Damage{entryAt, '\x7f'}, Damage{entryAt + 10, '\0'},
                           Damage{50 + 34 + 35, '\x40'}, Damage{entryAt + 5, '\x7f'}}) {
        QByteArray bad = good;
        bad[d.at] = d.value;
        const auto parsed = AppleDouble::parse(bad);
        ASSERT_TRUE(parsed);
        EXPECT_FALSE(AppleDoubleAttributes::read(*parsed)) << "damage at " << d.at;
    }
}

} // namespace
