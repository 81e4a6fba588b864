#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "link/rx_mailbox.h"
#include "link/serial_owner.h"

namespace tovrin {

class SerialSession;

// The only path to the converter: opens a serial device, runs one monitor thread per
// open port, and hands received bytes and error reports to its owner on the owner's
// thread. The owner never waits on the monitor thread.
class CSerialPort {
public:
    using Owner = SerialPortOwner;

    CSerialPort();
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // False when the device cannot be opened (LastOpenError tells why); a later step
    // that fails is reported to the owner and the open still counts.
    bool OpenPort(Owner* owner, const std::string& devicePath, unsigned portNumber, unsigned baud, char parity = 'N',
                  int dataBits = 8, int stopBits = 1);
    void StartMonitor();
    void ClosePort();
    bool IsOpen() const;
    int LastOpenError() const { return m_lastOpenError; }  // errno of the last failed open, 0 after a good one

    // Queued whole, written in order. False when the port is not open, its line is gone,
    // or the transmit queue has no room (then the owner gets a report).
    bool RequestWrite(const uint8_t* bytes, size_t length);
    // Bytes handed to RequestWrite that the monitor thread has not written yet: a
    // program that ends after sending waits for 0 before it closes the port.
    size_t PendingWriteBytes() const;

    // Readable while bytes or reports wait for the owner; the same fd for the object's life.
    int NotifyFd() const;
    // Owner's thread: hands waiting bytes to Owner::OnRxByte one at a time, and the
    // reports in their place among them. Safe to re-enter from inside a handler.
    void DeliverPending();
    unsigned PortNumber() const { return m_portNumber; }

private:
    void DeliverFront();

    std::shared_ptr<RxMailbox> m_mailbox;
    std::shared_ptr<SerialSession> m_session;
    std::deque<Delivery> m_delivering;  // owner's thread only
    unsigned m_portNumber = 0;
    int m_lastOpenError = 0;
};

}  // namespace tovrin
