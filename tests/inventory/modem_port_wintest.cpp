// The real serial port calls against a fake modem on a pseudo-terminal (scripts/test starts one on
// COM1 and says so in QV_FAKE_MODEM). Wine cannot report modem lines on a pseudo-terminal, so the
// probe itself stops at that check there; these tests drive the port calls it uses one by one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "inventory/modem_probe.h"

namespace {

TEST(ModemPort, FakeModemAnswersTheIdentificationCommand) {
    const char *port = getenv("QV_FAKE_MODEM");
    if (!port)
        GTEST_SKIP() << "no fake modem (run through scripts/test)";
    SerialPortAccess ports = WindowsSerialPorts();
    void *handle = ports.open(ports.context, port);
    ASSERT_NE(handle, nullptr);
    std::string settings = std::string(port) + kModemLineSettings;
    ports.configure(ports.context, handle, settings.c_str());
    ASSERT_TRUE(ports.write(ports.context, handle, kModemCommand, kModemCommandSize));
    uint32_t errors = 0, waiting = 0;
    for (int waited = 0; waited < 3000 && waiting < 10; waited += 100) {
        ports.sleep(ports.context, 100);
        ASSERT_TRUE(ports.status(ports.context, handle, &errors, &waiting));
    }
    char reply[kModemReplySize] = {};
    uint32_t got = 0;
    ASSERT_TRUE(ports.read(ports.context, handle, reply,
                           waiting < kModemReplySize - 1 ? waiting : kModemReplySize - 1, &got));
    ports.close(ports.context, handle);
    EXPECT_GT(got, 0u);
    EXPECT_NE(std::string(reply).find("28800"), std::string::npos) << reply;
    EXPECT_EQ(ModemSpeedFromAnswer(reply), 28800);
}

TEST(ModemPort, ProbeOnTheRealPortsNeverHangsAndStoresOnlyWhatItRead) {
    EquipmentRecord record = {};
    DWORD start = GetTickCount();
    ModemProbe(record);
    // Four ports at most three seconds each.
    EXPECT_LT(GetTickCount() - start, 4 * 3000u + 1000u);
    for (int i = 0; i < kModemPortCount; ++i)
        EXPECT_TRUE(record.modemSpeed[i] == 0 || record.modemSpeed[i] == 28800) << i;
}

} // namespace
