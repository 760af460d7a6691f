#include "app/export/turnpagehtml.h"

#include "base/untrustedtext.h"

#include <QCoreApplication>

namespace {

// Text as characters, never markup: the file's text says `<img src=x>`, the page shows it.
QString escaped(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&#39;"));
}

// Text from a file in a quoted style of its own, its controls and invisible characters seen.
QString quoted(const QString& text) {
    return QStringLiteral("<q class=\"file\">%1</q>").arg(escaped(untrustedtext::forLine(text)));
}

QString table(const QStringList& columns, const std::vector<QStringList>& rows,
              int fileColumn = -1) {
    QString html = QStringLiteral("<table>\n<tr>");
    for (const QString& column : columns)
        html += QStringLiteral("<th>%1</th>").arg(escaped(column));
    html += QStringLiteral("</tr>\n");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < row.size(); ++c)
            html += QStringLiteral("<td>%1</td>")
                        .arg(c == fileColumn ? quoted(row[c])
                                             : escaped(untrustedtext::forLine(row[c])));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

constexpr const char* kStyle =
    "body{font-family:'DejaVu Sans',sans-serif;margin:1.5em auto;max-width:64em;"
    "color:#1c202c;background:#fafaf6}"
    "h1{margin-bottom:.2em}h2{margin-top:1.4em;border-bottom:1px solid #c8c8c0}"
    ".meta{margin:.2em 0;color:#505460}"
    "q.file{quotes:'\\201C' '\\201D';background:#efe9d8;padding:0 .25em;"
    "font-family:'DejaVu Sans Mono',monospace;white-space:pre-wrap}"
    ".note{background:#efe9d8;padding:.6em;font-family:'DejaVu Sans Mono',monospace;"
    "white-space:pre-wrap}"
    ".verdict{display:inline-block;background:#1c202c;color:#f0f0f0;padding:.2em .6em;"
    "border-radius:4px;font-weight:bold}"
    "figure{margin:1em 0}img{max-width:100%;height:auto;border:1px solid #888}"
    "table{border-collapse:collapse}th,td{border:1px solid #c8c8c0;padding:.15em .5em;"
    "text-align:left}footer{margin-top:2em;color:#707480;font-size:small}";

} // namespace

QByteArray turnPageHtml(const TurnPage& page) {
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                       "img-src data:; style-src 'unsafe-inline'\">\n");
    html += QStringLiteral("<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n")
                .arg(escaped(QCoreApplication::translate("TurnPage", "Korva: %1").arg(page.title)),
                     QString::fromLatin1(kStyle));
    html += QStringLiteral("<h1>%1</h1>\n").arg(escaped(page.title));
    if (!page.fileName.isEmpty())
        html += QStringLiteral("<p class=\"meta\">%1 %2</p>\n")
                    .arg(escaped(QCoreApplication::translate("TurnPage", "File")),
                         quoted(page.fileName));
    QStringList players;
    for (const Side side : {Side::First, Side::Second})
        if (!page.players.of(side).isEmpty())
            players << QStringLiteral("%1 %2").arg(
                escaped(side == Side::First ? QCoreApplication::translate("TurnPage", "Allies")
                                            : QCoreApplication::translate("TurnPage", "Axis")),
                quoted(page.players.of(side)));
    if (!players.isEmpty())
        html +=
            QStringLiteral("<p class=\"meta\">%1</p>\n").arg(players.join(QStringLiteral(" · ")));
    QStringList banners;
    for (const QString& banner : page.banners)
        if (!banner.isEmpty())
            banners << quoted(banner);
    if (!banners.isEmpty())
        html += QStringLiteral("<p class=\"meta\">%1 %2</p>\n")
                    .arg(escaped(QCoreApplication::translate("TurnPage", "Banners")),
                         banners.join(QLatin1Char(' ')));
    if (!page.heading.isEmpty())
        html += QStringLiteral("<p>%1</p>\n")
                    .arg(escaped(untrustedtext::forLines(page.heading))
                             .replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    if (!page.picture.isEmpty())
        html += QStringLiteral("<figure><img src=\"data:image/png;base64,%1\" width=\"%2\" "
                               "height=\"%3\" alt=\"%4\"></figure>\n")
                    .arg(QString::fromLatin1(page.picture.toBase64()))
                    .arg(page.pictureSize.width())
                    .arg(page.pictureSize.height())
                    .arg(escaped(
                        QCoreApplication::translate("TurnPage", "The map with the turn's moves")));
    html += QStringLiteral("<h2>%1</h2>\n")
                .arg(escaped(QCoreApplication::translate("TurnPage", "Changes")));
    html += page.changes.empty()
                ? QStringLiteral("<p>%1</p>\n")
                      .arg(escaped(QCoreApplication::translate("TurnPage", "No moves")))
                : table(page.changeColumns, page.changes);
    html += QStringLiteral("<h2>%1</h2>\n")
                .arg(escaped(QCoreApplication::translate("TurnPage", "Combats")));
    if (!page.diceVerdict.isEmpty())
        html += QStringLiteral("<p><span class=\"verdict\">%1</span></p>\n")
                    .arg(escaped(untrustedtext::forLine(page.diceVerdict)));
    html += page.combats.empty()
                ? QStringLiteral("<p>%1</p>\n")
                      .arg(escaped(QCoreApplication::translate("TurnPage", "No combats")))
                : table(page.combatColumns, page.combats, int(page.combatColumns.size()) - 1);
    if (!page.note.isEmpty())
        html += QStringLiteral("<h2>%1</h2>\n<div class=\"note\">%2</div>\n")
                    .arg(escaped(QCoreApplication::translate("TurnPage", "Their note")),
                         escaped(untrustedtext::forLines(page.note)));
    html += QStringLiteral("<footer>%1</footer>\n</body>\n</html>\n")
                .arg(escaped(QCoreApplication::translate("TurnPage", "Made with Korva")));
    return html.toUtf8();
}
