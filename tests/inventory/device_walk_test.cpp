// The device walk, the registry stages with rules of their own, and the REGEDIT4 trees the tests run on.
#include "inventory/device_walk.h"
#include "inventory/registry_stages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "tests/inventory/inventory_test_helpers.h"

namespace {

// Two enumerators, a device with two instances, one without a description, a SCSI disk, a modem.
const Machine &Basic() {
    static const Machine machine(FixtureText("walk_basic.reg"));
    return machine;
}

TEST(DeviceWalk, EachMatchModeCountsAndFinds) {
    // Each instance counts (two of *PNP0501); a target id that is not there reads as 0; "any name" looks
    // at the enumerator, the device id, the instance and the class; keys without instances are no devices.
    const std::tuple<const char *, int, int> counts[] = {
        {"control", kMatchDescription, 3}, {"hdc", kMatchClass, 2},
        {"PORTS", kMatchClass, 2},         {"0000", kMatchInstanceName, 2},
        {"BUS_00", kMatchInstanceName, 2}, {"3", kMatchScsiTarget, 1},
        {"0", kMatchScsiTarget, 8},        {"ven_1234", kMatchHardwareId, 1},
        {"nothing", kMatchDescription, 0}, {"scsi", kMatchAnyName, 1},
        {"mdmgen", kMatchAnyName, 1},      {"modem", kMatchAnyName, 1},
        {"child", kMatchAnyName, 0}};
    for (const auto &[text, mode, count] : counts)
        EXPECT_EQ(DeviceWalk(Basic().access, text, mode, nullptr, 0, kWalkCount), count) << text;
    const std::tuple<const char *, int, int> exists[] = {{"Ports", kMatchClass, 1},
                                                         {"Sound", kMatchClass, 0},
                                                         {"*pnp0700", kMatchDeviceId, 1},
                                                         {"*PNP04", kMatchDeviceId, 0}};
    for (const auto &[text, mode, found] : exists)
        EXPECT_EQ(DeviceWalk(Basic().access, text, mode, nullptr, 0, kWalkExists), found) << text;
}

TEST(DeviceWalk, CollectInRegistryOrderAndNeverPastTheArray) {
    DeviceRecord *devices = nullptr;
    ASSERT_EQ(CollectDevices(Basic().access, "hdc", kMatchClass, &devices), 2);
    // Enumerators in order (BIOS before PCI), then device ids, then instances.
    EXPECT_STREQ(devices[0].description, "Standard IDE/ESDI Hard Disk Controller");
    EXPECT_STREQ(devices[1].description, "Intel 82371SB PCI Bus Master IDE Controller");
    EXPECT_FLOAT_EQ(devices[1].hardwareRevision, 3.0f);
    FreeDeviceRecords(devices);
    DeviceRecord one[1];
    EXPECT_EQ(DeviceWalk(Basic().access, "controller", kMatchDescription, one, 1, kWalkCollect), 1);
    EXPECT_EQ(CollectDevices(Basic().access, "absent", kMatchClass, &devices), 0);
    EXPECT_EQ(devices, nullptr);
}

TEST(DeviceWalk, RecordsKeysAndProbes) {
    Machine m("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Enum\\PCI\\V\\0]\n\"BusType\"=\"5\"\n\"Mfg\"=\"Intel\"\n"
              "\"SCSILUN\"=\"10\"\n\"DeviceDesc\"=\"" +
              std::string(300, 'D') + "\"\n");
    DeviceRecord r;
    ASSERT_EQ(ReadDeviceRecord(m.access, "ENUM\\PCI\\V\\0", &r), 1);
    EXPECT_EQ(std::string(r.busType) + " " + r.manufacturer + " " + std::to_string(r.scsiLun), "5 Intel 10");
    EXPECT_EQ(std::string(r.description), std::string(254, 'D')) << "read into 255 bytes, cut to 254";
    EXPECT_EQ(ReadDeviceRecord(m.access, "ENUM\\PCI\\V\\1", &r), 0);
    EXPECT_STREQ(r.description, "") << "zero-filled first";
    EXPECT_EQ(CountSubkeys(Basic().access, "ENUM\\MF"), 2);
    EXPECT_EQ(CountSubkeys(Basic().access, "ENUM\\NOPE"), 0);
    EXPECT_EQ(ProbeFirstInstance(Basic().access, "ENUM\\BIOS\\*PNP0501\\%.2X", &r), 0);
    EXPECT_STREQ(r.description, "Communications Port (COM1)");
    EXPECT_EQ(ProbeCountInstances(Basic().access, "ENUM\\BIOS\\*PNP0501\\%.2X"), 2);
    EXPECT_EQ(ProbeFirstInstance(Basic().access, "ENUM\\BIOS\\*PNP0400\\%.2X", &r), -1);
    EXPECT_STREQ(r.description, "");
}

// Counts the keys opened and not yet closed, and the attempts to close no key.
struct KeyCount {
    RegistryAccess tree;
    int open = 0, nullCloses = 0;
};

TEST(DeviceWalk, EveryKeyOpenedIsClosed) {
    for (const char *fixture : {"id_pci_desktop.reg", "id_eisa_server.reg"}) {
        SCOPED_TRACE(fixture);
        Machine m(FixtureText(fixture));
        KeyCount keys = {m.access};
        RegistryAccess counted = m.access; // the tree's other calls take no context
        counted.context = &keys;
        counted.open = [](void *c, const char *path) {
            KeyCount &k = *static_cast<KeyCount *>(c);
            void *key = k.tree.open(k.tree.context, path);
            k.open += key != nullptr;
            return key;
        };
        counted.close = [](void *c, void *key) {
            KeyCount &k = *static_cast<KeyCount *>(c);
            if (key)
                --k.open;
            else
                ++k.nullCloses;
        };
        for (int mode = kMatchInstanceName; mode <= kMatchAnyName; ++mode)
            for (int action : {kWalkCount, kWalkExists})
                DeviceWalk(counted, "PNP", mode, nullptr, 0, action);
        EXPECT_TRUE(KeyExists(counted, "ENUM\\BIOS") && !KeyExists(counted, "ENUM\\NOPE"));
        EXPECT_EQ(ProbeCountInstances(counted, "ENUM\\BIOS\\*PNP0501\\%.2X"), 2);
        auto record = std::make_unique<EquipmentRecord>();
        RunRegistryStages(counted, *record, StageHooks{nullptr, nullptr, nullptr, 486, 0, 0});
        EXPECT_STRNE(record->biosDate, "") << "the stages ran";
        EXPECT_EQ(keys.open, 0);
        EXPECT_EQ(keys.nullCloses, 0);
    }
}

// The fixture machines cover the other stages with rules of their own.
TEST(OwnStages, HardDiskControllersTheirBusAndScsiIds) {
    const StageCase cases[] = {
        {"Root\\X\\0000|hdc|Intel PCI Bus Master IDE", "hard disk controller on PCI=1"},
        {"Root\\X\\0000|hdc|vl-bus IDE", "hard disk controller on VL=1"},
        {"Root\\X\\0000|hdc|VESA IDE", "hard disk controller on VL=1"},
        {"Root\\X\\0000|hdc|Adaptec EISA", "hard disk controller on EISA=1"},
        // A controller without ENUM\MF counts none.
        {"BIOS\\*PNP0600\\00|hdc|Standard IDE/ESDI Hard Disk Controller; Root\\Y\\0000|System|PCI bus", ""},
        {"SCSI\\DISK\\0|DiskDrive|||7", "SCSI id present [7]=1"}};
    ExpectStages(cases, StageDiskControllers, StageDiskControllerBus, StageScsiIds);
}

// ---- REGEDIT4 text ----

TEST(RegistryText, ValuesEscapesAndContinuations) {
    char error[100] = "left over";
    RegistryTree *tree = ParseRegistryText("REGEDIT4\r\n\r\n  [HKEY_LOCAL_MACHINE\\Enum\\A\\B\\C]\r\n"
                                           "\"Quote\"=\"say \\\"hi\\\" \\\\ back\"\r\n"
                                           "\"Number\"=dword:0000001f\r\n"
                                           "\"Bin\"=hex:01,02,\\\r\n  03\r\n"
                                           "\"Ids\"=hex(7):41,00,2a,42,00,00\r\n"
                                           "@=\"default\"\r\n"
                                           "\t\"Twice\"=\"first\"\n\"TWICE\"=\"second\"\n"
                                           "\"Gone\"=-\n"
                                           "\"hex\"=dword:0000\\\n0020\n"
                                           "; a comment\n"
                                           "[HKEY_CURRENT_USER\\Enum\\A\\B\\C]\n\"Other\"=\"hive\"\n",
                                           error, sizeof error);
    ASSERT_NE(tree, nullptr) << error;
    EXPECT_STREQ(error, "") << "no message left from before";
    RegistryAccess a = TreeRegistryAccess(tree);
    void *key = a.open(a.context, "enum\\a\\b\\c");
    ASSERT_NE(key, nullptr) << "paths ignore case";
    auto value = [&](const char *name) {
        char out[64] = "";
        return a.queryValue(a.context, key, name, out, sizeof out) ? std::string(out) : "(none)";
    };
    EXPECT_EQ(value("quote"), "say \"hi\" \\ back");
    EXPECT_EQ(value("Number"), "31");
    EXPECT_EQ(value("Twice"), "second");
    EXPECT_EQ(value("hex"), "32") << "a continued line is joined without its backslash";
    EXPECT_EQ(value("Bin"), "01 02 03");
    EXPECT_EQ(value("Ids"), "A") << "a multi-string reads as its first string";
    uint32_t type = 0;
    unsigned char raw[8];
    ASSERT_EQ(a.queryRaw(a.context, key, "ids", &type, raw, sizeof raw), 6);
    EXPECT_EQ(type, 7u);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(raw), 6), std::string("A\0*B\0\0", 6));
    EXPECT_EQ(a.queryRaw(a.context, key, "Number", &type, raw, 2), 2) << "cut to the room given";
    EXPECT_EQ(a.queryRaw(a.context, key, "Gone", &type, raw, sizeof raw), -1);
    for (const char *absent : {"Gone", "", "Other"})
        EXPECT_EQ(value(absent), "(none)") << absent;
    char cut[4];
    ASSERT_TRUE(a.queryValue(a.context, key, "Quote", cut, sizeof cut));
    EXPECT_STREQ(cut, "say");
    FreeRegistryTree(tree);
}

