// The modem probe's sequence against scripted serial ports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "inventory/modem_probe.h"

namespace {

// What one scripted port does.
struct ScriptedPort {
    bool exists = false, linesWork = true, writeWorks = true, statusWorks = true, readWorks = true;
    uint32_t lines = 0, errors = 0;
    std::string answer; // waiting in the input queue after the command
};

struct ScriptedPorts {
    ScriptedPort port[4];
    std::string calls, written; // "open COM1, configure COM1:300,e,7,1, ..."; every byte written
    uint32_t largestRead = 0;
    int open = 0, writes = 0;
    void Call(const std::string &call) { calls += (calls.empty() ? "" : ", ") + call; }
};

ScriptedPorts &P(void *context) {
    return *static_cast<ScriptedPorts *>(context);
}

// A port handle is its index plus one.
ScriptedPort &Port(void *context, void *port, const char *call) {
    int index = static_cast<int>(reinterpret_cast<intptr_t>(port)) - 1;
    P(context).Call(std::string(call) + " COM" + std::to_string(index + 1));
    return P(context).port[index];
}

SerialPortAccess ScriptedAccess(ScriptedPorts &s) {
    SerialPortAccess a = {};
    a.context = &s;
    a.open = [](void *c, const char *name) -> void * {
        P(c).Call(std::string("open ") + name);
        int i = name[3] - '1';
        if (i < 0 || i > 3 || !P(c).port[i].exists)
            return nullptr;
        ++P(c).open;
        return reinterpret_cast<void *>(static_cast<intptr_t>(i + 1));
    };
    a.configure = [](void *c, void *, const char *control) {
        P(c).Call(std::string("configure ") + control);
    };
    a.modemLines = [](void *c, void *port, uint32_t *lines) {
        const ScriptedPort &p = Port(c, port, "lines");
        *lines = p.lines;
        return p.linesWork;
    };
    a.write = [](void *c, void *port, const void *bytes, uint32_t count) {
        P(c).written.append(static_cast<const char *>(bytes), count);
        ++P(c).writes;
        return Port(c, port, "write").writeWorks;
    };
    a.sleep = [](void *c, uint32_t ms) { P(c).Call("sleep " + std::to_string(ms)); };
    a.status = [](void *c, void *port, uint32_t *errors, uint32_t *waiting) {
        const ScriptedPort &p = Port(c, port, "status");
        *errors = p.errors;
        *waiting = static_cast<uint32_t>(p.answer.size());
        return p.statusWorks;
    };
    a.read = [](void *c, void *port, void *buffer, uint32_t count, uint32_t *got) {
        const ScriptedPort &p = Port(c, port, "read");
        P(c).largestRead = std::max(P(c).largestRead, count);
        *got = std::min(static_cast<uint32_t>(p.answer.size()), count);
        memcpy(buffer, p.answer.data(), *got);
        return p.readWorks;
    };
    a.close = [](void *c, void *port) {
        Port(c, port, "close");
        --P(c).open;
    };
    return a;
}

ScriptedPort Modem(const std::string &answer, uint32_t lines = kModemLineCts | kModemLineDsr) {
    ScriptedPort p;
    p.exists = true;
    p.lines = lines;
    p.answer = answer;
    return p;
}

// The result and the four speeds, each set beforehand: every one is written, even of absent ports.
std::string Probe(ScriptedPorts &s) {
    EquipmentRecord record = {};
    std::fill(std::begin(record.modemSpeed), std::end(record.modemSpeed), 1);
    std::string result = std::to_string(ModemProbe(ScriptedAccess(s), record)) + ":";
    for (int32_t speed : record.modemSpeed)
        result += " " + std::to_string(speed);
    EXPECT_EQ(s.open, 0) << "every opened port is closed";
    return result;
}

TEST(ModemProbe, SpeedCodesFromAnswers) {
    // The code found last in table order gives the speed.
    const std::pair<const char *, int> cases[] = {
        {"OK", 0},       {"33600", 0},     {"300", 300},          {"V.32 9600", 9600},   {"ATI0 288", 28800},
        {"12 24", 2400}, {"16800", 16800}, {"9600 14400", 14400}, {"14400 9600", 14400}, {"", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(ModemSpeedFromAnswer(c.first), c.second) << c.first;
}

TEST(ModemProbe, TwoModemsAndPortsWithoutModemLines) {
    ScriptedPorts s;
    s.port[0] = Modem("ATI0\r\n28800\r\n\r\nOK\r\n");
    s.port[1] = Modem("28800", 0x0F); // none of CTS, DSR, RING, RLSD: skipped
    s.port[2] = Modem(std::string("OK\0\0 14400\0", 11),
                      kModemLineRing); // a zero does not end the answer
    s.port[3] = Modem("28800");
    s.port[3].linesWork = false; // the status call fails, as on a pseudo-terminal: skipped
    EXPECT_EQ(Probe(s), "0: 28800 0 14400 0");
    EXPECT_EQ(s.calls,
              "open COM1, configure COM1:300,e,7,1, lines COM1, write COM1, sleep 3000, status COM1, "
              "read COM1, close COM1, open COM2, configure COM2:300,e,7,1, lines COM2, close COM2, "
              "open COM3, configure COM3:300,e,7,1, lines COM3, write COM3, sleep 3000, status COM3, "
              "read COM3, close COM3, open COM4, configure COM4:300,e,7,1, lines COM4, close COM4");
    EXPECT_EQ(s.written, std::string("ATI0\r\n\0ATI0\r\n\0", 14));
}

TEST(ModemProbe, SilenceThenASecondModemOnCom2) {
    // COM1 has a device that never answers: the probe fails, and the modem on COM2 gets the command
    // but its answer is not awaited.
    ScriptedPorts s;
    s.port[0] = Modem("");
    s.port[1] = Modem("28800");
    EXPECT_EQ(Probe(s), "1: 0 0 0 0");
    EXPECT_EQ(s.calls,
              "open COM1, configure COM1:300,e,7,1, lines COM1, write COM1, sleep 3000, status COM1, "
              "close COM1, open COM2, configure COM2:300,e,7,1, lines COM2, write COM2, close COM2, "
              "open COM3, open COM4");
}

TEST(ModemProbe, FailuresAfterTheCommand) {
    struct Case {
        const char *what;
        void (*spoil)(ScriptedPort &p);
    } const cases[] = {
        {"write fails", [](ScriptedPort &p) { p.writeWorks = false; }},
        {"status fails", [](ScriptedPort &p) { p.statusWorks = false; }},
        {"communications error", [](ScriptedPort &p) { p.errors = 0x0008; }},
        {"nothing waiting", [](ScriptedPort &p) { p.answer.clear(); }},
        {"read fails", [](ScriptedPort &p) { p.readWorks = false; }},
        {"no speed code", [](ScriptedPort &p) { p.answer = "OK\r\n"; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPorts s;
        s.port[0] = Modem("28800");
        c.spoil(s.port[0]);
        s.port[3] = Modem("9600", kModemLineDsr);
        EXPECT_EQ(Probe(s), "1: 0 0 0 0") << "after a failure no answer is read";
        EXPECT_EQ(s.writes, 2) << "but the command is still sent";
        EXPECT_EQ(s.calls.find("sleep") != std::string::npos, c.spoil != cases[0].spoil);
    }
}

TEST(ModemProbe, ALongAnswerIsReadOnlyAsFarAsTheBufferHolds) {
    ScriptedPorts s;
    s.port[0] = Modem(std::string(250, ' ') + "19200"); // 255 bytes: all of it is read
    s.port[1] = Modem(std::string(300, 'x') + "28800"); // the code lies past the part that is read
    EXPECT_EQ(Probe(s), "1: 19200 0 0 0");
    EXPECT_EQ(s.largestRead, kModemReplySize - 1) << "the last byte of the buffer stays a terminator";
}

} // namespace
