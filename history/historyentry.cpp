#include "history/historyentry.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd'T'HHmmsszzz'Z'");
const QString kSuffix = QStringLiteral(".krv");

} // namespace

QString HistoryEntry::fileNameFor(const QDateTime& time, Kind kind, const QString& folderKey,
                                  const QString& title) {
    return time.toUTC().toString(kTimeFormat) + QLatin1Char('_') +
           (kind == Kind::Saved ? QStringLiteral("saved") : QStringLiteral("opened")) +
           QLatin1Char('_') + folderKey + QLatin1Char('_') + title + kSuffix;
}

QDateTime HistoryEntry::latestTime() {
    return QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999), QTimeZone::utc());
}

std::optional<HistoryEntry> HistoryEntry::fromPath(const QString& path) {
    // A saver's temporary file (".korva-save-XXXXXXXXXXXX") is no entry.
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{8}T\\d{9}Z)_(opened|saved)_([0-9a-f]{16})_(.*)\\.krv$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(QFileInfo(path).fileName());
    if (!match.hasMatch())
        return std::nullopt;
    // By hand: QDateTime::fromString would read the time zone database for every copy.
    const QString stamp = match.captured(1);
    const auto number = [&](int at, int length) { return stamp.mid(at, length).toInt(); };
    const QDate date(number(0, 4), number(4, 2), number(6, 2));
    const QTime clock(number(9, 2), number(11, 2), number(13, 2), number(15, 3));
    const QDateTime time(date, clock, QTimeZone::utc());
    if (!time.isValid())
        return std::nullopt;
    HistoryEntry entry;
    entry.path = path;
    entry.time = time;
    entry.kind = match.captured(2) == QStringLiteral("saved") ? Kind::Saved : Kind::Opened;
    entry.folderKey = match.captured(3);
    entry.title = match.captured(4);
    return entry;
}
