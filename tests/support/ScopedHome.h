#pragma once

#include <QByteArray>
#include <QtGlobal>

// Points HOME, and the XDG configuration that could move the user folders, at a
// temporary folder for one test; the old values return when it ends.
class ScopedHome {
public:
    explicit ScopedHome(const QByteArray& home)
        : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME")),
          m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", home + "/.config");
    }
    ~ScopedHome()
    {
        qputenv("HOME", m_home);
        if (m_hadConfig)
            qputenv("XDG_CONFIG_HOME", m_config);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

private:
    QByteArray m_home;
    QByteArray m_config;
    bool m_hadConfig;
};