TEST(RegistryText, MalformedTextIsRefusedWithTheLine) {
    const std::string key = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n";
    const std::string bad[] = {"",
                               "REGEDIT5\n",
                               "REGEDIT4\nnonsense\n",
                               "REGEDIT4\n\"Orphan\"=\"v\"\n",
                               "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X\n",
                               "REGEDIT4\n[-HKEY_LOCAL_MACHINE\\X]\n",
                               key + "\"V\"=\"open\n",
                               key + "\"V\"=dword:12\n",
                               key + "\"V\"=qword:1\n",
                               key + "\"V\"=hex(7:41\n",
                               key + "\"V\"=hex:4g\n"};
    for (const std::string &text : bad) {
        char error[100] = "";
        EXPECT_EQ(ParseRegistryText(text.c_str(), error, sizeof error), nullptr) << text;
        EXPECT_EQ(std::string(error).rfind("line ", 0), 0u) << text;
    }
}

TEST(RegistryText, SubkeysEnumerateInNameOrderIgnoringCase) {
    Machine m(DeviceKeys("b; _x; C; a; B"));
    void *key = m.access.open(m.access.context, "Enum");
    std::string names;
    char name[32];
    for (int i = 0; m.access.subkeyName(m.access.context, key, i, name, sizeof name); ++i)
        names += std::string(names.empty() ? "" : " ") + name;
    EXPECT_EQ(names, "a b C _x"); // "_" sorts after the letters
}

