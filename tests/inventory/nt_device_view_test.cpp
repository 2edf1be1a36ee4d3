// The device tree of systems since Windows NT, read through its Windows 95 style view: the same
// identification tables find the same kinds of devices.
#include "inventory/nt_device_view.h"
#include "inventory/registry_stages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "tests/inventory/inventory_test_helpers.h"

namespace {

TEST(NtDeviceView, ATodaysDesktopIsIdentifiedByItsPlugAndPlayIds) {
    Machine nt(FixtureText("nt_desktop.reg"));
    std::unique_ptr<RegistryTree, void (*)(RegistryTree *)> view(BuildNtDeviceView(nt.access),
                                                                 FreeRegistryTree);
    ASSERT_TRUE(view);
    auto record = std::make_unique<EquipmentRecord>();
    RunRegistryStages(TreeRegistryAccess(view.get()), *record,
                      StageHooks{nullptr, nullptr, nullptr, 586, 0, 0});
    EXPECT_EQ(ChangedFields(*record),
              "CPU type=586 | FPU type=587 | DMA controller [1]=1 | interrupt controller [1]=1 | "
              "bus present [6]=1 | timer [1]=1 | video card name=NVIDIA GeForce GTX 1060 6GB | video bus=P | "
              "video class=5 | monitor name=DELL U2412M | monitor size=15 | monitor dot pitch=0.28 | "
              "monitor maximum width=800 | monitor area=108 | COM UART [1]=2 | COM UART [2]=2 | "
              "COM present [1]=1 | COM present [2]=1 | LPT ECP [1]=1 | PS/2 port=1 | keyboard keys=101 | "
              "keyboard name=IBM Enhanced 101 key style | mouse name=Microsoft PS/2 Port Mouse");
    // A registry without the tree has no view.
    Machine windows95(FixtureText("id_pci_desktop.reg"));
    EXPECT_EQ(BuildNtDeviceView(windows95.access), nullptr);
}

TEST(NtDeviceView, MonitorNamesFromEdidAndIndirectStrings) {
    unsigned char edid[128] = {};
    char name[32] = "left";
    EXPECT_FALSE(EdidMonitorName(edid, sizeof edid, name, sizeof name)) << "no name descriptor";
    EXPECT_FALSE(EdidMonitorName(edid, 127, name, sizeof name)) << "too short for a block";
    const unsigned char descriptor[18] = {0,   0,   0,   0xFC, 0,   'S', 'y', 'n', 'c',
                                          'M', 'a', 's', 't',  'e', 'r', ' ', ' ', ' '};
    memcpy(edid + 108, descriptor, sizeof descriptor);
    ASSERT_TRUE(EdidMonitorName(edid, sizeof edid, name, sizeof name));
    EXPECT_STREQ(name, "SyncMaster") << "thirteen characters at most, trailing blanks dropped";
    char small[5];
    ASSERT_TRUE(EdidMonitorName(edid, sizeof edid, small, sizeof small));
    EXPECT_STREQ(small, "Sync");
    EXPECT_STREQ(DirectText("@keyboard.inf,%a;b%;Standard PS/2 Keyboard"), "Standard PS/2 Keyboard");
    EXPECT_STREQ(DirectText("Plain; text"), "Plain; text");
    EXPECT_STREQ(DirectText(nullptr), "");
}

} // namespace
