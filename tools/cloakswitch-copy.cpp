#include "copy/CopyCommand.h"

// Copies items into a folder with everything a Mac file carries, for scripts: the same
// copy the program makes, without a window.
int main(int argc, char** argv) {
    QList<QByteArray> args;
    for (int i = 1; i < argc; ++i)
        args.append(QByteArray(argv[i]));
    return runCopyCommand(args, stdout, stderr);
}