// A copy keeps the order its registry lists subkeys in (here the reverse of the text's), reads every
// value as the registry gives it, whatever its type and length, and leaves out keys below its levels.
TEST(RegistryCopy, KeepsTheRegistrysOrderEveryValueAndItsLevels) {
    std::string bytes = "7f"; // 300 bytes, more than the first read of a value takes
    for (int i = 1; i < 300; ++i)
        bytes += ",7f";
    Machine m("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Enum\\A\\B\\C\\Deep]\n[HKEY_LOCAL_MACHINE\\Enum\\Z]\n"
              "[HKEY_LOCAL_MACHINE\\Enum\\A]\n\"Long\"=\"" +
              std::string(300, 'L') +
              "\"\n\"Number\"=dword:0000001f\n\"Ids\"=hex(7):41,00,42,00,00\n\"Bin\"=hex:" + bytes + "\n");
    RegistryAccess reversed = m.access;
    reversed.subkeyName = [](void *c, void *key, int index, char *name, size_t size) {
        RegistryAccess tree = TreeRegistryAccess(static_cast<RegistryTree *>(c));
        return tree.subkeyName(c, key, tree.subkeyCount(c, key) - 1 - index, name, size);
    };
    std::unique_ptr<RegistryTree, void (*)(RegistryTree *)> copy(CopyRegistryTree(reversed, "ENUM", 3),
                                                                 FreeRegistryTree);
    ASSERT_TRUE(copy);
    RegistryAccess a = TreeRegistryAccess(copy.get());
    void *root = a.open(a.context, "Enum");
    char name[8];
    ASSERT_TRUE(a.subkeyName(a.context, root, 0, name, sizeof name));
    EXPECT_STREQ(name, "Z");
    EXPECT_TRUE(KeyExists(a, "ENUM\\A\\B\\C") && KeyExists(a, "enum\\a\\B"));
    EXPECT_FALSE(KeyExists(a, "ENUM\\A\\B\\C\\Deep"));
    void *from = m.access.open(m.access.context, "ENUM\\A"), *to = a.open(a.context, "ENUM\\A");
    for (const char *value : {"Long", "Number", "Ids", "Bin", "Gone"}) {
        char x[1024] = "", y[1024] = "";
        EXPECT_EQ(m.access.queryValue(m.access.context, from, value, x, sizeof x),
                  a.queryValue(a.context, to, value, y, sizeof y));
        EXPECT_STREQ(x, y) << value;
        unsigned char rx[400] = {}, ry[400] = {};
        uint32_t tx = 0, ty = 0;
        int n = m.access.queryRaw(m.access.context, from, value, &tx, rx, sizeof rx);
        EXPECT_EQ(n, a.queryRaw(a.context, to, value, &ty, ry, sizeof ry)) << value;
        EXPECT_EQ(tx, ty);
        EXPECT_EQ(memcmp(rx, ry, sizeof rx), 0) << value;
    }
    EXPECT_EQ(CopyRegistryTree(m.access, "ENUM\\Nope", 3), nullptr);
}

