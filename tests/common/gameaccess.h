#pragma once

#include "game/document.h"
#include "game/session.h"

// The game of a session, to set a position up the way no player could (counters placed,
// combats added) before the test plays it.
struct DocumentTestAccess {
    static Game& game(Document& document) { return document.mutableGame(); }
};

inline Game& mutableGame(Session& session) {
    return DocumentTestAccess::game(session.document());
}
