#include "InfoOptions.h"

#include "fileitems/Codes.h"
#include "platform/fs/NameCodec.h"

namespace {

ParsedInfoOptions usageError(const QString& why)
{
    return {std::nullopt, why};
}

bool setVisibility(InfoOptions& options, InfoOptions::Visibility visibility)
{
    if (options.visibility != InfoOptions::Visibility::Keep)
        return false;
    options.visibility = visibility;
    return true;
}

std::optional<InfoOptions::Visibility> visibilityOption(const QByteArray& arg)
{
    if (arg == "--show")
        return InfoOptions::Visibility::Show;
    if (arg == "--hide")
        return InfoOptions::Visibility::Hide;
    if (arg == "--flip")
        return InfoOptions::Visibility::Flip;
    return std::nullopt;
}

// Reads the CODE after --creator or --type; an error text when it cannot be used.
QString takeCode(std::optional<QByteArray>& target, const QList<QByteArray>& args, qsizetype& i)
{
    const QString option = QString::fromLatin1(args[i]);
    if (target)
        return option + QStringLiteral(" given twice");
    if (i + 1 >= args.size())
        return option + QStringLiteral(" needs a CODE");
    target = fileitems::codeFromText(NameCodec::fromBytes(args[++i]));
    return target ? QString() : QStringLiteral("CODE must be four Mac Roman characters or (zero)");
}

} // namespace

ParsedInfoOptions parseInfoOptions(const QList<QByteArray>& args)
{
    InfoOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QByteArray& arg = args[i];
        if (optionsEnded || !arg.startsWith('-') || arg == "-") {
            options.paths.append(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (const auto visibility = visibilityOption(arg)) {
            if (!setVisibility(options, *visibility))
                return usageError(QStringLiteral("--show, --hide and --flip exclude each other"));
        } else if (arg == "--creator" || arg == "--type") {
            auto& target = arg == "--creator" ? options.creator : options.type;
            const QString error = takeCode(target, args, i);
            if (!error.isEmpty())
                return usageError(error);
        } else {
            const QString shown = NameCodec::forDisplay(NameCodec::fromBytes(arg));
            return usageError(QStringLiteral("unknown option ") + shown);
        }
    }
    if (options.paths.isEmpty() && !options.help)
        return usageError(QStringLiteral("no PATH given"));
    return {options, {}};
}

QString infoUsageText()
{
    return QStringLiteral(
        "usage: cloakswitch-info [--show | --hide | --flip] [--creator CODE] [--type CODE]\n"
        "                        PATH...\n"
        "\n"
        "Prints one tab-separated line per PATH: colon path, display name, creation and\n"
        "modification dates, size, creator, type, visible or invisible, and kind\n"
        "(folder, file, alias, package or volume). Tabs, line breaks and backslashes\n"
        "inside a field are written \\t, \\n and \\\\.\n"
        "\n"
        "  --show, --hide, --flip  clear, set or flip the invisible flag of every PATH\n"
        "  --creator CODE          set the creator code of every PATH\n"
        "  --type CODE             set the type code of every PATH\n"
        "CODE is four Mac Roman characters, or (zero) for four zero bytes.\n"
        "Exit status: 0 done, 1 some PATH missing or refused, 2 wrong usage.\n");
}
