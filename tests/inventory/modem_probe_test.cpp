// The modem probe's sequence against scripted serial ports.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "inventory/modem_probe.h"

namespace {

// What one scripted port does.
struct ScriptedPort {
    bool exists = false;
    bool linesWork = true;
    uint32_t lines = 0;
    bool writeWorks = true;
    bool statusWorks = true;
    uint32_t errors = 0;
    std::string answer; // waiting in the input queue after the command
    bool readWorks = true;
};

struct ScriptedPorts {
    ScriptedPort port[4];
    std::vector<std::string> calls; // "open COM1", "configure COM1:300,e,7,1", ...
    std::vector<std::string> written;
    uint32_t slept = 0;
    int open = 0;
    uint32_t largestRead = 0;
};

ScriptedPorts &P(void *context) {
    return *static_cast<ScriptedPorts *>(context);
}

// A port handle is its index plus one.
int Index(void *port) {
    return static_cast<int>(reinterpret_cast<intptr_t>(port)) - 1;
}

std::string Name(void *port) {
    return "COM" + std::to_string(Index(port) + 1);
}

SerialPortAccess ScriptedAccess(ScriptedPorts &s) {
    SerialPortAccess a = {};
    a.context = &s;
    a.open = [](void *c, const char *name) -> void * {
        P(c).calls.push_back(std::string("open ") + name);
        int i = name[3] - '1';
        if (i < 0 || i > 3 || !P(c).port[i].exists)
            return nullptr;
        ++P(c).open;
        return reinterpret_cast<void *>(static_cast<intptr_t>(i + 1));
    };
    a.configure = [](void *c, void *, const char *control) {
        P(c).calls.push_back(std::string("configure ") + control);
    };
    a.modemLines = [](void *c, void *port, uint32_t *lines) {
        P(c).calls.push_back("lines " + Name(port));
        const ScriptedPort &p = P(c).port[Index(port)];
        if (!p.linesWork)
            return false;
        *lines = p.lines;
        return true;
    };
    a.write = [](void *c, void *port, const void *bytes, uint32_t count) {
        P(c).calls.push_back("write " + Name(port));
        P(c).written.push_back(std::string(static_cast<const char *>(bytes), count));
        return P(c).port[Index(port)].writeWorks;
    };
    a.sleep = [](void *c, uint32_t ms) {
        P(c).calls.push_back("sleep " + std::to_string(ms));
        P(c).slept += ms;
    };
    a.status = [](void *c, void *port, uint32_t *errors, uint32_t *waiting) {
        P(c).calls.push_back("status " + Name(port));
        const ScriptedPort &p = P(c).port[Index(port)];
        if (!p.statusWorks)
            return false;
        *errors = p.errors;
        *waiting = static_cast<uint32_t>(p.answer.size());
        return true;
    };
    a.read = [](void *c, void *port, void *buffer, uint32_t count, uint32_t *got) {
        P(c).calls.push_back("read " + Name(port));
        const ScriptedPort &p = P(c).port[Index(port)];
        if (count > P(c).largestRead)
            P(c).largestRead = count;
        if (!p.readWorks)
            return false;
        uint32_t n =
            static_cast<uint32_t>(p.answer.size()) < count ? static_cast<uint32_t>(p.answer.size()) : count;
        memcpy(buffer, p.answer.data(), n);
        *got = n;
        return true;
    };
    a.close = [](void *c, void *port) {
        P(c).calls.push_back("close " + Name(port));
        --P(c).open;
    };
    return a;
}

ScriptedPort Modem(const std::string &answer) {
    ScriptedPort p;
    p.exists = true;
    p.lines = kModemLineCts | kModemLineDsr;
    p.answer = answer;
    return p;
}

EquipmentRecord FilledSpeeds() {
    EquipmentRecord record = {};
    for (int32_t &speed : record.modemSpeed)
        speed = 1; // every speed is set, even of ports that are not there
    return record;
}

TEST(ModemProbe, SpeedCodesFromAnswers) {
    struct Case {
        const char *answer;
        int32_t speed;
    } cases[] = {
        {"", 0},
        {"OK", 0},
        {"28800\r\nOK\r\n", 28800},
        {"14400", 14400},
        {"9600 14400", 14400}, // "14" comes later in the table than "96"
        {"14400 9600", 14400},
        {"300", 300},
        {"1200", 1200},
        {"2400", 2400},
        {"16800", 16800},
        {"19200", 19200},
        {"33600", 0},
        {"ATI0\r\n288\r\n", 28800},
        {"V.32 9600", 9600},
        {"12 24", 2400},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(ModemSpeedFromAnswer(c.answer), c.speed);
    }
}

TEST(ModemProbe, Tables) {
    const char *names[] = {"COM1", "COM2", "COM3", "COM4"};
    for (int i = 0; i < kModemPortCount; ++i)
        EXPECT_STREQ(kModemPortNames[i], names[i]);
    const char *codes[] = {"30", "12", "24", "96", "14", "16", "19", "28"};
    const int32_t speeds[] = {300, 1200, 2400, 9600, 14400, 16800, 19200, 28800};
    for (int i = 0; i < kModemSpeedCodeCount; ++i) {
        EXPECT_STREQ(kModemSpeedCodes[i].code, codes[i]);
        EXPECT_EQ(kModemSpeedCodes[i].speed, speeds[i]);
    }
}

TEST(ModemProbe, A28800ModemOnCom1) {
    ScriptedPorts s;
    s.port[0] = Modem("ATI0\r\n28800\r\n\r\nOK\r\n");
    EquipmentRecord record = FilledSpeeds();
    EXPECT_EQ(ModemProbe(ScriptedAccess(s), record), 0);
    EXPECT_EQ(record.modemSpeed[0], 28800);
    EXPECT_EQ(record.modemSpeed[1], 0);
    EXPECT_EQ(record.modemSpeed[2], 0);
    EXPECT_EQ(record.modemSpeed[3], 0);
    const std::vector<std::string> expected = {
        "open COM1",  "configure COM1:300,e,7,1",
        "lines COM1", "write COM1",
        "sleep 3000", "status COM1",
        "read COM1",  "close COM1",
        "open COM2",  "open COM3",
        "open COM4",
    };
    EXPECT_EQ(s.calls, expected);
    ASSERT_EQ(s.written.size(), 1u);
    EXPECT_EQ(s.written[0], std::string("ATI0\r\n\0", 7));
    EXPECT_EQ(s.open, 0) << "every opened port is closed";
}

TEST(ModemProbe, AnAnswerWithBoth96And14Gives14400) {
    ScriptedPorts s;
    s.port[2] = Modem("9600 bps, V.32bis 14400");
    EquipmentRecord record = FilledSpeeds();
    EXPECT_EQ(ModemProbe(ScriptedAccess(s), record), 0);
    EXPECT_EQ(record.modemSpeed[2], 14400);
}

TEST(ModemProbe, ZeroBytesInTheAnswerDoNotEndIt) {
    ScriptedPorts s;
    s.port[0] = Modem(std::string("OK\0\0"
                                  "14400\0",
                                  10));
    EquipmentRecord record = FilledSpeeds();
    EXPECT_EQ(ModemProbe(ScriptedAccess(s), record), 0);
    EXPECT_EQ(record.modemSpeed[0], 14400);
}

TEST(ModemProbe, SilenceThenASecondModemOnCom2) {
    // COM1 has a device that never answers: the failure flag is set, and the modem on COM2 gets the
    // command but its answer is not awaited.
    ScriptedPorts s;
    s.port[0] = Modem("");
    s.port[1] = Modem("28800");
    EquipmentRecord record = FilledSpeeds();
    EXPECT_EQ(ModemProbe(ScriptedAccess(s), record), 1);
    EXPECT_EQ(record.modemSpeed[0], 0);
    EXPECT_EQ(record.modemSpeed[1], 0);
    const std::vector<std::string> expected = {
        "open COM1",
        "configure COM1:300,e,7,1",
        "lines COM1",
        "write COM1",
        "sleep 3000",
        "status COM1",
        "close COM1",
        "open COM2",
        "configure COM2:300,e,7,1",
        "lines COM2",
        "write COM2",
        "close COM2",
        "open COM3",
        "open COM4",
    };
    EXPECT_EQ(s.calls, expected);
    EXPECT_EQ(s.slept, 3000u);
}

TEST(ModemProbe, NoPortsAtAll) {
    ScriptedPorts s;
    EquipmentRecord record = FilledSpeeds();
    EXPECT_EQ(ModemProbe(ScriptedAccess(s), record), 0);
    for (int32_t speed : record.modemSpeed)
        EXPECT_EQ(speed, 0);
    const std::vector<std::string> expected = {"open COM1", "open COM2", "open COM3", "open COM4"};
    EXPECT_EQ(s.calls, expected);
}

TEST(ModemProbe, PortsWithoutModemLinesAreSkipped) {
    ScriptedPorts s;
    s.port[0] = Modem("28800");
    s.port[0].lines = 0x0F; // none of CTS, DSR, RING, RLSD
    s.port[1] = Modem("28800");
    s.port[1].linesWork = false; // the status call fails, as on a pseudo-terminal
    s.port[3] = Modem("2400");
    s.port[3].lines = kModemLineRlsd;
    EquipmentRecord record = FilledSpeeds();
    EXPECT_EQ(ModemProbe(ScriptedAccess(s), record), 0);
    EXPECT_EQ(record.modemSpeed[0], 0);
    EXPECT_EQ(record.modemSpeed[1], 0);
    EXPECT_EQ(record.modemSpeed[3], 2400);
    EXPECT_EQ(s.written.size(), 1u);
    EXPECT_EQ(s.open, 0);
}

TEST(ModemProbe, EachLineAloneCountsAsActive) {
    const uint32_t lines[] = {kModemLineCts, kModemLineDsr, kModemLineRing, kModemLineRlsd};
    for (uint32_t line : lines) {
        SCOPED_TRACE(line);
        ScriptedPorts s;
        s.port[0] = Modem("1200");
        s.port[0].lines = line;
        EquipmentRecord record = FilledSpeeds();
        EXPECT_EQ(ModemProbe(ScriptedAccess(s), record), 0);
        EXPECT_EQ(record.modemSpeed[0], 1200);
    }
}

TEST(ModemProbe, FailuresAfterTheCommand) {
    struct Case {
        const char *what;
        void (*spoil)(ScriptedPort &p);
        bool slept;
    } cases[] = {
        {"write fails", [](ScriptedPort &p) { p.writeWorks = false; }, false},
        {"status fails", [](ScriptedPort &p) { p.statusWorks = false; }, true},
        {"communications error", [](ScriptedPort &p) { p.errors = 0x0008; }, true},
        {"nothing waiting", [](ScriptedPort &p) { p.answer.clear(); }, true},
        {"read fails", [](ScriptedPort &p) { p.readWorks = false; }, true},
        {"no speed code", [](ScriptedPort &p) { p.answer = "OK\r\n"; }, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPorts s;
        s.port[0] = Modem("28800");
        c.spoil(s.port[0]);
        s.port[3] = Modem("9600");
        EquipmentRecord record = FilledSpeeds();
        EXPECT_EQ(ModemProbe(ScriptedAccess(s), record), 1);
        EXPECT_EQ(record.modemSpeed[0], 0);
        EXPECT_EQ(record.modemSpeed[3], 0) << "after a failure no answer is read";
        EXPECT_EQ(s.written.size(), 2u) << "but the command is still sent";
        EXPECT_EQ(s.slept, c.slept ? 3000u : 0u);
        EXPECT_EQ(s.open, 0);
    }
}

TEST(ModemProbe, ALongAnswerIsReadOnlyAsFarAsTheBufferHolds) {
    ScriptedPorts s;
    s.port[0] = Modem(std::string(250, ' ') + "19200"); // 255 bytes: all of it is read
    s.port[1] = Modem(std::string(300, 'x') + "28800");
    EquipmentRecord record = FilledSpeeds();
    EXPECT_EQ(ModemProbe(ScriptedAccess(s), record), 1);
    EXPECT_EQ(s.largestRead, kModemReplySize - 1) << "the last byte of the buffer stays a terminator";
    EXPECT_EQ(record.modemSpeed[0], 19200);
    EXPECT_EQ(record.modemSpeed[1], 0) << "the code lies past the part that was read";
}

} // namespace
