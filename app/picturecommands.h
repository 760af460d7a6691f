#pragma once

#include <QString>

struct RenderRequest {
    QString file;
    QString out;
    bool moves = false;
    // With moves: the file they are measured from, instead of the history's.
    QString since;
    qreal zoom = 1.0;
};

// korva --render FILE OUT.png [--moves [--since EARLIER]] [--zoom PERCENT]: the map with the
// file's counters and tags drawn, written as a PNG; the status to exit with.
int renderPosition(int argc, char** argv, const RenderRequest& request);

// korva --extract-pictures DLL DIR: a resource DLL's pictures as DIR/<id>.png.
int extract(const QString& dll, const QString& folder);
