#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// What extracting a resource DLL into a picture folder did.
struct ExtractResult {
    int written = 0;
    // Pictures not written, one line each: kept because a retouched file already exists,
    // or damaged in the DLL.
    QStringList skipped;
    // The DLL itself was refused (missing, unreadable, not a sound Windows module); the
    // error names only the reason then, and nothing was written.
    bool refused = false;
};

// Writes every bitmap of the DLL at dllPath as folder/<id>.png, creating the folder when
// needed, one picture at a time and each through the safe writer. A picture that already
// has a file in the folder (<id>.png or <id>.bmp) is left alone, so that extracting again
// never overwrites a player's retouched picture. Returns false with *error set when the
// DLL is refused or a file cannot be written ("<path>: <reason>").
bool extractPictures(const QString& dllPath, const QString& folder, ExtractResult* result,
                     QString* error);

// The command "korva --extract-pictures DLL FOLDER": arguments are what follows the
// option. Prints a summary to out and problems to err; returns the process exit code:
// 2 and "korva: DLL: reason" for a refused DLL, 1 for a file that could not be written.
int runExtractPictures(const QStringList& arguments, QTextStream& out, QTextStream& err);
