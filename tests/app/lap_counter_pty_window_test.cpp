// The heat loop against the lap-counter simulator on a pseudo-terminal
// (offscreen platform): `slotcursa-tool simulate --pty` is the device, PORTS.TXT
// maps port 1 to it, and the device alone starts, pauses, resumes and ends the
// heat. The lap log must then hold exactly the passes the simulator sent, with
// the device's lap times; the same seed played in-process says which they were.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QListWidget>
#include <QProcess>
#include <QtTest>
#include <functional>
#include <map>

#include "acquisition/lap_counter_simulator.h"
#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app/qt_program.h"
#include "app_test_helpers.h"
#include "core/lap_log.h"
#include "core/prompter.h"
#include "core/settings_files.h"
#include "core/startup.h"

namespace sc {

namespace {

namespace fs = std::filesystem;

constexpr int kLanes = 4;
constexpr int kHeatTimeout = 60000;  // generous: the heat itself lasts about 20 s

QStringList toolArguments(const SimulatorOptions& o) {
    return QString::asprintf(
               "simulate --model %d --pty --wait --seed %llu --lanes %d --lap %g --jitter %g "
               "--seconds %g --pause %g:%g",
               static_cast<int>(o.model), static_cast<unsigned long long>(o.seed), o.lanes, o.lapSeconds,
               o.jitterSeconds, o.heatSeconds, o.pause->at, o.pause->length)
        .split(' ');
}

// One connection on port 1 serving every lane; no detection is too short.
TrackConfig oneConnectionTrack() {
    TrackConfig track = defaultTrackConfig(kLanes);
    track.ConnectionCount = 1;
    track.ConnectionPort = {0, 1};
    track.ConnectionFirstLane = {0, 1};
    track.MinLapTime = 0.5f;
    return track;
}

void saveSettings(const fs::path& folder, LapCounterModel model) {
    ProgramSettings settings = defaultProgramSettings();
    settings.LapCounterModel = static_cast<int16_t>(model);
    settings.AskComas = 0;  // no coma window at the end of a race heat
    if (!saveProgramSettings(settings, folder / kSettingsFileName) ||
        !saveTrackConfig(oneConnectionTrack(), folder / kTrackFileName))
        throw std::runtime_error("cannot write the settings");
}

QString lapText(double seconds) { return QString::number(seconds, 'f', 4); }

// The registered passes and the pause, in the order the log must hold them:
// a pause record is written when the pause ends.
QStringList expectedRows(const SimulatorPlay& play) {
    QStringList rows;
    std::map<int, int> passesOfLane;
    bool pauseWritten = false;
    for (const PlayedPass& pass : play.passes) {
        if (!pauseWritten && play.resumeOffset && pass.offset >= *play.resumeOffset) {
            rows << "pause #1";
            pauseWritten = true;
        }
        const int number = ++passesOfLane[pass.lane];
        // A lane's first pass opens its lap; the device's time for it is not a lap.
        const QString lap = number == 1 ? QString("99.9999") : lapText(pass.lapTenThousandths / 10000.0);
        rows << QStringLiteral("lane %1 #%2 %3").arg(pass.lane).arg(number).arg(lap);
    }
    if (!pauseWritten) rows << "pause #1";
    return rows;
}

QStringList loggedRows(const std::vector<LapRecord>& records) {
    QStringList rows;
    for (std::size_t i = 1; i + 1 < records.size(); ++i) {
        const LapRecord& r = records[i];
        if (r.lane == -1)
            rows << QStringLiteral("pause #%1").arg(r.number);
        else
            rows << QStringLiteral("lane %1 #%2 %3").arg(r.lane).arg(r.number).arg(lapText(r.lapTime));
    }
    return rows;
}

}  // namespace

class LapCounterPtyWindowTest : public QObject {
    Q_OBJECT

private slots:
    // One device-run heat end to end, in a race series of four participants.
    // Other models' bytes through the pty are tested in
    // acquisition/qt_serial_port_window_test, plain training in heat_mode_window_test.
    void raceSeries_Ds030HeatStoredWithTheDevicesLapTimes() {
        const SimulatorOptions options{.model = LapCounterModel::DS030,
                                       .lanes = kLanes,
                                       .lapSeconds = 1.5,
                                       .jitterSeconds = 0.5,
                                       .heatSeconds = 12,
                                       .seed = 21,
                                       .pause = PauseSpec{5, 3}};
        const SimulatorPlay play = playLapCounter(options);
        test::AppState p;
        saveSettings(p.folder.path(), options.model);
        p.state.Settings = loadProgramSettings(p.folder.path() / kSettingsFileName);
        test::addRace(p.folder.path(), "Trofeu", "01-02-2025", {0, 0, 0, 1});
        const fs::path race = p.folder.path() / raceFolderName(1);
        QVERIFY(copyTrackConfigIntoRace(p.folder.path(), race));
        QVERIFY(writeParticipantList(race / (seriesBaseName(4, 1) + ".PAR"),
                                     {0, {"Anna", "Bernat", "Carla", "David"}}));
        PortadaView view{p.state, p.prompter};
        view.load();
        p.state.RecoveryPending = 0;  // start-up settles it before any heat
        view.portada().LlProves_Click(0);
        view.portada().LlSeries_Click(4, 0);
        view.showState();

        // The simulator names its pseudo-terminal; PORTS.TXT maps port 1 to it.
        QProcess simulator;
        simulator.start(QStringLiteral(SC_TOOL), toolArguments(options));
        QVERIFY(simulator.waitForStarted(10000));
        QVERIFY(QTest::qWaitFor([&] { return simulator.canReadLine(); }, 10000));
        const QByteArray device = simulator.readLine().trimmed();
        QVERIFY2(device.startsWith("/dev/"), device.constData());
        test::writeText(p.folder.path() / "PORTS.TXT", "1=" + device.toStdString() + "\n");
        QVERIFY(view.heatMode().open(4));
        SerialPort* port = view.heatMode().connections().port(1);
        QVERIFY(port && port->isOpen() && p.state.Track.ConnectionOpen.at(1) == -1);
        QVERIFY(p.prompter.shown.empty());

        simulator.write("\n");  // the program listens: lights on
        // The device starts, pauses, resumes and ends the heat; no key is pressed.
        const std::pair<const char*, std::function<bool()>> steps[] = {
            {"start", [&] { return p.state.HeatRunning != 0; }},
            {"pause", [&] { return p.state.Paused != 0; }},
            {"resume", [&] { return p.state.Paused == 0; }},
            {"end", [&] { return p.state.HeatRunning == 0; }},
        };
        for (const auto& [step, reached] : steps) QVERIFY2(QTest::qWaitFor(reached, kHeatTimeout), step);
        QVERIFY(simulator.waitForFinished(kHeatTimeout) && simulator.exitCode() == 0);
        const LapLogContents log = ReadLapLog(race / kLapLogName);
        QVERIFY(!log.truncated);
        const std::vector<LapRecord>& records = log.records;
        QCOMPARE(loggedRows(records), expectedRows(play));

        // Heat 1's header and end record count the records between them.
        const LapRecord& header = records.front();
        const LapRecord& end = records.back();
        QVERIFY(header.lane == 0 && header.lapTime == 1.0f && end.lane == 0);
        QCOMPARE(static_cast<std::size_t>(header.number), records.size() - 1);
        QCOMPARE(end.number, header.number);
        // PC-clock times: each lane's passes in order, all within the heat; the
        // pause as long as the device's, give or take the line. Heat 1 of four
        // on four lanes: start position 1 on the last lane of the order.
        std::map<int, float> lastPass;
        for (std::size_t i = 1; i + 1 < records.size(); ++i) {
            const LapRecord& r = records[i];
            if (r.lane == -1) {
                QVERIFY2(std::abs(r.lapTime - 3.0f) < 1.0f, qPrintable(lapText(r.lapTime)));
                continue;
            }
            QVERIFY2(r.passTime > lastPass[r.lane] && r.passTime <= end.lapTime,
                     qPrintable(QString::number(i)));
            lastPass[r.lane] = r.passTime;
            QCOMPARE(r.participant, int16_t(kLanes - r.lane + 1));
        }
        // The stored heat is the log, record for record.
        QVERIFY(ReadLapLog(race / (seriesBaseName(4, 1) + ".VAV")).records == records);
        // The live window: "+1", then one row per lap, as the simulator played them.
        std::map<int, int> passesOfLane;
        for (const PlayedPass& pass : play.passes) ++passesOfLane[pass.lane];
        for (const auto& [lane, passes] : passesOfLane)
            QCOMPARE(view.findChild<QListWidget*>(QStringLiteral("Llista(%1)").arg(lane))->count(), passes);
    }

