// The Qt serial port on a pseudo-terminal (offscreen platform): port 1 named
// through PORTS.TXT, opened at each model's settings, every byte written to
// the other end heard in order through the notification, whatever its value.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numeric>
#include <string>

#include "acquisition/lap_counter_model.h"
#include "acquisition/qt_serial_port.h"
#include "temp_folder.h"

namespace sc {

namespace {

// Port 1 of a program folder on a fresh pseudo-terminal, whose other end is what a lap
// counter would write to; what the port hands over is collected one notification at a time.
struct Line {
    Line() {
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            if (const char* name = ::ptsname(master)) slave = name;
        mapPorts("1=" + slave + "\n");
        port->setNotification([this] {
            ++notifications;
            const Bytes bytes = port->readAll();
            heard.insert(heard.end(), bytes.begin(), bytes.end());
        });
    }
    ~Line() {
        port.reset();
        if (master >= 0) ::close(master);
    }
    void mapPorts(const std::string& lines) const {
        std::ofstream(folder.path() / "PORTS.TXT", std::ios::binary) << lines;
    }
    // The pieces written are small enough for the line's buffer to take whole.
    bool write(const Bytes& bytes) const {
        return ::write(master, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    std::string slave;
    test::TempFolder folder;
    std::unique_ptr<SerialPort> port = makeQtSerialPort(folder.path());
    Bytes heard;
    int notifications = 0;
};

}  // namespace

class QtSerialPortWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Line> line;

private slots:
    void init() {
        line = std::make_unique<Line>();
        QVERIFY(!line->slave.empty());
    }

    void open_EveryModelsSettingsOnThePortsFileDevice() {
        for (int m = 0; m < kLapCounterModelCount; ++m) {
            const std::string settings(portSettingsText(static_cast<LapCounterModel>(m)));
            const auto port = makeQtSerialPort(line->folder.path());
            QVERIFY2(port->open(1, settings), settings.c_str());  // 56000 too, through 57600 if need be
            QVERIFY(!port->open(1, settings));                    // already open: refused, still open
            QVERIFY(port->isOpen());
            port->close();
            QVERIFY(!port->isOpen());
            QVERIFY(port->readAll().empty());
        }
    }

    void receive_BytesWrittenInPiecesArriveWholeAndInOrder() {
        QVERIFY(line->port->open(1, "56000,n,8,1"));

        // Line-discipline bytes (CR, LF, ^C, ^D, ^Q, ^S, DEL, 0xFF) must pass untouched:
        // a frame holds any value. Cut as a frame may come: its start, 19 bytes, the rest.
        Bytes sent;
        Bytes all(256);
        std::iota(all.begin(), all.end(), 0);
        const std::vector<Bytes> pieces{Bytes(all.begin(), all.begin() + 1),
                                        Bytes(all.begin() + 1, all.begin() + 20),
                                        Bytes(all.begin() + 20, all.end()), all};
        for (const Bytes& piece : pieces) {
            QVERIFY(line->write(piece));
            sent.insert(sent.end(), piece.begin(), piece.end());
            QTest::qWait(20);  // separate arrivals, as from a slow line
        }
        QTRY_COMPARE_WITH_TIMEOUT(line->heard.size(), sent.size(), 10000);
        QVERIFY(line->heard == sent);
        QVERIFY(line->notifications >= 2);
    }

    // Bytes from before the open belong to no heat; a closed line hears nothing.
    void open_HearsOnlyTheBytesWrittenWhileOpen() {
        QVERIFY(line->write({0xE0, 0x01, 0x02, '\n'}));
        QVERIFY(line->port->open(1, "4800,n,8,1"));
        QVERIFY(line->write({0xA4}));
        QTRY_COMPARE_WITH_TIMEOUT(line->heard.size(), std::size_t{1}, 10000);
        line->port->close();
        QVERIFY(line->write({0x03}));
        QVERIFY(line->port->open(1, "1200,n,8,1"));
        QVERIFY(line->write({0x04}));
        QTRY_COMPARE_WITH_TIMEOUT(line->heard.size(), std::size_t{2}, 10000);
        QVERIFY(line->heard == (Bytes{0xA4, 0x04}));
    }

    void open_FailsCleanlyOnMissingDeviceBadNumberOrBadSettings() {
        const std::string missing = (line->folder.path() / "no-such-tty").string();
        line->mapPorts("1=" + line->slave + "\n2=" + missing + "\n");
        auto& port = *line->port;
        QVERIFY(!port.open(2, "4800,n,8,1"));
        QVERIFY(!port.open(0, "4800,n,8,1"));
        QVERIFY(!port.open(-3, "4800,n,8,1"));
        QVERIFY(!port.open(1, "4800,x,8,1"));  // bad settings, as tabled in port_devices_test
        // After all those failures the same object is closed and still opens the good port.
        QVERIFY(port.open(1, "4800,n,8,1"));
        QVERIFY(port.isOpen());
        QCOMPARE(line->notifications, 0);
    }
};

}  // namespace sc

QTEST_MAIN(sc::QtSerialPortWindowTest)
#include "qt_serial_port_window_test.moc"
