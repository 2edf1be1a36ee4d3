#include "inventory/modem_probe.h"

#include <cstring>

const char *const kModemPortNames[kModemPortCount] = {"COM1", "COM2", "COM3", "COM4"};

const ModemSpeedCode kModemSpeedCodes[kModemSpeedCodeCount] = {
    {"30", 300},   {"12", 1200},  {"24", 2400},  {"96", 9600},
    {"14", 14400}, {"16", 16800}, {"19", 19200}, {"28", 28800},
};

int32_t ModemSpeedFromAnswer(const char *answer) {
    int32_t speed = 0;
    for (const ModemSpeedCode &entry : kModemSpeedCodes)
        if (strstr(answer, entry.code))
            speed = entry.speed;
    return speed;
}

namespace {

constexpr uint32_t kAnyModemLine = kModemLineCts | kModemLineDsr | kModemLineRing | kModemLineRlsd;

// One port, from opening to closing. Returns true when the port failed after a modem line was seen.
bool ProbePort(const SerialPortAccess &ports, void *port, const char *name, bool failedBefore,
               int32_t &speed) {
    char control[32];
    CopyField(control, sizeof control, name);
    strncat(control, kModemLineSettings, sizeof control - strlen(control) - 1);
    ports.configure(ports.context, port, control);

    uint32_t lines = 0;
    if (!ports.modemLines(ports.context, port, &lines) || !(lines & kAnyModemLine))
        return false; // nothing attached: skipped, not a failure

    bool failed = !ports.write(ports.context, port, kModemCommand, kModemCommandSize);
    if (failed || failedBefore)
        return failed;

    ports.sleep(ports.context, kModemWaitMs);

    uint32_t errors = 0, waiting = 0;
    if (!ports.status(ports.context, port, &errors, &waiting) || errors || waiting == 0)
        return true;

    // The last byte of the buffer stays zero, so the answer is always terminated; a longer answer
    // leaves its rest in the input queue.
    char answer[kModemReplySize] = {};
    uint32_t want = waiting < kModemReplySize - 1 ? waiting : kModemReplySize - 1;
    uint32_t got = 0;
    if (!ports.read(ports.context, port, answer, want, &got))
        return true;
    if (got > want)
        got = want;
    for (uint32_t i = 0; i < got; ++i)
        if (answer[i] == 0)
            answer[i] = '\n';

    speed = ModemSpeedFromAnswer(answer);
    return speed == 0;
}

} // namespace

int ModemProbe(const SerialPortAccess &ports, EquipmentRecord &record) {
    bool failed = false;
    for (int i = 0; i < kModemPortCount; ++i) {
        record.modemSpeed[i] = 0;
        void *port = ports.open(ports.context, kModemPortNames[i]);
        if (!port)
            continue;
        if (ProbePort(ports, port, kModemPortNames[i], failed, record.modemSpeed[i]))
            failed = true;
        ports.close(ports.context, port);
    }
    return failed ? 1 : 0;
}
