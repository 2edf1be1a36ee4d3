#include "inventory/device_walk.h"
#include "inventory/registry_stages.h"
#include "inventory/registry_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fixtures.h"

namespace {

struct Machine {
    RegistryTree *tree = nullptr;
    RegistryAccess access = {};
    explicit Machine(const char *fixture) {
        char error[200];
        const char *text = FixtureText(fixture);
        EXPECT_NE(text, nullptr) << fixture;
        tree = ParseRegistryText(text, error, sizeof error);
        EXPECT_NE(tree, nullptr) << error;
        access = TreeRegistryAccess(tree);
    }
    ~Machine() { FreeRegistryTree(tree); }
};

TEST(DeviceWalk, CountsEveryInstanceOfEveryMatchingDevice) {
    Machine m("walk_basic.reg");
    EXPECT_EQ(DeviceWalk(m.access, "hdc", kMatchClass, nullptr, 0, kWalkCount), 2);
    EXPECT_EQ(DeviceWalk(m.access, "PORTS", kMatchClass, nullptr, 0, kWalkCount), 2)
        << "two instances count twice";
    EXPECT_EQ(DeviceWalk(m.access, "controller", kMatchDescription, nullptr, 0, kWalkCount), 3);
    EXPECT_EQ(DeviceWalk(m.access, "0000", kMatchInstanceName, nullptr, 0, kWalkCount), 2);
    EXPECT_EQ(DeviceWalk(m.access, "3", kMatchScsiTarget, nullptr, 0, kWalkCount), 1);
    // Devices without a target id read as 0.
    EXPECT_EQ(DeviceWalk(m.access, "0", kMatchScsiTarget, nullptr, 0, kWalkCount), 8);
    EXPECT_EQ(DeviceWalk(m.access, "ven_1234", kMatchHardwareId, nullptr, 0, kWalkCount), 1);
    EXPECT_EQ(DeviceWalk(m.access, "nothing like it", kMatchDescription, nullptr, 0, kWalkCount), 0);
}

TEST(DeviceWalk, AnyNameLooksAtEnumeratorDeviceInstanceAndClass) {
    Machine m("walk_basic.reg");
    EXPECT_EQ(DeviceWalk(m.access, "scsi", kMatchAnyName, nullptr, 0, kWalkCount), 1);
    EXPECT_EQ(DeviceWalk(m.access, "mdmgen", kMatchAnyName, nullptr, 0, kWalkCount), 1);
    EXPECT_EQ(DeviceWalk(m.access, "child", kMatchAnyName, nullptr, 0, kWalkCount), 0)
        << "MF keys have no instances";
    EXPECT_EQ(DeviceWalk(m.access, "modem", kMatchAnyName, nullptr, 0, kWalkCount), 1);
}

TEST(DeviceWalk, DeviceWithoutDescriptionIsStillFoundByOtherModes) {
    Machine m("walk_basic.reg");
    EXPECT_EQ(DeviceWalk(m.access, "BUS_00", kMatchInstanceName, nullptr, 0, kWalkCount), 2);
    DeviceRecord record;
    ASSERT_EQ(DeviceWalk(m.access, "VEN_1234", kMatchHardwareId, &record, 1, kWalkCollect), 1);
    EXPECT_STREQ(record.description, "");
    EXPECT_STREQ(record.hardwareId, "PCI\\VEN_1234&DEV_0001");
}

TEST(DeviceWalk, ExistsAndDeviceIdMatch) {
    Machine m("walk_basic.reg");
    EXPECT_EQ(DeviceWalk(m.access, "Ports", kMatchClass, nullptr, 0, kWalkExists), 1);
    EXPECT_EQ(DeviceWalk(m.access, "*PNP0501", kMatchDeviceId, nullptr, 0, kWalkExists), 1);
    EXPECT_EQ(DeviceWalk(m.access, "*pnp0700", kMatchDeviceId, nullptr, 0, kWalkExists), 1);
    EXPECT_EQ(DeviceWalk(m.access, "*PNP0400", kMatchDeviceId, nullptr, 0, kWalkExists), 0);
    EXPECT_EQ(DeviceWalk(m.access, "Sound", kMatchClass, nullptr, 0, kWalkExists), 0);
}

TEST(DeviceWalk, CollectInRegistryOrderAndNeverPastTheArray) {
    Machine m("walk_basic.reg");
    DeviceRecord *devices = nullptr;
    ASSERT_EQ(CollectDevices(m.access, "hdc", kMatchClass, &devices), 2);
    // Enumerators in order (BIOS before PCI), then device ids, then instances.
    EXPECT_STREQ(devices[0].description, "Standard IDE/ESDI Hard Disk Controller");
    EXPECT_STREQ(devices[1].description, "Intel 82371SB PCI Bus Master IDE Controller");
    EXPECT_FLOAT_EQ(devices[1].hardwareRevision, 3.0f);
    FreeDeviceRecords(devices);
    DeviceRecord one[1];
    EXPECT_EQ(DeviceWalk(m.access, "controller", kMatchDescription, one, 1, kWalkCollect), 1);
    EXPECT_EQ(CollectDevices(m.access, "absent", kMatchClass, &devices), 0);
    EXPECT_EQ(devices, nullptr);
}

TEST(DeviceWalk, RecordsAndProbes) {
    Machine m("walk_basic.reg");
    DeviceRecord r;
    ASSERT_EQ(ReadDeviceRecord(m.access, "ENUM\\SCSI\\QUANTUM_FIREBALL\\ROOT&0", &r), 1);
    EXPECT_EQ(r.scsiTargetId, 3);
    EXPECT_EQ(r.scsiLun, 0);
    EXPECT_STREQ(r.deviceClass, "DiskDrive");
    EXPECT_EQ(ReadDeviceRecord(m.access, "ENUM\\SCSI\\NOPE\\0", &r), 0);
    EXPECT_EQ(CountSubkeys(m.access, "ENUM\\MF"), 2);
    EXPECT_EQ(CountSubkeys(m.access, "ENUM\\NOPE"), 0);
    EXPECT_EQ(ProbeFirstInstance(m.access, "ENUM\\BIOS\\*PNP0501\\%.2X", &r), 0);
    EXPECT_EQ(ProbeCountInstances(m.access, "ENUM\\BIOS\\*PNP0501\\%.2X"), 2);
    EXPECT_EQ(ProbeFirstInstance(m.access, "ENUM\\BIOS\\*PNP0400\\%.2X", nullptr), -1);
}

TEST(DeviceWalk, NoEnumTreeFindsNothing) {
    char error[100];
    RegistryTree *tree = ParseRegistryText("REGEDIT4\n", error, sizeof error);
    ASSERT_NE(tree, nullptr);
    RegistryAccess access = TreeRegistryAccess(tree);
    for (int mode = kMatchInstanceName; mode <= kMatchAnyName; ++mode)
        for (int action : {kWalkCount, kWalkCollect, kWalkExists})
            EXPECT_EQ(DeviceWalk(access, "", mode, nullptr, 0, action), 0);
    FreeRegistryTree(tree);
}

TEST(OwnStages, MotherboardDiskControllersScsiIdsModem) {
    Machine m("walk_basic.reg");
    EquipmentRecord record = {};
    StageMotherboard(m.access, record);
    EXPECT_STREQ(record.biosDate, "07/15/95");
    EXPECT_STREQ(record.biosName, "Award Software");
    StageDiskControllers(m.access, record);
    EXPECT_EQ(record.hardDiskControllers, 2) << "replaced by the subkeys of ENUM\\MF";
    EXPECT_EQ(record.floppyControllers, 1);
    StageScsiIds(m.access, record);
    for (int id = 0; id < 8; ++id)
        EXPECT_EQ(record.scsiIdPresent[id], id == 3 ? 1u : 0u) << id;
    StageDiskControllerBus(m.access, record);
    EXPECT_EQ(record.hardDiskControllerOnPci, 1u);
    EXPECT_EQ(record.hardDiskControllerOnVl, 0u);
    EXPECT_EQ(record.hardDiskControllerOnEisa, 0u);
    StageModemName(m.access, record);
    EXPECT_STREQ(record.modemName, "Standard 28800 bps Modem");
}

TEST(OwnStages, HardDiskControllerWithoutMfCountsNone) {
    char error[100];
    RegistryTree *tree = ParseRegistryText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Enum\\BIOS\\*PNP0600\\00]\n"
                                           "\"Class\"=\"hdc\"\n",
                                           error, sizeof error);
    ASSERT_NE(tree, nullptr) << error;
    EquipmentRecord record = {};
    StageDiskControllers(TreeRegistryAccess(tree), record);
    EXPECT_EQ(record.hardDiskControllers, 0);
    FreeRegistryTree(tree);
}

