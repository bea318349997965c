#include "platform/gui/Services.h"
#include "platform/script/FinderScripts.h"
#include "support/TestVolumes.h"

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

// The scripts through a file manager written for the test, on a private session bus.
namespace {

class FileManagerService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
  public:
    QStringList calls;

  public Q_SLOTS:
    void ShowItems(const QStringList& uris, const QString&) {
        calls << "ShowItems " + uris.join(' ');
    }
    void ShowFolders(const QStringList& uris, const QString&) {
        calls << "ShowFolders " + uris.join(' ');
    }
    void ShowItemProperties(const QStringList& uris, const QString&) {
        calls << "ShowItemProperties " + uris.join(' ');
    }
};

class FinderScriptsTest : public TestVolumes {
  protected:
    void SetUp() override {
        TestVolumes::SetUp();
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        ASSERT_TRUE(m_bus.waitForReadyRead(10000)) << "dbus-daemon did not start";
        m_address = QString::fromLatin1(m_bus.readLine().trimmed());
        // The program's own connection is made on first use, from this variable.
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLatin1());
        m_tmp.folder("hd/Docs");
        m_tmp.file("hd/Docs/a b.txt", "x");
    }
    void TearDown() override {
        Services::instance().setLaunchRecorder(nullptr);
        m_bus.kill();
        m_bus.waitForFinished();
        TestVolumes::TearDown();
    }

    void serve() {
        m_service = QDBusConnection::connectToBus(m_address, "file-manager");
        ASSERT_TRUE(m_service.registerService("org.freedesktop.FileManager1"));
        ASSERT_TRUE(m_service.registerObject("/org/freedesktop/FileManager1", &m_manager,
                                             QDBusConnection::ExportAllSlots));
    }

    QString url(const QByteArray& relative) const {
        return QUrl::fromLocalFile(QString::fromUtf8(m_hd + "/" + relative))
            .toString(QUrl::FullyEncoded);
    }

    QProcess m_bus;
    QString m_address;
    QDBusConnection m_service{QString()};
    FileManagerService m_manager;
};

TEST_F(FinderScriptsTest, RequestsReachTheFileManagerWithFileUrls) {
    serve();
    struct Case {
        int id;
        QString path;
        QString expected;
    };
    const Case cases[] = {
        {FinderScripts::kShowInfo, "HD:Docs:a b.txt", "ShowItemProperties " + url("Docs/a b.txt")},
        {FinderScripts::kRevealItem, "HD:Docs:a b.txt", "ShowItems " + url("Docs/a b.txt")},
        {FinderScripts::kOpenFinderWindow, "HD:Docs", "ShowFolders " + url("Docs")},
    };
    for (const Case& c : cases) {
        m_manager.calls.clear();
        EXPECT_EQ(FinderScripts::run(c.id, {c.path}), QString());
        QTRY_COMPARE_WITH_TIMEOUT(m_manager.calls.size(), 1, 5000);
        EXPECT_EQ(m_manager.calls[0], c.expected);
    }
}

TEST_F(FinderScriptsTest, WithoutAFileManagerTheFolderOpensWithTheDefaultProgram) {
    RequestRecorder launches;
    Services::instance().setLaunchRecorder(&launches);
    EXPECT_EQ(openFinderWindow({"HD:Docs"}), QString());
    ASSERT_EQ(launches.requests.size(), 1u);
    EXPECT_EQ(QUrl(launches.requests[0].args[0]).toLocalFile(), QString::fromUtf8(m_hd + "/Docs"));
}

TEST_F(FinderScriptsTest, CopyAliasAndNothing) {
    ::setXattr(m_hd + "/Docs/a b.txt", "user.com.apple.FinderInfo", finderInfo(0, "TEXT", "ttxt"));
    m_tmp.folder("other/Dest");
    EXPECT_EQ(ItemCopy({"HD:Docs:a b.txt", "Other:Dest"}), QString());
    EXPECT_EQ(other("Dest/a b.txt")->typeCode(), "TEXT");
    EXPECT_NE(ItemCopy({"HD:Docs:a b.txt", "Other:Dest"}), QString()) << "never replaces";
    EXPECT_NE(ItemCopy({"HD:Docs:missing", "Other:Dest"}), QString());

    EXPECT_EQ(makeAliases({"HD:Docs:a b.txt", "Other:Dest", "a b のエイリアス"}), QString());
    const FolderItemPtr alias = other("Dest/a b のエイリアス");
    ASSERT_TRUE(alias->isSymlink());
    EXPECT_EQ(alias->resolved()->posixPath(), m_hd + "/Docs/a b.txt");
    char target[4096] = {};
    ::readlink(alias->posixPath().constData(), target, sizeof target - 1);
    EXPECT_EQ(QByteArray(target), m_hd + "/Docs/a b.txt") << "an absolute link";

    EXPECT_EQ(makeNewWindow({"HD:Docs"}), QString());
    EXPECT_EQ(FinderScripts::run(999, {}), FinderScripts::run(999, {})); // defined, not a crash
}

} // namespace

#include "FinderScripts_test.moc"
