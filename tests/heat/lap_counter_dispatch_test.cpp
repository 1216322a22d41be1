#include "heat/lap_counter_dispatch.h"

#include <gtest/gtest.h>

#include <optional>

#include "heat/heat_rig.h"

namespace sc {
namespace {

// Plain training on two lanes, the heat panel showing.
class LapCounterDispatchTest : public ::testing::Test, public test::HeatRig<> {
protected:
    LapCounterDispatchTest() : HeatRig(2) { panel.Menu[0].backColour = 3; }
};

TEST_F(LapCounterDispatchTest, HeatActions_CountOnlyInAHeatAtTheActionClocksAndTheDeviceTime) {
    apply(Detection{1, 1.5f, 100});
    apply(KeepAlive{50});
    EXPECT_EQ(view.Lane(1).list.TextMatrix(0, 0), view.Lane(2).list.TextMatrix(0, 0));
    EXPECT_EQ(state.HeatRunning, 0);
    EXPECT_DOUBLE_EQ(state.KeepAliveDeadline, 0);  // no heat: nothing armed
    const HeatView idle = MakeHeatView(state, panel);
    EXPECT_TRUE(idle.panelVisible);
    EXPECT_FALSE(idle.heatRunning);
    EXPECT_EQ(idle.laneCount, 2);
    EXPECT_FLOAT_EQ(idle.minLapTime, 1.0f);

    clock.t = 500;
    apply(StartHeat{100});
    EXPECT_DOUBLE_EQ(state.HeatStartTime, 100);
    EXPECT_EQ(state.CurrentHeat, 1);
    apply(StartHeat{200});  // a running heat does not start again
    EXPECT_DOUBLE_EQ(state.HeatStartTime, 100);
    apply(Detection{1, 0.36f, 100.36});
    apply(Detection{1, 1.4f, 101.86});
    EXPECT_EQ(view.LastLapText(1), "1.4000");  // the device's time, not the 1.5 s between the messages
    EXPECT_EQ(view.Lane(1).list.TextMatrix(0, 0), "2");

    apply(PauseHeat{110});
    EXPECT_NE(state.Paused, 0);
    EXPECT_TRUE(MakeHeatView(state, panel).paused);
    apply(PauseHeat{115});  // a repeated pause keeps the first start of it
    apply(ResumeHeat{130});
    EXPECT_EQ(state.Paused, 0);
    EXPECT_DOUBLE_EQ(state.HeatStartTime, 120);
    EXPECT_TRUE(MakeHeatView(state, panel).heatRunning);
    apply(EndHeat{});
    EXPECT_EQ(state.HeatRunning, 0);
}

// Bytes keep the heat timer off: the deadline must end the heat before they count.
TEST_F(LapCounterDispatchTest, KeepAlive_DeadlinePassedWhileBytesArriveEndsTheHeatBeforeThem) {
    apply(StartHeat{0});
    apply(Detection{1, 0, 0.4});
    apply(KeepAlive{0.5});  // deadline 3.0, end of the heat at 0.5
    apply(Detection{1, 5.5f, 5.9});
    apply(Detection{1, 2.1f, 8.0});
    EXPECT_EQ(state.HeatRunning, 0);
    EXPECT_EQ(view.Lane(1).list.TextMatrix(0, 0), "1");
    const auto records = logRecords();
    ASSERT_EQ(records.size(), 3u);  // header, the first pass, the end
    EXPECT_EQ(records[2].lane, 0);
    EXPECT_FLOAT_EQ(records[2].passTime, 0.5f);
}

TEST_F(LapCounterDispatchTest, PanelColour_StartLightsColourThePanelAndHideTheMenuThePauseColoursTheLabels) {
    panel.visible = false;
    apply(PanelColour{PanelScope::HeatPanel, 12, true});
    EXPECT_EQ(panel.backColour, 7);
    EXPECT_TRUE(panel.Menu[0].visible);
    panel.visible = true;
    errors.SetVisible(true);
    apply(PanelColour{PanelScope::HeatPanel, 12, true});
    EXPECT_EQ(panel.backColour, 12);
    EXPECT_FALSE(errors.Visible());
    for (const HeatMenuButton& button : panel.Menu) EXPECT_FALSE(button.visible);
    apply(PanelColour{PanelScope::HeatPanel, kRestoreColour, false});
    EXPECT_EQ(panel.backColour, 3);

    apply(StartHeat{100});  // during a pause: the labels too, and the restore shows the pause label
    apply(PauseHeat{110});
    apply(PanelColour{PanelScope::PauseDisplay, 10, false});
    EXPECT_EQ(panel.backColour, 10);
    EXPECT_EQ(panel.horaBackColour, 10);
    EXPECT_EQ(panel.textPausaBackColour, 10);
    panel.textPausaVisible = false;  // the tick blinks it
    apply(PanelColour{PanelScope::PauseDisplay, kRestoreColour, false});
    EXPECT_TRUE(panel.textPausaVisible);
    EXPECT_EQ(panel.horaBackColour, 3);
    EXPECT_EQ(panel.textPausaBackColour, 3);
}

TEST_F(LapCounterDispatchTest, ReceiveHooks_TimerOffWhileDecodingAndBackOnlyWhenAHeatRuns) {
    bool inHeatMode = false;
    ReceiveHooks hooks = MakeReceiveHooks(state, panel, [&]() -> std::optional<HeatTargets> {
        if (!inHeatMode) return std::nullopt;
        return targets;
    });
    hooks.beforeDecode();
    hooks.apply(1, StartHeat{100});  // outside heat-running mode: dropped
    hooks.afterDecode();
    EXPECT_EQ(state.HeatRunning, 0);
    EXPECT_FALSE(panel.timerEnabled);

    inHeatMode = true;
    hooks.beforeDecode();
    hooks.apply(1, StartHeat{100});
    EXPECT_TRUE(panel.timerEnabled);  // the start turns the timer on
    hooks.afterDecode();
    EXPECT_TRUE(panel.timerEnabled);
    hooks.beforeDecode();
    EXPECT_FALSE(panel.timerEnabled);
    hooks.afterDecode();
    EXPECT_TRUE(hooks.heatView().heatRunning);
}

}  // namespace
}  // namespace sc
