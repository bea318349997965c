#include "info/InfoCommand.h"
#include "info/InfoOptions.h"

#include <cstdio>

// Shows and changes the Finder information of the items named on the command line, one
// line per item, for scripts and for checking what the program did.
int main(int argc, char** argv)
{
    QList<QByteArray> args;
    for (int i = 1; i < argc; ++i)
        args.append(QByteArray(argv[i]));

    const ParsedInfoOptions parsed = parseInfoOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "cloakswitch-info: %s\n%s", parsed.error.toLocal8Bit().constData(),
                     infoUsageText().toLocal8Bit().constData());
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(infoUsageText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    return runInfoCommand(*parsed.options, stdout, stderr);
}
