#include "platform/fs/DeleteTree.h"
#include "platform/fs/FolderItem.h"
#include "platform/fs/Volumes.h"
#include "platform/fs/MacAliasBytes.h"
#include "support/MountNamespace.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <climits>
#include <unistd.h>

extern char** environ;

namespace {

struct RunResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QList<QByteArray> lines() const
    {
        return out.isEmpty() ? QList<QByteArray>{} : out.chopped(1).split('\n');
    }
};

// Runs the companion program built beside this test. Arguments go through as bytes, and
// the output lands in files, so that neither pipe can fill up and block.
RunResult runInfo(const TempDir& tmp, const QList<QByteArray>& args)
{
    const QByteArray program =
        QFile::encodeName(QCoreApplication::applicationDirPath()) + "/cloakswitch-info";
    const QByteArray outPath = tmp / ".out";
    const QByteArray errPath = tmp / ".err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    posix_spawn_file_actions_addopen(&actions, 1, outPath.constData(), flags, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.constData(), flags, 0600);
    std::vector<char*> argv{const_cast<char*>(program.constData())};
    for (const QByteArray& a : args)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    RunResult result;
    if (posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    QFile out(QFile::decodeName(outPath)), err(QFile::decodeName(errPath));
    if (out.open(QIODevice::ReadOnly))
        result.out = out.readAll();
    if (err.open(QIODevice::ReadOnly))
        result.err = err.readAll();
    return result;
}

uint16_t finderFlags(const QByteArray& path)
{
    const QByteArray info = getXattr(path, "user.com.apple.FinderInfo");
    return info.size() == 32 ? uint16_t(uint8_t(info[8]) << 8 | uint8_t(info[9])) : 0;
}

timespec mtimeOf(const QByteArray& path)
{
    struct stat st {};
    ::lstat(path.constData(), &st);
    return st.st_mtim;
}

// Marks a file or folder immutable for the guard's life, where the file system allows.
class Immutable {
public:
    explicit Immutable(const QByteArray& path) : m_fd(::open(path.constData(), O_RDONLY))
    {
        int flags = 0;
        if (m_fd >= 0 && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            m_set = ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }
    ~Immutable()
    {
        int flags = 0;
        if (m_set && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
        }
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isSet() const { return m_set; }

private:
    int m_fd;
    bool m_set = false;
};

} // namespace

class InfoTool : public ::testing::Test {
protected:
    TempDir m_tmp;
};

TEST_F(InfoTool, PrintsOneLineOfNineFieldsPerItem)
{
    m_tmp.file("plain.txt", QByteArray(1500, 'x'));
    m_tmp.folder("Sub");
    m_tmp.folder("Foo.app");
    m_tmp.folder("Foo.app/Contents");
    m_tmp.folder("Empty.app");
    ASSERT_EQ(::symlink("Sub", (m_tmp / "to Sub").constData()), 0);

    const struct {
        QByteArray name;
        const char* size;
        const char* creator;
        const char* type;
        const char* kind;
    } cases[] = {
        {"plain.txt", "1.5 KB", "(zero)", "(zero)", "file"},
        {"Sub", "---", "MACS", "fold", "folder"},
        {"Foo.app", "---", "MACS", "fold", "package"},
        {"Empty.app", "---", "MACS", "fold", "folder"},
        {"to Sub", "---", "MACS", "fdrp", "alias"},
    };
    QList<QByteArray> args;
    for (const auto& c : cases)
        args.append(m_tmp / c.name);
    const RunResult run = runInfo(m_tmp, args);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty());
    const QList<QByteArray> lines = run.lines();
    ASSERT_EQ(lines.size(), qsizetype(std::size(cases)));

    const QRegularExpression sqlDate(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const QList<QByteArray> fields = lines[i].split('\t');
        ASSERT_EQ(fields.size(), 9) << lines[i].constData();
        const auto item = FolderItem::fromPosixPath(m_tmp / c.name);
        EXPECT_EQ(fields[0], item->absolutePath().toUtf8());
        EXPECT_EQ(fields[1], c.name);
        for (const QByteArray& date : {fields[2], fields[3]})
            EXPECT_TRUE(sqlDate.match(QString::fromUtf8(date)).hasMatch()) << date.constData();
        EXPECT_EQ(fields[4], c.size) << c.name.constData();
        EXPECT_EQ(fields[5], c.creator) << c.name.constData();
        EXPECT_EQ(fields[6], c.type) << c.name.constData();
        EXPECT_EQ(fields[7], "visible");
        EXPECT_EQ(fields[8], c.kind) << c.name.constData();
    }
}

TEST_F(InfoTool, EscapesSeparatorsAndKeepsNameBytes)
{
    const QByteArray odd = m_tmp.file("a\tb\nc\\d");
    const QByteArray sjis = m_tmp.file("\x83\x65\x83\x58\x83\x67"); // not UTF-8
    const RunResult run = runInfo(m_tmp, {odd, sjis});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QList<QByteArray> lines = run.lines();
    ASSERT_EQ(lines.size(), 2);

    const QList<QByteArray> oddFields = lines[0].split('\t');
    ASSERT_EQ(oddFields.size(), 9);
    EXPECT_TRUE(oddFields[0].endsWith(":a\\tb\\nc\\\\d")) << oddFields[0].constData();
    EXPECT_EQ(oddFields[1], "a\\tb\\nc\\\\d");

    const QList<QByteArray> sjisFields = lines[1].split('\t');
    ASSERT_EQ(sjisFields.size(), 9);
    EXPECT_TRUE(sjisFields[0].endsWith(":\x83\x65\x83\x58\x83\x67"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString shown = utf8.decode(sjisFields[1]);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_FALSE(shown.isEmpty());
}

TEST_F(InfoTool, ExitStatusTellsMissingItemsAndWrongUsage)
{
    const QByteArray file = m_tmp.file("here");
    const RunResult missing = runInfo(m_tmp, {m_tmp / "gone", file});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, m_tmp / "gone" + ": no such item\n");
    EXPECT_EQ(missing.lines().size(), 1);

    const QList<QList<QByteArray>> wrongUsages = {
        {},
        {"--hide"},
        {"--show", "--hide", file},
        {"--flip", "--flip", file},
        {"--creator", "TOOLONG", file},
        {"--type", "ab", file},
        {"--type", "TEXT", "--type", "TEXT", file},
        {file, "--type"},
        {"--frobnicate", file},
    };
    for (const auto& args : wrongUsages) {
        const RunResult run = runInfo(m_tmp, args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').constData();
        EXPECT_TRUE(run.err.contains("usage:")) << args.join(' ').constData();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(getXattr(file, "user.com.apple.FinderInfo"), QByteArray());
    EXPECT_EQ(runInfo(m_tmp, {"--", "--hide"}).exitCode, 1); // a path named "--hide"
}

TEST_F(InfoTool, ChangesFinderInformationWithoutTouchingTheDate)
{
    const QByteArray file = m_tmp.file("doc", "content");
    const QByteArray folder = m_tmp.folder("Dir");
    const timespec before = mtimeOf(file);

    const RunResult hide =
        runInfo(m_tmp, {"--hide", "--creator", "ttxt", "--type", "TEXT", file, folder});
    ASSERT_EQ(hide.exitCode, 0) << hide.err.constData();
    EXPECT_TRUE(finderFlags(file) & 0x4000);
    EXPECT_TRUE(finderFlags(folder) & 0x4000);
    EXPECT_EQ(getXattr(file, "user.com.apple.FinderInfo").left(8), "TEXTttxt");
    const timespec after = mtimeOf(file);
    EXPECT_EQ(after.tv_sec, before.tv_sec);
    EXPECT_EQ(after.tv_nsec, before.tv_nsec);
    const QList<QByteArray> fields = hide.lines().value(0).split('\t');
    ASSERT_EQ(fields.size(), 9);
    EXPECT_EQ(fields[5], "ttxt");
    EXPECT_EQ(fields[6], "TEXT");
    EXPECT_EQ(fields[7], "invisible");

    const RunResult flip = runInfo(m_tmp, {"--flip", "--type", "(Zero)", file});
    ASSERT_EQ(flip.exitCode, 0);
    EXPECT_FALSE(finderFlags(file) & 0x4000);
    EXPECT_EQ(getXattr(file, "user.com.apple.FinderInfo").left(8), QByteArray("\0\0\0\0ttxt", 8));
    EXPECT_TRUE(flip.out.contains("\t(zero)\tvisible\tfile\n"));
}

TEST_F(InfoTool, ReportsARefusedChangeAndGoesOn)
{
    m_tmp.folder("Locked");
    const QByteArray locked = m_tmp.file("Locked/doc");
    const QByteArray free = m_tmp.file("free");
    {
        // Neither the item nor its folder take an attribute or a "._" companion.
        Immutable file(locked);
        Immutable folder(m_tmp / "Locked");
        if (!file.isSet() || !folder.isSet())
            GTEST_SKIP() << "cannot mark files immutable here";
        const RunResult run = runInfo(m_tmp, {"--hide", locked, free});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, locked + ": permission denied\n");
        ASSERT_EQ(run.lines().size(), 2);
        EXPECT_TRUE(run.lines()[0].endsWith("\tvisible\tfile"));
        EXPECT_TRUE(run.lines()[1].endsWith("\tinvisible\tfile"));
    }
    EXPECT_FALSE(QFile::exists(QFile::decodeName(m_tmp / "Locked/._doc")));
}

// Builds folders "d/d/d/..." through descriptors, deeper than a path may name, with a
// file at the bottom; returns the path that names it.
static QByteArray deepFile(const QByteArray& top, int levels)
{
    QByteArray path = top;
    int fd = ::open(top.constData(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < levels && fd >= 0; ++i) {
        ::mkdirat(fd, "d", 0755);
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
        path += "/d";
    }
    if (fd >= 0) {
        ::close(::openat(fd, "leaf", O_WRONLY | O_CREAT, 0644));
        ::close(fd);
    }
    return path + "/leaf";
}

TEST(InfoToolErrors, ErrorsSayWhy)
{
    CS_IN_MOUNT_NAMESPACE();
    TempDir tmp;
    const QByteArray writable = tmp.folder("rw");
    const QByteArray readOnly = tmp.folder("ro");
    MountNamespace::Mount disk, view;
    ASSERT_TRUE(disk.tmpfs(writable, "size=1m"));
    ASSERT_TRUE(view.bind(writable, readOnly, true));
    tmp.file("rw/doc", "x");
    const QByteArray damaged = tmp.file("damaged");
    ASSERT_TRUE(setXattr(damaged, "user.com.apple.FinderInfo", QByteArray(31, 'T')));
    const QByteArray tooDeep = deepFile(tmp.path(), PATH_MAX / 2 + 10);
    const struct {
        QByteArray path;
        const char* reason;
    } cases[] = {
        {readOnly + "/doc", "read-only file system"},
        {damaged, "Finder information unreadable (damaged container)"},
        {tmp / QByteArray(256, 'n'), "name too long"},
        {tooDeep, "name too long"},
        {tmp / "gone", "no such item"},
    };
    for (const auto& c : cases) {
        const RunResult run = runInfo(tmp, {"--hide", c.path});
        EXPECT_EQ(run.exitCode, 1) << c.reason;
        EXPECT_EQ(run.err, c.path + ": " + c.reason + "\n");
    }
    EXPECT_EQ(getXattr(damaged, "user.com.apple.FinderInfo"), QByteArray(31, 'T'));
    EXPECT_FALSE(QFile::exists(QFile::decodeName(tmp / "._damaged")));
    EXPECT_TRUE(DeleteTree::remove(tmp / "d")); // deeper than the temporary folder's cleanup reaches
}

// An alias file as the Finder makes it (alias flag, zero codes, bookmark data in the data
// fork) shows as an alias with its target's codes, as a link does.
TEST_F(InfoTool, FinderAliasFilesShowAsAliasesOfTheirTargets)
{
    const QByteArray target = m_tmp.folder("Sub");
    const auto volume = Volumes::forPath(target);
    ASSERT_TRUE(volume);
    QList<QByteArray> names;
    for (const QByteArray& name : target.split('/'))
        if (!name.isEmpty())
            names.append(name);
    const QByteArray alias = m_tmp.file(
        "Sub alias", MacAliasBytes::bookmark(names, volume->mountPoint, volume->name.toUtf8()));
    QByteArray info(32, '\0');
    info[8] = char(0x80);
    ASSERT_TRUE(setXattr(alias, "user.com.apple.FinderInfo", info));

    const RunResult run = runInfo(m_tmp, {alias});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QList<QByteArray> fields = run.lines().value(0).split('\t');
    ASSERT_EQ(fields.size(), 9);
    EXPECT_EQ(fields[5], "MACS");
    EXPECT_EQ(fields[6], "fdrp");
    EXPECT_EQ(fields[8], "alias");
}
