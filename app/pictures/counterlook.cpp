#include "app/pictures/counterlook.h"

#include "base/win1252.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Short forms of the words in the names, so two lines fit on 24 pixels.
constexpr std::array<std::pair<const char*, const char*>, 22> kAbbreviations{{
    {"Armor", "ARM"},  {"Airborne", "ABN"}, {"Inf", "INF"},       {"Mnt", "MTN"},
    {"Mech", "MECH"},  {"Para", "PARA"},    {"Pzg", "PZG"},       {"Pz", "PZ"},
    {"Repl", "REPL"},  {"Ers", "ERS"},      {"Jgr", "JGR"},       {"Sturn", "STU"},
    {"Ranger", "RGR"}, {"Gds", "GDS"},      {"Czech", "CZ"},      {"Slov", "SLK"},
    {"Turco", "TUR"},  {"Tiger", "TIGER"},  {"Panther", "PANTH"}, {"Mor", "MOR"},
    {"Alg", "ALG"},    {"Carp", "CARP"},
}};

// Leading parts of a designation that are too long for the counter ("Jaeger/42").
constexpr std::array<std::pair<const char*, const char*>, 2> kDesignationParts{{
    {"Jaeger", "Jg"},
    {"Lehr", "Lr"},
}};

// A name's first word that names the nation of a first-side unit.
constexpr std::array<const char*, 13> kFirstSideNations{
    "UK", "NZ", "US", "US-Cdn", "SA", "Fr", "Pol", "Ind", "Braz", "Greek", "Cdn", "P", "Jew"};

QString abbreviated(const QString& word) {
    for (const auto& [full, shortForm] : kAbbreviations)
        if (word == QLatin1String(full))
            return QString::fromLatin1(shortForm);
    return word.toUpper();
}

QString shortDesignation(QString designation) {
    for (const auto& [full, shortForm] : kDesignationParts) {
        const QString part = QLatin1String(full) + QLatin1Char('/');
        if (designation.startsWith(part) && designation.size() > part.size()) {
            designation.replace(0, part.size(), QLatin1String(shortForm) + QLatin1Char('/'));
        }
    }
    return designation;
}

bool hasDigit(const QString& word) {
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
}

bool isServiceWord(const QString& word) {
    return std::any_of(kAbbreviations.begin(), kAbbreviations.end(),
                       [&word](const auto& entry) { return word == QLatin1String(entry.first); });
}

// Splits the words left after nation and size into designation and arm of service: the
// designation is the first word with a digit; without one, a trailing service word is the
// service and the rest the designation ("Doehla Mnt"), else all of it ("G di S").
void splitWords(QStringList words, CounterLook& look) {
    if (words.isEmpty())
        return;
    auto numbered = std::find_if(words.begin(), words.end(), hasDigit);
    if (numbered != words.end()) {
        look.designation = shortDesignation(*numbered);
        words.erase(numbered);
    } else if (words.size() > 1 && isServiceWord(words.last())) {
        const QString service = words.takeLast();
        look.designation = shortDesignation(words.join(QLatin1Char(' ')));
        words = {service};
    } else {
        look.designation = shortDesignation(words.join(QLatin1Char(' ')));
        return;
    }
    QStringList services;
    for (const QString& word : words)
        services << abbreviated(word);
    look.service = services.join(QLatin1Char(' '));
}

// The nation band of a second-side unit: Italian units of the Republic, the SS, volunteer
// units from elsewhere, and the Germans.
QString secondSideNation(const QString& prefix, const QString& firstWord) {
    if (prefix == QLatin1String("Rep") || prefix == QLatin1String("FA"))
        return QStringLiteral("Rep");
    if (firstWord.startsWith(QLatin1String("SS/")))
        return QStringLiteral("SS");
    if (prefix == QLatin1String("Slov") || prefix == QLatin1String("Turco") ||
        firstWord == QLatin1String("Czech") || firstWord == QLatin1String("Ost"))
        return QStringLiteral("Volunteer");
    return QStringLiteral("German");
}

} // namespace

CounterLook counterLookOf(int row, const std::string& name, int steps, int sizeValue) {
    CounterLook look;
    look.kind = kindOfRow(row);
    look.steps = steps;
    look.sizeValue = sizeValue;
    const QString text = win1252::toUnicode(name).simplified();
    switch (look.kind) {
    case CounterKind::Fort:
        look.designation = QStringLiteral("FORT");
        return look;
    case CounterKind::Port:
        look.designation = QStringLiteral("PORT");
        return look;
    case CounterKind::Marker:
        look.designation = text.section(QLatin1Char(' '), 0, 0);
        look.service = QStringLiteral("MKR");
        return look;
    case CounterKind::FirstSide:
    case CounterKind::SecondSide:
        break;
    }

    // "Rome: Piave", "Tiger:508": the part before a colon is a prefix of its own.
    QString prefix;
    QString rest = text;
    if (const auto colon = text.indexOf(QLatin1Char(':')); colon > 0) {
        prefix = text.left(colon).trimmed();
        rest = text.mid(colon + 1).trimmed();
    }
    QStringList words = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!words.isEmpty()) {
        const QString& last = words.last();
        if (last == QLatin1String("XX") || last == QLatin1String("III") ||
            last == QLatin1String("X"))
            look.size = words.takeLast();
    }

    if (look.kind == CounterKind::FirstSide) {
        if (!prefix.isEmpty()) {
            look.nation = prefix;
        } else if (words.size() > 1 &&
                   std::any_of(
                       kFirstSideNations.begin(), kFirstSideNations.end(),
                       [&words](const char* n) { return words.first() == QLatin1String(n); })) {
            look.nation = words.takeFirst();
        } else if (!words.isEmpty()) {
            look.nation = words.first();
        }
    } else {
        look.nation = secondSideNation(prefix, words.value(0));
        // A prefix that is no nation ("Tiger:508", "Slov:1 Ers") is part of the unit's name.
        if (!prefix.isEmpty() && look.nation != QLatin1String("Rep"))
            words.prepend(prefix);
    }
    splitWords(words, look);
    // The SS band says it already: "SS/1LAH" shows "1LAH".
    if (look.nation == QLatin1String("SS") && look.designation.startsWith(QLatin1String("SS/")))
        look.designation.remove(0, 3);
    return look;
}