TEST(RegistryValueText, StringsCleanedDwordsDecimalOtherDataHex) {
    auto text = [](uint32_t type, const void *data, size_t length) {
        char out[255] = "left over";
        FormatRegistryValue(type, static_cast<const unsigned char *>(data), length, out, sizeof out);
        return std::string(out);
    };
    const char control[] = "X\n== FAKE\tY";
    EXPECT_EQ(text(kRegistryString, control, sizeof control), "X == FAKE Y");
    const char multi[] = "a\rb\0second\0";
    EXPECT_EQ(text(kRegistryMultiString, multi, sizeof multi), "a b");
    const unsigned char number[] = {0x78, 0x56, 0x34, 0x12}; // least significant byte first
    EXPECT_EQ(text(kRegistryDword, number, 4), "305419896");
    EXPECT_EQ(text(kRegistryBinary, "\x0a\x00\xff", 3), "0a 00 ff");
    EXPECT_EQ(text(kRegistryDword, "\x0a\x00\xff", 3), "0a 00 ff") << "too short for a number";
    EXPECT_EQ(text(kRegistryString, nullptr, 3), "");
    // An unterminated string ends with its data; a long one is cut at the buffer.
    std::string value(400, 'v');
    EXPECT_EQ(text(kRegistryExpandString, value.data(), 3), "vvv");
    EXPECT_EQ(text(kRegistryString, value.data(), value.size()), std::string(254, 'v'));
}

} // namespace
