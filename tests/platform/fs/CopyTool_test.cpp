#include "CopyFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace copytest;

// cloakswitch-copy as a script runs it.
namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out, err;
};

ToolRun copyTool(const QStringList& args, const QString& workingFolder = {}) {
    QProcess p;
    p.setWorkingDirectory(workingFolder);
    p.start(QCoreApplication::applicationDirPath() + "/cloakswitch-copy", args);
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

class CopyTool : public ::testing::Test {
  protected:
    QString at(const QByteArray& relative) const {
        return QString::fromLocal8Bit(m_tmp / relative);
    }
    TempDir m_tmp;
    QByteArray m_to = m_tmp.folder("to");
};

TEST_F(CopyTool, CopiesEachSourceWithItsAttributesAndNeverReplaces) {
    m_tmp.file("one", "1");
    setXattr(m_tmp / "one", "user.com.apple.FinderInfo", finderBytes("TEXT", "ttxt", 0x4000));
    m_tmp.folder("Tree");
    m_tmp.file("Tree/leaf", "leaf");
    m_tmp.file("to/taken", "old");
    m_tmp.file("taken", "new");

    const ToolRun run = copyTool({at("one"), at("Tree/"), at("taken"), at("missing"), at("to")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(describe(m_to, "one"), describe(m_tmp.path(), "one"));
    EXPECT_EQ(describe(m_to, "Tree"), describe(m_tmp.path(), "Tree"));
    EXPECT_EQ(contentHash(m_to + "/taken"), contentHash(m_tmp.file("probe", "old")));
    EXPECT_TRUE(run.err.contains("cloakswitch-copy: " + (m_tmp / "taken") + ": already in"))
        << run.err.constData();
    EXPECT_TRUE(run.err.contains("cloakswitch-copy: " + (m_tmp / "missing") + ": "));
    EXPECT_EQ(namesIn(m_to), (QStringList{"Tree", "one", "taken"}));
}

TEST_F(CopyTool, ExitStatusAndUsage) {
    m_tmp.file("one", "1");
    struct Case {
        QStringList args;
        int exitCode;
        const char* inOutput;
    };
    const Case cases[] = {
        {{"--help"}, 0, "Usage: cloakswitch-copy SOURCE... FOLDER"},
        {{}, 2, "Usage:"},
        {{at("one")}, 2, "Usage:"},
        {{"--verbose", at("one"), at("to")}, 2, "unknown option --verbose"},
        {{at("one"), at("one")}, 2, "not a folder"},
        {{at("one"), at("to")}, 0, ""},
    };
    for (const Case& c : cases) {
        const ToolRun run = copyTool(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE((run.out + run.err).contains(c.inOutput)) << run.err.constData();
    }
    EXPECT_EQ(namesIn(m_to), QStringList{"one"});

    // Paths relative to the working folder, as a shell gives them.
    m_tmp.file("two", "2");
    const ToolRun relative = copyTool({"two", "to"}, QString::fromLocal8Bit(m_tmp.path()));
    EXPECT_EQ(relative.exitCode, 0) << relative.err.constData();
    EXPECT_EQ(namesIn(m_to), (QStringList{"one", "two"}));
}

} // namespace
