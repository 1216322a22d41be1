#include "acquisition/port_devices.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "acquisition/serial_port.h"
#include "temp_folder.h"

namespace sc {
namespace {

namespace fs = std::filesystem;

DeviceExists onlyThese(std::set<std::string> devices) {
    return
        [devices = std::move(devices)](const fs::path& device) { return devices.count(device.string()) > 0; };
}

TEST(PortsFile, ReadsNumberedLinesTrimmedWithCommentsAndSkipsBadOrHugeOnes) {
    const auto devices = parsePortsFile(
        "# lap counters of the club\r\n"
        "  1 = /dev/ttyUSB3  \r\n"
        "\r\n"
        "2=/dev/serial/by-id/usb-FTDI # the DS300\n"
        "three=/dev/ttyS9\n"
        "0=/dev/ttyS0\n"
        "-4=/dev/ttyS4\n"
        "5=\n"
        "6 /dev/ttyS6\n"
        "7=/dev/ttyS7=x\n"
        "1=/dev/ttyACM0\n"
        "\t4\t=\t/dev/ttyACM4");
    const std::map<int, std::string> expected{
        {1, "/dev/ttyUSB3"}, {2, "/dev/serial/by-id/usb-FTDI"}, {4, "/dev/ttyACM4"}, {7, "/dev/ttyS7=x"}};
    EXPECT_EQ(devices, expected);
    EXPECT_TRUE(parsePortsFile("99999999999999999999=/dev/x\n=/dev/y\n2.5=/dev/z").empty());
    EXPECT_TRUE(parsePortsFile("").empty());
}

TEST(PortDevice, WindowsNamesComPorts) {
    test::TempFolder folder;
    std::ofstream(folder.path() / "PORTS.TXT", std::ios::binary) << "1=/dev/ttyUSB7\n";
    EXPECT_EQ(portDevice(1, folder.path(), PortNaming::Windows), "COM1");
    EXPECT_EQ(portDevice(12, folder.path(), PortNaming::Windows), "COM12");
    EXPECT_EQ(portDevice(0, folder.path(), PortNaming::Windows), "");
}

TEST(PortDevice, PortsFileWinsOverTheDevicesThatExistUnlessOversized) {
    test::TempFolder folder;
    std::ofstream(folder.path() / "ports.txt", std::ios::binary)
        << "2=/dev/ttyACM5\n";  // found whatever its case
    const auto exists = onlyThese({"/dev/ttyUSB1", "/dev/ttyUSB0"});
    EXPECT_EQ(portDevice(2, folder.path(), PortNaming::Unix, exists), "/dev/ttyACM5");
    EXPECT_EQ(portDevice(1, folder.path(), PortNaming::Unix, exists), "/dev/ttyUSB0");

    std::ofstream(folder.path() / "ports.txt", std::ios::binary) << "2=/dev/ttyACM5\n"
                                                                 << std::string(100 * 1024, '#');
    EXPECT_EQ(portDevice(2, folder.path(), PortNaming::Unix, exists), "/dev/ttyUSB1") << "oversized: ignored";
}

TEST(PortDevice, FallsBackToUsbThenAcmThenSerialForPortNMinusOne) {
    test::TempFolder folder;
    EXPECT_EQ(portDevice(3, folder.path(), PortNaming::Unix, onlyThese({"/dev/ttyUSB2", "/dev/ttyACM2"})),
              "/dev/ttyUSB2");
    EXPECT_EQ(portDevice(3, folder.path(), PortNaming::Unix, onlyThese({"/dev/ttyACM2", "/dev/ttyS2"})),
              "/dev/ttyACM2");
    EXPECT_EQ(portDevice(3, folder.path(), PortNaming::Unix, onlyThese({"/dev/ttyS2", "/dev/ttyUSB3"})),
              "/dev/ttyS2");
    // Nothing there: the first candidate, so the open fails on a named device.
    EXPECT_EQ(portDevice(3, folder.path(), PortNaming::Unix, onlyThese({})), "/dev/ttyUSB2");
    EXPECT_EQ(portDevice(0, folder.path(), PortNaming::Unix, onlyThese({})), "");
}

TEST(SerialSettingsText, ParsesTheModelsSettingsAndRefusesGarbage) {
    EXPECT_EQ(parseSerialSettings("56000,n,8,1"), (SerialSettings{56000, 'n', 8, 1}));
    EXPECT_EQ(parseSerialSettings("1200,N,7,2"), (SerialSettings{1200, 'n', 7, 2}));
    for (const char* bad : {"", "56000", "56000,n,8", "56000,n,8,1,", "fast,n,8,1", "4800,x,8,1",
                            "4800,n,9,1", "4800,n,8,3", "0,n,8,1", "4800,,8,1", "4800,n,8, 1"})
        EXPECT_FALSE(parseSerialSettings(bad)) << bad;
}

}  // namespace
}  // namespace sc
