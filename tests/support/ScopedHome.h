#pragma once

#include <QByteArray>
#include <QtGlobal>

// Points HOME, the XDG configuration that could move the user folders and the XDG data
// home that holds the user's trash at a temporary folder for one test, so that no test
// ever touches the real user's files; the old values return when it ends.
class ScopedHome {
public:
    explicit ScopedHome(const QByteArray& home)
        : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME")),
          m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
          m_data(qgetenv("XDG_DATA_HOME")), m_hadData(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
    {
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", home + "/.config");
        qputenv("XDG_DATA_HOME", home + "/.local/share");
    }
    ~ScopedHome()
    {
        qputenv("HOME", m_home);
        if (m_hadConfig)
            qputenv("XDG_CONFIG_HOME", m_config);
        else
            qunsetenv("XDG_CONFIG_HOME");
        if (m_hadData)
            qputenv("XDG_DATA_HOME", m_data);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

private:
    QByteArray m_home;
    QByteArray m_config;
    bool m_hadConfig;
    QByteArray m_data;
    bool m_hadData;
};