TEST(RegistryText, ValuesEscapesAndErrors) {
    char error[100];
    RegistryTree *tree = ParseRegistryText("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Enum\\A\\B\\C]\r\n"
                                           "\"Quote\"=\"say \\\"hi\\\" \\\\ back\"\r\n"
                                           "\"Number\"=dword:0000001f\r\n"
                                           "\"Bin\"=hex:01,02,\\\r\n  03\r\n@=\"default\"\r\n",
                                           error, sizeof error);
    ASSERT_NE(tree, nullptr) << error;
    RegistryAccess a = TreeRegistryAccess(tree);
    void *key = a.open(a.context, "enum\\a\\b\\c");
    ASSERT_NE(key, nullptr) << "paths ignore case";
    char out[64];
    ASSERT_TRUE(a.queryValue(a.context, key, "quote", out, sizeof out));
    EXPECT_STREQ(out, "say \"hi\" \\ back");
    ASSERT_TRUE(a.queryValue(a.context, key, "Number", out, sizeof out));
    EXPECT_STREQ(out, "31");
    EXPECT_FALSE(a.queryValue(a.context, key, "Bin", out, sizeof out));
    ASSERT_TRUE(a.queryValue(a.context, key, "Quote", out, 4));
    EXPECT_STREQ(out, "say") << "cut to the buffer";
    FreeRegistryTree(tree);

    const char *bad[] = {"",
                         "REGEDIT5\n",
                         "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X\n",
                         "REGEDIT4\n\"Orphan\"=\"v\"\n",
                         "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"V\"=\"open\n",
                         "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"V\"=dword:12\n",
                         "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"V\"=qword:1\n",
                         "REGEDIT4\nnonsense\n"};
    for (const char *text : bad) {
        EXPECT_EQ(ParseRegistryText(text, error, sizeof error), nullptr) << text;
        EXPECT_NE(std::string(error).find("line"), std::string::npos);
    }
}

