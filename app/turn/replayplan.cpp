#include "app/turn/replayplan.h"

#include <QCoreApplication>

#include <algorithm>

QString combatHeading(const ReplayStep& combat) {
    const QString die = QCoreApplication::translate("ReplayStep", "Combat, die %1").arg(combat.die);
    return combat.roll.isEmpty() ? die : QStringLiteral("%1 (%2)").arg(die, combat.roll);
}

std::vector<ReplayStep> replaySteps(const std::vector<CounterChange>& changes,
                                    const std::vector<ReplayCombat>& combats) {
    std::vector<ReplayStep> steps;
    for (const CounterChange& change : changes) {
        if (!change.moved())
            continue; // a flip or a mark shows in the outlines once the replay ends
        const auto stack = std::find_if(steps.begin(), steps.end(), [&](const ReplayStep& s) {
            return s.fromHex == change.fromHex && s.toHex == change.toHex;
        });
        if (stack != steps.end())
            stack->counters.push_back(change.counter);
        else
            steps.push_back({ReplayStep::Kind::Move,
                             change.fromHex,
                             change.toHex,
                             {change.counter},
                             0,
                             {},
                             {},
                             Trust::Unverified});
    }
    for (const ReplayCombat& combat : combats)
        steps.push_back({ReplayStep::Kind::Combat,
                         combat.hex,
                         combat.hex,
                         {},
                         combat.die,
                         combat.comment,
                         combat.roll,
                         combat.trust});
    return steps;
}
