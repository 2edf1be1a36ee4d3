// The modem probe: on each of COM1..COM4, sends "ATI0" to a Hayes-compatible modem and reads its top
// speed from the answer. The sequence is portable; the port calls come through SerialPortAccess, so
// it runs against the real ports and against scripted ones alike.
#pragma once

#include <cstddef>
#include <cstdint>

#include "inventory/equipment.h"

constexpr int kModemPortCount = 4;
// Probed in this order; port i writes modem speed [i].
extern const char *const kModemPortNames[kModemPortCount];
// Appended to the port name to build the line settings: 300 baud, even parity, 7 data bits, 1 stop bit.
constexpr char kModemLineSettings[] = ":300,e,7,1";
// The identification command, written in one write of seven bytes (the terminator included).
constexpr char kModemCommand[] = "ATI0\r\n";
constexpr uint32_t kModemCommandSize = sizeof kModemCommand;
static_assert(kModemCommandSize == 7);
// The answer is read into a zero-filled buffer of this size, keeping its last byte as terminator.
constexpr uint32_t kModemReplySize = 256;
// How long the modem has to answer.
constexpr uint32_t kModemWaitMs = 3000;

// The modem-control input lines, as the modem status call reports them.
enum ModemLine : uint32_t {
    kModemLineCts = 0x10,
    kModemLineDsr = 0x20,
    kModemLineRing = 0x40,
    kModemLineRlsd = 0x80,
};

struct ModemSpeedCode {
    const char *code;
    int32_t speed; // bit/s
};
// Tested in this order; the last code found in the answer gives the speed.
constexpr int kModemSpeedCodeCount = 8;
extern const ModemSpeedCode kModemSpeedCodes[kModemSpeedCodeCount];

// The speed that an answer names, 0 when it holds no code.
int32_t ModemSpeedFromAnswer(const char *answer);

// The serial port calls of the probe. A port is an opaque pointer, null when it could not be opened.
struct SerialPortAccess {
    void *context;
    // Opens for reading and writing, exclusively, an existing device, without overlapped I/O.
    void *(*open)(void *context, const char *name);
    // Builds the device-control block from "COMn:300,e,7,1" and applies it; results are not checked.
    void (*configure)(void *context, void *port, const char *controlString);
    // The modem-control input lines (ModemLine bits); false when the call fails.
    bool (*modemLines)(void *context, void *port, uint32_t *lines);
    // One write of count bytes; false when it fails.
    bool (*write)(void *context, void *port, const void *bytes, uint32_t count);
    void (*sleep)(void *context, uint32_t ms);
    // Clears the port's error state and reads its status: the error bits and the number of bytes
    // waiting in the input queue; false when the call fails.
    bool (*status)(void *context, void *port, uint32_t *errors, uint32_t *waiting);
    // Reads at most count bytes; false when the read fails.
    bool (*read)(void *context, void *port, void *buffer, uint32_t count, uint32_t *got);
    void (*close)(void *context, void *port);
};

// Probes COM1..COM4 in order, writing modem speed [0..3] of the record. Returns 0 when no probed
// port failed, 1 otherwise; after a failure the later ports get the command but no answer is read.
int ModemProbe(const SerialPortAccess &ports, EquipmentRecord &record);

#ifdef _WIN32
// The real serial ports of Windows.
SerialPortAccess WindowsSerialPorts();
// The modem probe on the real ports.
int ModemProbe(EquipmentRecord &record);
#endif
