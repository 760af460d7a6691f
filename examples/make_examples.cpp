// Writes the example files into the folder given (examples/ of the source tree).
#include "base/safesave.h"
#include "examples/exampleturns.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korva_make_examples FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const ExampleFile& file : exampleFiles()) {
        QString error;
        if (!saveFileSafely(dir.filePath(file.name), file.bytes, &error)) {
            std::fprintf(stderr, "korva_make_examples: %s: %s\n",
                         qPrintable(dir.filePath(file.name)), qPrintable(error));
            return 1;
        }
    }
    return 0;
}
