#pragma once

#include "ui/wizard/wizardnavigator.h"

#include <QList>

#include <functional>

namespace lunaplan::test {

// A wizard navigator for page tests: records every move and closes nothing,
// so the page stays for the test to look at. `onMove` runs at the moment of
// the move, while the page is still there (to see what it had committed).
class RecordingNavigator final : public WizardNavigator {
public:
    struct Move {
        QWidget* from = nullptr;
        bool closed = false; // close(page) rather than goTo
        WizardPageId to{};   // for goTo
    };

    void goTo(QWidget* from, WizardPageId to) override;
    void close(QWidget* page) override;
    // Answers from openAnswers; a call with none left fails the test.
    bool openClassFile() override;
    // The pages tested with this navigator never start a new year: fails the test.
    bool startFromPreviousYear() override;

    QList<Move> moves;
    QList<bool> openAnswers;
    int opened = 0;
    std::function<void()> onMove;
};

} // namespace lunaplan::test
