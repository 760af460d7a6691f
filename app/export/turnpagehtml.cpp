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

// A table that reads as a table on a wide screen and as one card per row on a phone's, where
// each cell carries its column's name.
QString table(const QStringList& columns, const std::vector<QStringList>& rows,
              int fileColumn = -1) {
    QString html = QStringLiteral("<table>\n<thead><tr>");
    for (const QString& column : columns)
        html += QStringLiteral("<th scope=\"col\">%1</th>").arg(escaped(column));
    html += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < row.size(); ++c)
            html += QStringLiteral("<td data-label=\"%1\">%2</td>")
                        .arg(escaped(c < columns.size() ? columns[c] : QString()),
                             c == fileColumn ? quoted(row[c])
                                             : escaped(untrustedtext::forLine(row[c])));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody>\n</table>\n");
}

QString section(const QString& heading, const QString& body) {
    return QStringLiteral("<section>\n<h2>%1</h2>\n%2</section>\n").arg(escaped(heading), body);
}

// From a phone's width to a desktop's: the text keeps off the edges, long words and file
// text wrap, the picture shrinks to fit, tables turn into cards below 40em.
constexpr const char* kStyle =
    "*{box-sizing:border-box}"
    "body{font-family:system-ui,'DejaVu Sans',sans-serif;line-height:1.45;margin:0 auto;"
    "padding:1em 1.25em;max-width:64em;color:#1c202c;background:#fafaf6;"
    "overflow-wrap:anywhere}"
    "h1{font-size:1.6em;margin:.3em 0}h2{margin-top:1.4em;border-bottom:1px solid #c8c8c0}"
    ".meta{margin:.2em 0;color:#505460}"
    "q.file{quotes:'\\201C' '\\201D';background:#efe9d8;padding:0 .2em;white-space:pre-wrap}"
    "ul.banners{list-style:none;padding:0;margin:.8em 0}ul.banners li{margin:.25em 0}"
    ".note{background:#efe9d8;padding:.6em;white-space:pre-wrap}"
    ".verdict{display:inline-block;background:#1c202c;color:#f0f0f0;padding:.2em .6em;"
    "border-radius:4px;font-weight:bold}"
    "figure{margin:1em 0}img{display:block;max-width:100%;height:auto;border:1px solid #888}"
    "figcaption{color:#505460;font-size:small;margin-top:.3em}"
    "table{border-collapse:collapse;width:100%}"
    "th,td{border:1px solid #c8c8c0;padding:.25em .5em;text-align:left;vertical-align:top}"
    "th{background:#ecebe4}"
    "@media (max-width:40em){thead{display:none}table,tbody,tr,td{display:block;width:100%}"
    "tr{border:1px solid #c8c8c0;margin:.6em 0}td{border:none;border-top:1px solid #e4e4dc}"
    "tr td:first-child{border-top:none}td::before{content:attr(data-label) \": \";"
    "font-weight:bold}td:empty{display:none}}"
    "footer{margin-top:2em;color:#707480;font-size:small}";

// The page's head, and its header: the title, the players by side, the file it was made from.
QString pageHeader(const TurnPage& page) {
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                       "img-src data:; style-src 'unsafe-inline'\">\n");
    html += QStringLiteral("<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n<header>\n")
                .arg(escaped(QCoreApplication::translate("TurnPage", "Korva: %1").arg(page.title)),
                     QString::fromLatin1(kStyle));
    html += QStringLiteral("<h1>%1</h1>\n").arg(escaped(page.title));
    // The players by side, their names as the file gives them.
    QStringList players;
    for (const Side side : {Side::First, Side::Second}) {
        const QString name = page.players.of(side);
        players << QCoreApplication::translate("TurnPage", "%1: %2", "a side: its player")
                       .arg(escaped(side == Side::First
                                        ? QCoreApplication::translate("TurnPage", "Allies")
                                        : QCoreApplication::translate("TurnPage", "Axis")),
                            name.isEmpty()
                                ? escaped(QCoreApplication::translate("TurnPage", "not named"))
                                : quoted(name));
    }
    html += QStringLiteral("<p class=\"meta\">%1</p>\n").arg(players.join(QStringLiteral(" · ")));
    if (!page.fileName.isEmpty())
        html += QStringLiteral("<p class=\"meta\">%1 %2</p>\n")
                    .arg(escaped(QCoreApplication::translate("TurnPage", "From the file")),
                         quoted(page.fileName));
    return html + QStringLiteral("</header>\n");
}

// The banners without the blanks that pad them to the window's width, then the map.
QString bannersAndPicture(const TurnPage& page) {
    QString html;
    QString banners;
    for (const QString& banner : page.banners)
        if (!banner.trimmed().isEmpty())
            banners += QStringLiteral("<li>%1</li>\n").arg(quoted(banner.trimmed()));
    if (!banners.isEmpty())
        html += QStringLiteral("<ul class=\"banners\" aria-label=\"%1\">\n%2</ul>\n")
                    .arg(escaped(QCoreApplication::translate("TurnPage", "Banners")), banners);
    if (!page.picture.isEmpty()) {
        const QString caption = QCoreApplication::translate(
            "TurnPage", "The map where the turn's moves and combats took place");
        html += QStringLiteral("<figure><img src=\"data:image/png;base64,%1\" width=\"%2\" "
                               "height=\"%3\" alt=\"%4\"><figcaption>%4</figcaption></figure>\n")
                    .arg(QString::fromLatin1(page.picture.toBase64()))
                    .arg(page.pictureSize.width())
                    .arg(page.pictureSize.height())
                    .arg(escaped(caption));
    }
    return html;
}

} // namespace

QByteArray turnPageHtml(const TurnPage& page) {
    QString html = pageHeader(page) + bannersAndPicture(page);
    html += section(
        QCoreApplication::translate("TurnPage", "Changes"),
        page.changes.empty()
            ? QStringLiteral("<p>%1</p>\n")
                  .arg(escaped(QCoreApplication::translate("TurnPage", "No counter changed")))
            : table(page.changeColumns, page.changes));
    QString combats;
    if (!page.diceVerdict.isEmpty())
        combats += QStringLiteral("<p><span class=\"verdict\">%1</span></p>\n")
                       .arg(escaped(untrustedtext::forLine(page.diceVerdict)));
    combats += page.combats.empty()
                   ? QStringLiteral("<p>%1</p>\n")
                         .arg(escaped(QCoreApplication::translate("TurnPage", "No combats")))
                   : table(page.combatColumns, page.combats, int(page.combatColumns.size()) - 1);
    html += section(QCoreApplication::translate("TurnPage", "Combats"), combats);
    if (!page.note.isEmpty())
        html += section(QCoreApplication::translate("TurnPage", "Note"),
                        QStringLiteral("<div class=\"note\">%1</div>\n")
                            .arg(escaped(untrustedtext::forLines(page.note))));
    html += QStringLiteral("<footer>%1</footer>\n</body>\n</html>\n")
                .arg(escaped(QCoreApplication::translate("TurnPage", "Made with Korva")));
    return html.toUtf8();
}
