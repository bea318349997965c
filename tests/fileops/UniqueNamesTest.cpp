#include "mainwindow/Window1.h"
#include "support/ScopedHome.h"
#include "support/TestVolumes.h"

#include <cstdlib>
#include <unistd.h>

namespace {

// A folder on the test volume "HD" to look names up in.
class UniqueNames : public TestVolumes {
  protected:
    FolderItemPtr box() {
        m_tmp.folder("hd/box");
        return hd("box");
    }
};

QByteArray canonical(const QByteArray& path) {
    char* real = ::realpath(path.constData(), nullptr);
    QByteArray out(real);
    std::free(real);
    return out;
}

} // namespace

TEST_F(UniqueNames, SuffixGoesBeforeTheLastExtension) {
    const FolderItemPtr folder = box();
    const struct {
        QString name;
        QString expected;
    } cases[] = {
        {"report.txt", "report_001.txt"},
        {"archive.tar.gz", "archive.tar_001.gz"},
        {"README", "README_001"},
        {".cshrc", ".cshrc_001"},
        {QStringLiteral("名称未設定フォルダ"), QStringLiteral("名称未設定フォルダ_001")},
        {"ends.", "ends_001."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Window1::uniqueName(folder, c.name), c.expected) << c.name.toStdString();
}

TEST_F(UniqueNames, TakenSuffixesAreSkippedWhateverTakesThem) {
    m_tmp.folder("hd/box");
    m_tmp.file("hd/box/a.txt");
    m_tmp.file("hd/box/a_001.txt");
    m_tmp.folder("hd/box/a_002.txt");
    // A link that leads nowhere still takes its name.
    ASSERT_EQ(::symlink("/nonexistent/target", (m_hd + "/box/a_003.txt").constData()), 0);
    EXPECT_EQ(Window1::uniqueName(hd("box"), "a.txt"), "a_004.txt");
}

TEST_F(UniqueNames, StopsAtTheLastSuffixEvenWhenItIsTaken) {
    const FolderItemPtr folder = box();
    for (int i = 1; i <= 999; ++i)
        m_tmp.file("hd/box/n_" + QByteArray::number(i).rightJustified(3, '0'));
    EXPECT_EQ(Window1::uniqueName(folder, "n"), "n_999");
    EXPECT_TRUE(folder->trueChild("n_999")->exists());
}

TEST_F(UniqueNames, ReservedNamesAreTheOnesShownUnderAnotherName) {
    m_tmp.folder("home");
    m_tmp.folder("home/Documents");
    m_tmp.folder("home/Projects");
    m_tmp.folder("hd/Documents");
    m_tmp.file("hd/photo.jpg");
    m_tmp.file("hd/notes.txt");
    m_tmp.file("hd/shown.jpg");
    setXattr(m_hd + "/photo.jpg", "user.com.apple.FinderInfo", finderInfo(0x0010));
    // Shift-JIS "テスト", as an old Mac disk carries it; it is no system folder.
    m_tmp.file("hd/\x83\x65\x83\x58\x83\x67.txt");
    const QByteArray home = canonical(m_tmp.path() + "/home");
    ScopedHome scoped(home);

    const struct {
        QByteArray path;
        bool reserved;
    } cases[] = {
        {home + "/Documents", true},
        {home + "/Projects", false},
        {m_hd + "/Documents", false}, // not in the home folder
        {m_hd + "/photo.jpg", false}, // the Finder merely hides the extension
        {m_hd + "/notes.txt", false},
        {m_hd + "/shown.jpg", false},
        {m_hd + "/\x83\x65\x83\x58\x83\x67.txt", false},
    };
    for (const auto& c : cases) {
        const FolderItemPtr item = FolderItem::fromPosixPath(c.path);
        EXPECT_EQ(Window1::isReservedName(item), c.reserved) << c.path.constData();
    }
    EXPECT_FALSE(Window1::isReservedName(nullptr));
}
