#include "acquisition/qt_serial_port.h"

#include <QSerialPort>

#include "acquisition/lap_counter_connections.h"
#include "acquisition/port_devices.h"

namespace sc {
namespace {

// Some lap counters run at 56000 baud, which not every serial driver can do;
// the nearest standard rate is within the tolerance of their UART.
constexpr int kFallbackBaud = 57600;

QSerialPort::Parity parityOf(char parity) {
    switch (parity) {
        case 'e':
            return QSerialPort::EvenParity;
        case 'o':
            return QSerialPort::OddParity;
        case 'm':
            return QSerialPort::MarkParity;
        case 's':
            return QSerialPort::SpaceParity;
        default:
            return QSerialPort::NoParity;
    }
}

}  // namespace

QtSerialPort::QtSerialPort(DeviceOf deviceOf)
    : deviceOf_(std::move(deviceOf)), port_(std::make_unique<QSerialPort>()) {
    QObject::connect(port_.get(), &QSerialPort::readyRead, port_.get(), [this] { notify(); });
}

QtSerialPort::~QtSerialPort() {
    port_->disconnect();
    port_->close();
}

bool QtSerialPort::open(int port, const std::string& settings) {
    const auto parsed = parseSerialSettings(settings);
    const std::string device = deviceOf_ ? deviceOf_(port) : std::string{};
    if (!parsed || device.empty() || port_->isOpen()) return false;
    port_->setPortName(QString::fromStdString(device));
    if (!port_->open(QIODevice::ReadOnly)) return false;
    if (!apply(*parsed)) {
        port_->close();
        return false;
    }
    port_->clear(QSerialPort::Input);  // bytes from before the open belong to no heat
    return true;
}

bool QtSerialPort::apply(const SerialSettings& settings) {
    const bool baud =
        port_->setBaudRate(settings.baud) || (settings.baud == 56000 && port_->setBaudRate(kFallbackBaud));
    return baud && port_->setParity(parityOf(settings.parity)) &&
           port_->setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
           port_->setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
           port_->setFlowControl(QSerialPort::NoFlowControl);
}

void QtSerialPort::close() {
    if (port_->isOpen()) port_->close();
}

bool QtSerialPort::isOpen() const { return port_->isOpen(); }

Bytes QtSerialPort::readAll() {
    if (!port_->isOpen()) return {};
    const QByteArray data = port_->readAll();
    return Bytes(data.begin(), data.end());
}

std::unique_ptr<SerialPort> makeQtSerialPort(const std::filesystem::path& programFolder) {
    return std::make_unique<QtSerialPort>(
        [folder = programFolder](int port) { return portDevice(port, folder); });
}

std::function<bool(int port)> qtPortProbe(const std::filesystem::path& programFolder) {
    return [programFolder](int port) {
        const auto probe = makeQtSerialPort(programFolder);
        return probePort(*probe, port);
    };
}

}  // namespace sc
