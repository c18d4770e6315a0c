#pragma once

#include <QString>
#include <QtGlobal>

namespace lunaplan {
class AppState;
class Prompts;
} // namespace lunaplan

namespace lunaplan::test {

// What a run of random steps did. mismatch describes the first save that did
// not read back to the class that was saved; empty when every one did.
struct ClassYearLoad {
    int registrations = 0;
    int withdrawals = 0;
    int planChanges = 0;
    int saves = 0;
    int reopenings = 0;
    QString mismatch;
};

// Works on the class year in `state` as a teacher does, `steps` times, each
// step chosen by a generator seeded with `seed`: registers a school day (a new
// record through appendDay, as the 登録 button does; a date already recorded
// is recorded again), withdraws a held day (boolNowPlanning), types a new plan
// into the plan page's boxes (storeYearPlan; some entries are refused), or
// saves to fileName (subSaveFile) and reads the file back into a fresh state.
// After every save the file must read back to the class that was saved: the
// same record (captureClassFile) and, formatted again, the bytes on disk. Some
// saves are followed by opening the file again into `state` itself, as the
// open command does, and the run goes on from what was read. Stops at the
// first mismatch. Throws what the procedures throw.
ClassYearLoad runClassYearLoad(AppState& state, Prompts& prompts, const QString& fileName, quint32 seed,
                               int steps);

} // namespace lunaplan::test