TEST(RegistryText, SubkeysEnumerateInNameOrderIgnoringCase) {
    char error[100];
    RegistryTree *tree =
        ParseRegistryText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Enum\\b]\n[HKEY_LOCAL_MACHINE\\Enum\\C]\n"
                          "[HKEY_LOCAL_MACHINE\\Enum\\a]\n",
                          error, sizeof error);
    RegistryAccess a = TreeRegistryAccess(tree);
    void *key = a.open(a.context, "Enum");
    std::vector<std::string> names;
    char name[32];
    for (int i = 0; a.subkeyName(a.context, key, i, name, sizeof name); ++i)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "C"}));
    FreeRegistryTree(tree);
}

TEST(RegistryValueText, StringsCleanedDwordsDecimalOtherDataHex) {
    char out[255];
    const char text[] = "X\n== FAKE\tY";
    FormatRegistryValue(kRegistryString, reinterpret_cast<const unsigned char *>(text), sizeof text, out,
                        sizeof out);
    EXPECT_STREQ(out, "X == FAKE Y");
    const char multi[] = "a\rb\0second\0";
    FormatRegistryValue(kRegistryMultiString, reinterpret_cast<const unsigned char *>(multi), sizeof multi,
                        out, sizeof out);
    EXPECT_STREQ(out, "a b");
    const unsigned char number[] = {0xff, 0xff, 0xff, 0xff};
    FormatRegistryValue(kRegistryDword, number, 4, out, sizeof out);
    EXPECT_STREQ(out, "4294967295");
    const unsigned char binary[] = {0x0a, 0x00, 0xff};
    FormatRegistryValue(kRegistryBinary, binary, 3, out, sizeof out);
    EXPECT_STREQ(out, "0a 00 ff");
    FormatRegistryValue(kRegistryDword, binary, 3, out, sizeof out); // too short for a number
    EXPECT_STREQ(out, "0a 00 ff");
    // An unterminated string ends with its data; a long one is cut at the buffer.
    std::string value(400, 'v');
    FormatRegistryValue(kRegistryExpandString, reinterpret_cast<const unsigned char *>(value.data()), 3, out,
                        sizeof out);
    EXPECT_STREQ(out, "vvv");
    FormatRegistryValue(kRegistryString, reinterpret_cast<const unsigned char *>(value.data()), value.size(),
                        out, sizeof out);
    EXPECT_EQ(std::string(out), std::string(sizeof out - 1, 'v'));
}

} // namespace
