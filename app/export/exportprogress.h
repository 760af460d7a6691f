#pragma once

#include <QString>

// How far an export has come, and the player's chance to stop it.
class ExportProgress {
public:
    virtual ~ExportProgress() = default;
    // `done` of `total` steps are done; false when the player asked to stop.
    virtual bool advance(qint64 done, qint64 total) = 0;

protected:
    ExportProgress() = default;
};

// For exports no one watches: never stops.
class NoProgress final : public ExportProgress {
public:
    bool advance(qint64, qint64) override { return true; }
};

// What became of an export. Nothing is left behind unless it was written.
struct ExportOutcome {
    bool written = false;
    bool cancelled = false;
    // Why it failed, in one line; empty when written or cancelled.
    QString error;

    static ExportOutcome done() { return {true, false, {}}; }
    static ExportOutcome stopped() { return {false, true, {}}; }
    static ExportOutcome failed(QString why) { return {false, false, std::move(why)}; }
};