    void programStart_OpensTheGeneralTracksPortsAndReportsADeadOne() {
        test::AppState p;
        saveSettings(p.folder.path(), LapCounterModel::DS300);
        TrackConfig track = oneConnectionTrack();
        track.ConnectionCount = 2;
        track.ConnectionPort = {0, 1, 2};
        track.ConnectionFirstLane = {0, 1, 3};
        QVERIFY(saveTrackConfig(track, p.folder.path() / kTrackFileName));
        // Port 1 is a live line, port 2 names no device.
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const std::string device = ::ptsname(master);
        test::writeText(p.folder.path() / "PORTS.TXT",
                        "1=" + device + "\n2=" + (p.folder.path() / "no-such-tty").string() + "\n");

        p.prompter.answers = {Button::Retry};  // once more, then the default Cancel
        QtProgram program(p.state, p.prompter);
        QVERIFY(program.start(p.folder.path()));
        LapCounterConnections& connections = program.mainWindow()->heatMode().connections();
        QVERIFY(connections.port(1) && connections.port(1)->isOpen());
        QVERIFY(connections.port(2) && !connections.port(2)->isOpen());
        QCOMPARE(p.state.Track.ConnectionOpen, (std::vector<int16_t>{0, -1, 0}));
        QCOMPARE(p.prompter.shown.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(p.prompter.shown[1].text),
                 QString::fromUtf8("No hi ha connexió pel port 2."));
        QCOMPARE(p.prompter.shown[1].defaultButton, Button::Cancel);  // unattended, it never loops
        QVERIFY(!program.mainWindow()->heatMode().programme().ui.heatMode);

        program.mainWindow()->close();
        ::close(master);
    }
};

}  // namespace sc

QTEST_MAIN(sc::LapCounterPtyWindowTest)
#include "lap_counter_pty_window_test.moc"
