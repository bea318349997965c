#pragma once

#include "support/TestVolumes.h"

#include <QByteArray>
#include <QFile>

// A home folder "home" on the test volume "HD" with its own ~/.config, so that the
// preferences file of a test is its own.
class PrefsFixture : public TestVolumes {
protected:
    void SetUp() override
    {
        TestVolumes::SetUp();
        m_home = m_tmp.folder("hd/home");
        m_tmp.folder("hd/home/Desktop");
        m_savedHome = qgetenv("HOME");
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", m_home);
        qputenv("XDG_CONFIG_HOME", m_home + "/.config");
    }
    void TearDown() override
    {
        qputenv("HOME", m_savedHome);
        if (m_savedConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_savedConfig);
        TestVolumes::TearDown();
    }

    QByteArray prefsPath() const { return m_home + "/.config/Quillmark/Cloakswitch Prefs"; }
    void writePrefs(const QByteArray& content) const
    {
        m_tmp.folder("hd/home/.config");
        m_tmp.folder("hd/home/.config/Quillmark");
        m_tmp.file("hd/home/.config/Quillmark/Cloakswitch Prefs", content);
    }
    QByteArray readPrefs() const
    {
        QFile file(QString::fromLocal8Bit(prefsPath()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QByteArray m_home;
    QByteArray m_savedHome;
    QByteArray m_savedConfig;
};

// Fifteen values after "true"; the base folder path and text size are the arguments.
inline QByteArray sixteenLines(const QByteArray& basePath, const QByteArray& textSize = "12",
                               const QByteArray& width = "620", const QByteArray& height = "450")
{
    return "true\rtrue\rtrue\rfalse\rtrue\rfalse\rtrue\rfalse\rfalse\r40\r50\r" + width + "\r" +
           height + "\r" + textSize + "\r350,5,140,90,80,80,1,0,0\r" + basePath;
}
