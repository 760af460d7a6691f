#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The files under examples/, made by the program's own code: the starting file of a new
// game, and a short first turn (the Allies land at Salerno, one combat) with its move
// report, as Save writes them when "End of turn?" is answered No.
struct ExampleFile {
    QString name;
    QByteArray bytes;
};
std::vector<ExampleFile> exampleFiles();
