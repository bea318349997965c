#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// What cloakswitch-info was asked to do.
struct InfoOptions {
    enum class Visibility { Keep, Show, Hide, Flip };

    Visibility visibility = Visibility::Keep;
    std::optional<QByteArray> creator; // code bytes to write
    std::optional<QByteArray> type;
    QList<QByteArray> paths; // as given, bytes
    bool help = false;
};

struct ParsedInfoOptions {
    std::optional<InfoOptions> options; // none when the usage is wrong
    QString error;                      // why, for the usage message
};

// The arguments after the program name.
ParsedInfoOptions parseInfoOptions(const QList<QByteArray>& args);

QString infoUsageText();
