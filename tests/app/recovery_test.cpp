#include <gtest/gtest.h>

#include "app/portada.h"
#include "app/recovery_dialogue.h"
#include "app_test_helpers.h"
#include "core/startup.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using test::addRace;
using test::writeText;

// Records what the dialogue drove, and whether the start key saw recovery pending.
class FakeRecoveryHost : public RecoveryHost {
public:
    explicit FakeRecoveryHost(const RaceState& state) : state_(state) {}
    bool OpenProgramme(int modality) override {
        calls.push_back("open " + std::to_string(modality));
        return opens;
    }
    void PressStartKey() override { calls.push_back(state_.RecoveryPending ? "S pending" : "S"); }
    void OpenLapCounterPortsHeld() override { calls.push_back("ports held"); }
    void ReleaseHeldReception(bool decode) override { calls.push_back(decode ? "feed held" : "drop held"); }
    void RestoreJournal(const HeatJournal&) override {}

    bool opens = true;
    std::vector<std::string> calls;

private:
    const RaceState& state_;
};

class RecoveryTest : public ::testing::Test, protected test::AppState {
protected:
    void SetUp() override {
        addRace(folder.path(), "Primera", "01-02-2024", {1, 2, 1, 3});
        addRace(folder.path(), "Gran Premi", "02-03-2024", {1, 1, 0, 2});
        window.CarregarLlistats();
        state.RecoveryPending = -1;
    }
    fs::path recoveryFile() const { return folder.path() / kRecoveryFileName; }
    RecoveryOutcome run() { return RunRecoveryDialogue(state, window, prompter, host); }

    Portada window{state, prompter};
    FakeRecoveryHost host{state};
};

TEST_F(RecoveryTest, NoOrAProgrammeThatCannotOpen_ForgetsTheHeatAndDeletesRecoveryFile) {
    for (const bool opens : {true, false}) {  // No; Yes, but the programme cannot open
        SCOPED_TRACE(opens);
        writeText(recoveryFile(), " 1\r\n 2\r\n 2\r\n 5\r\n 1000.25\r\n");
        state.RecoveryPending = -1;
        prompter.answers = {opens ? Button::No : Button::Yes};
        host.opens = opens;
        host.calls.clear();
        EXPECT_EQ(run(), RecoveryOutcome::Declined);
        EXPECT_FALSE(fs::exists(recoveryFile()));
        EXPECT_EQ(state.HeatStartTime, 0);  // the heat forgotten (the rest: script recovery_no)
        EXPECT_EQ(state.RecoveryPending, 0);
        // The ports listened during the question; what they heard is dropped.
        EXPECT_EQ(host.calls, (opens ? std::vector<std::string>{"ports held", "drop held"}
                                     : std::vector<std::string>{"ports held", "open 2", "drop held"}));
        EXPECT_EQ(window.LlProves.selected, 0);  // the race stays selected
        EXPECT_EQ(window.LlSeries[2].selected, 1);
    }
}

// The question names race 2's series and heat in Catalan and defaults to No.
TEST_F(RecoveryTest, Yes_OpensProgrammeStartsWithRecoveryPendingThenFeedsWhatThePortsHeld) {
    writeText(recoveryFile(), " 2\r\n 4\r\n 2\r\n 3\r\n 40123.5\r\n 40200\r\n");
    prompter.answers = {Button::Yes};
    EXPECT_EQ(run(), RecoveryOutcome::Resumed);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "Vols recuperar?\r\rProva: Gran Premi\rModalitat: Cursa\rSèrie: 2\rMàniga: 3\r"
              "La màniga es continua cronometrant: les voltes d'ara s'hi afegiran si la recuperes.\r");
    EXPECT_EQ(prompter.shown[0].defaultButton, Button::No);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"ports held", "open 4", "S pending", "feed held"}));
    EXPECT_EQ(state.RecoveryPending, 0);
    EXPECT_FALSE(fs::exists(recoveryFile()));
    EXPECT_EQ(state.CurrentRace, 2);
    EXPECT_EQ(window.LlSeries[4].selected, 1);
    EXPECT_DOUBLE_EQ(state.HeatStartTime, 40200);  // the last resume: the clock the heat died on

    // Four lines name no clock: the heat start time stays.
    writeText(recoveryFile(), " 1\r\n 1\r\n 1\r\n 1\r\n");
    state.RecoveryPending = -1;
    prompter.answers = {Button::Yes};
    EXPECT_EQ(run(), RecoveryOutcome::Resumed);
    EXPECT_EQ(state.HeatStartTime, 40200);
}

TEST_F(RecoveryTest, FileNamingNoHeat_IsDeletedWithoutQuestion) {
    const std::vector<std::string> files = {
        " 1\r\n 2\r\n 1\r\n",                  // three lines: a pause ended in plain training
        " 40100.5\r\n",                        // the same with only the appended line
        "",                                    // empty
        " 3\r\n 1\r\n 1\r\n 1\r\n 5\r\n",      // no third race
        " 2\r\n 3\r\n 1\r\n 1\r\n 5\r\n",      // the race has no SuperPole series
        " 1\r\n 2\r\n 3\r\n 1\r\n 5\r\n",      // only two official series
        " 1\r\n 0\r\n 1\r\n 1\r\n 5\r\n",      // plain training writes no file
        " 1\r\n 5\r\n 1\r\n 1\r\n 5\r\n",      // no such modality
        " 1\r\n 2\r\n 1\r\n 0\r\n 5\r\n",      // heat 0
        " 1\r\n 2\r\n 1.5\r\n 1\r\n 5\r\n",    // not a whole number
        "x\r\n 2\r\n 1\r\n 1\r\n 5\r\n",       // garbage
        " 99999\r\n 2\r\n 1\r\n 1\r\n 5\r\n",  // beyond an Integer
    };
    for (const std::string& content : files) {
        SCOPED_TRACE(content);
        writeText(recoveryFile(), content);
        state.RecoveryPending = -1;
        state.CurrentHeat = 4;
        EXPECT_EQ(run(), RecoveryOutcome::Discarded);
        EXPECT_TRUE(prompter.shown.empty());
        EXPECT_TRUE(host.calls.empty());
        EXPECT_FALSE(fs::exists(recoveryFile()));
        EXPECT_EQ(state.RecoveryPending, 0);
        EXPECT_EQ(state.CurrentHeat, 0);
    }
}

// A kill during a pause, after typed corrections: KEL4.TMP says so.
TEST_F(RecoveryTest, ParseRecoveryLines_PauseInProgressAndTypedCorrections) {
    auto values = parseRecoveryLines({" 1", " 4", " 1", " 2", " 36000.5", "C 3 1", "P 36020.25", "C 12 -1"});
    ASSERT_TRUE(values);
    EXPECT_EQ(values->heatStartTime, 36000.5);
    EXPECT_EQ(values->journal.pausedSince, 36020.25);
    EXPECT_EQ(values->journal.corrections, (std::vector<TypedCorrection>{{3, 1}, {12, -1}}));
    // The resume line ends the pause; a correction that is no +1 or -1 means nothing.
    values =
        parseRecoveryLines({" 1", " 4", " 1", " 2", " 36000.5", "P 36020.25", " 36030.5", "C 3 2", "Cx"});
    EXPECT_EQ(values->heatStartTime, 36030.5);
    EXPECT_FALSE(values->journal.pausedSince);
    EXPECT_TRUE(values->journal.corrections.empty());
    EXPECT_EQ(pauseLine(36020.25), "P 36020.25");
    EXPECT_EQ(correctionLine({12, -1}), "C 12 -1");
}

}  // namespace
}  // namespace sc
