// The identification stages on fixture machines and on small machines written out in each test.
#include "inventory/identification_tables.h"
#include "inventory/registry_stages.h"
#include "inventory/registry_tree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/fixtures.h"

namespace {

using TreeHandle = std::unique_ptr<RegistryTree, void (*)(RegistryTree *)>;

TreeHandle ParseTree(const char *text) {
    char error[200] = "";
    RegistryTree *tree = text ? ParseRegistryText(text, error, sizeof error) : nullptr;
    EXPECT_NE(tree, nullptr) << error;
    return TreeHandle(tree, FreeRegistryTree);
}

TreeHandle LoadFixture(const char *name) {
    const char *text = FixtureText(name);
    EXPECT_NE(text, nullptr) << name;
    return ParseTree(text);
}

// One device key under HKEY_LOCAL_MACHINE\Enum (path below Enum), with optional values; backslashes in
// the values are written escaped, as regedit writes them.
std::string Escape(const std::string &text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out;
}

std::string Device(const std::string &path, const std::string &deviceClass = "",
                   const std::string &description = "", const std::string &hardwareId = "",
                   const std::string &scsiTarget = "") {
    std::string text = "[HKEY_LOCAL_MACHINE\\Enum\\" + path + "]\n";
    if (!deviceClass.empty())
        text += "\"Class\"=\"" + Escape(deviceClass) + "\"\n";
    if (!description.empty())
        text += "\"DeviceDesc\"=\"" + Escape(description) + "\"\n";
    if (!hardwareId.empty())
        text += "\"HardwareID\"=\"" + Escape(hardwareId) + "\"\n";
    if (!scsiTarget.empty())
        text += "\"SCSITargetID\"=\"" + scsiTarget + "\"\n";
    return text + "\n";
}

std::string MachineText(const std::vector<std::string> &devices) {
    std::string text = "REGEDIT4\n\n";
    for (const std::string &device : devices)
        text += device;
    return text;
}

// A machine of bare keys: each entry is a path below Enum.
std::string KeysText(const std::vector<std::string> &paths) {
    std::vector<std::string> devices;
    for (const std::string &path : paths)
        devices.push_back(Device(path));
    return MachineText(devices);
}

std::unique_ptr<EquipmentRecord> NewRecord() {
    return std::make_unique<EquipmentRecord>();
}

std::string Flags(const uint32_t *flags, int count) {
    std::string set;
    for (int i = 0; i < count; ++i)
        if (flags[i]) {
            if (!set.empty())
                set += ',';
            set += std::to_string(i);
        }
    return set;
}

// ---- Whole machines ----

struct MachineExpectation {
    const char *fixture;
    int processorType;
    const char *interruptControllers; // indexes of the flags set, as "1,2"
    const char *timers;
    const char *dmaControllers;
    const char *buses;
    int32_t keyboardKeys;
    const char *keyboardName;
    int32_t comUart[5];
    const char *comPresent;
    const char *lptPresent;
    const char *lptEcp;
    const char *mouseName;
    uint32_t ps2Port;
    const char *soundCardName;
    const char *mciDeviceName;
    uint32_t gamePort;
    int32_t cpuType;
    int32_t fpuType;
    char cdromKind;
    int32_t scsiAdapters;
    char videoBus;
    const char *videoCardName;
    int32_t videoClass;
    const char *monitorName;
    float monitorSize;
    float monitorDotPitch;
    int32_t monitorMaxWidth;
    float monitorArea;
};

const MachineExpectation kMachines[] = {
    {
        .fixture = "id_pci_desktop.reg",
        .processorType = 586,
        .interruptControllers = "1",
        .timers = "1",
        .dmaControllers = "1",
        .buses = "1,6,11", // ISA and PCI from *PNP0A03 and the PCI, ISAPNP, ESDI names; SCSI from ENUM\SCSI
        .keyboardKeys = 101,
        .keyboardName = "IBM Enhanced 101 key style",
        .comUart = {0, 2, 2, 0, 0},
        .comPresent = "1,2",
        .lptPresent = "1",
        .lptEcp = "",
        .mouseName = "Microsoft PS/2 Port Mouse",
        .ps2Port = 1,
        .soundCardName = "Sound Blaster 16/AWE 32 or compatible",
        .mciDeviceName = "",
        .gamePort = 1,
        .cpuType = 586,
        .fpuType = 587,
        .cdromKind = 'I',
        .scsiAdapters = 0,
        .videoBus = 'P',
        .videoCardName = "S3 Trio32/64 PCI",
        .videoClass = 5, // no id group: the PCI bus decides
        .monitorName = "NEC MultiSync 4FGe",
        .monitorSize = 15.0f,
        .monitorDotPitch = 0.28f,
        .monitorMaxWidth = 1024,
        .monitorArea = 108.0f,
    },
    {
        .fixture = "id_eisa_server.reg",
        .processorType = 486,
        .interruptControllers = "2",
        .timers = "2",
        .dmaControllers = "2",
        .buses = "1,2,11",
        .keyboardKeys = 102, // *PNP0305 at index 4 beats *PNP0300 at index 7
        .keyboardName = "Olivetti 102 key style",
        .comUart = {0, 1, 1, 2, 0}, // COM2: the later index wins; COM3: the 16550A path is read last
        .comPresent = "1,2,3",
        .lptPresent = "1",
        .lptEcp = "2",
        .mouseName = "Microsoft Serial Port Mouse",
        .ps2Port = 1,
        .soundCardName = "",
        .mciDeviceName = "",
        .gamePort = 0,
        .cpuType = 486,
        .fpuType = 0,
        .cdromKind = 'S',
        .scsiAdapters = 3, // two *PNPA000 and one *PNPA02F; not the EISA adapter, not the SCSI children
        .videoBus = 'E',
        .videoCardName = "ATI Graphics Ultra Pro EISA (mach32)",
        .videoClass = 4,
        .monitorName = "Sony Multiscan 17sf",
        .monitorSize = 17.0f,
        .monitorDotPitch = 0.28f,
        .monitorMaxWidth = 1024,
        .monitorArea = 138.72f,
    },
    {
        .fixture = "id_laptop_pcmcia.reg",
        .processorType = 486,
        .interruptControllers = "1",
        .timers = "1",
        .dmaControllers = "1",
        .buses = "1,8,9", // *PNP0E01 gives Cirrus Logic; the PCMCIA names give Intel as well
        .keyboardKeys = 101,
        .keyboardName = "Keyboard with PS/2 port",
        .comUart = {0, 2, 0, 0, 0},
        .comPresent = "1",
        .lptPresent = "", // an ECP port is not counted as present
        .lptEcp = "1",
        .mouseName = "Logitech Mouse",
        .ps2Port = 1, // from the keyboard
        .soundCardName = "Sound Blaster PRO or compatible",
        .mciDeviceName = "Yamaha OPL3 Device (MCI)",
        .gamePort = 0,
        .cpuType = 486,
        .fpuType = 487,
        .cdromKind = 'P',
        .scsiAdapters = 0,
        .videoBus = 0,
        .videoCardName = "Cirrus Logic 7543",
        .videoClass = 5, // *PNP0904 is in the second group
        .monitorName = "Laptop Display Panel (800x600)",
        .monitorSize = 15.0f,
        .monitorDotPitch = 0.28f,
        .monitorMaxWidth = 800,
        .monitorArea = 108.0f,
    },
    {
        .fixture = "id_bare_machine.reg",
        .processorType = 586,
        .interruptControllers = "",
        .timers = "",
        .dmaControllers = "",
        .buses = "",
        .keyboardKeys = 0,
        .keyboardName = "IBM Enhanced 101 key style",
        .comUart = {0, 0, 0, 0, 0},
        .comPresent = "",
        .lptPresent = "",
        .lptEcp = "",
        .mouseName = "Generic Mouse",
        .ps2Port = 0,
        .soundCardName = "",
        .mciDeviceName = "",
        .gamePort = 0,
        .cpuType = 586,
        .fpuType = 0,
        .cdromKind = 0,
        .scsiAdapters = 0,
        .videoBus = 0,
        .videoCardName = "",
        .videoClass = 3,
        .monitorName = "",
        .monitorSize = 15.0f,
        .monitorDotPitch = 0.28f,
        .monitorMaxWidth = 800,
        .monitorArea = 108.0f,
    },
};

void ExpectMachine(const EquipmentRecord &r, const MachineExpectation &e) {
    EXPECT_EQ(Flags(r.interruptController, 6), e.interruptControllers);
    EXPECT_EQ(Flags(r.timer, 4), e.timers);
    EXPECT_EQ(Flags(r.dmaController, 4), e.dmaControllers);
    EXPECT_EQ(Flags(r.busPresent, 12), e.buses);
    EXPECT_EQ(r.keyboardKeys, e.keyboardKeys);
    EXPECT_STREQ(r.keyboardName, e.keyboardName);
    for (int port = 0; port < 5; ++port)
        EXPECT_EQ(r.comUart[port], e.comUart[port]) << "COM UART [" << port << "]";
    EXPECT_EQ(Flags(r.comPresent, 5), e.comPresent);
    EXPECT_EQ(Flags(r.lptPresent, 4), e.lptPresent);
    EXPECT_EQ(Flags(r.lptEcp, 4), e.lptEcp);
    EXPECT_STREQ(r.mouseName, e.mouseName);
    EXPECT_EQ(r.ps2Port, e.ps2Port);
    EXPECT_STREQ(r.soundCardName, e.soundCardName);
    EXPECT_STREQ(r.mciDeviceName, e.mciDeviceName);
    EXPECT_EQ(r.gamePort, e.gamePort);
    EXPECT_EQ(r.cpuType, e.cpuType);
    EXPECT_EQ(r.fpuType, e.fpuType);
    EXPECT_EQ(r.cdromKind, e.cdromKind);
    EXPECT_EQ(r.scsiAdapters, e.scsiAdapters);
    EXPECT_EQ(r.videoBus, e.videoBus);
    EXPECT_STREQ(r.videoCardName, e.videoCardName);
    EXPECT_EQ(r.videoClass, e.videoClass);
    EXPECT_STREQ(r.monitorName, e.monitorName);
    EXPECT_FLOAT_EQ(r.monitorSize, e.monitorSize);
    EXPECT_FLOAT_EQ(r.monitorDotPitch, e.monitorDotPitch);
    EXPECT_EQ(r.monitorMaxWidth, e.monitorMaxWidth);
    EXPECT_NEAR(r.monitorArea, e.monitorArea, 0.001);
}

TEST(IdentificationMachines, EveryFixtureMachineThroughTheRegistryStages) {
    for (const MachineExpectation &machine : kMachines) {
        SCOPED_TRACE(machine.fixture);
        TreeHandle tree = LoadFixture(machine.fixture);
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageHooks hooks = {nullptr, nullptr, nullptr, machine.processorType, 0, 0};
        RunRegistryStages(TreeRegistryAccess(tree.get()), *record, hooks);
        ExpectMachine(*record, machine);
    }
}

TEST(IdentificationMachines, StagesFindNothingWithoutAnEnumTree) {
    // Not even a "Software" key: the stages leave their zero or default values, and a slow machine
    // without an id group is an unaccelerated card.
    TreeHandle tree = ParseTree("REGEDIT4\n");
    ASSERT_TRUE(tree);
    RegistryAccess access = TreeRegistryAccess(tree.get());
    auto record = NewRecord();
    StageVideoCardType(access, *record);
    StageVideoCardWithMetric(access, *record, 4);
    EXPECT_EQ(record->videoClass, 1);
    EXPECT_STREQ(record->videoCardName, "Unaccelerated Card");
    StageScsiAdaptors(access, *record);
    StageCdrom(access, *record);
    StageProcessors(access, *record, 386);
    EXPECT_EQ(record->scsiAdapters, 0);
    EXPECT_EQ(record->cdromKind, 0);
    EXPECT_EQ(record->cpuType, 386);
    EXPECT_EQ(record->fpuType, 0);
}

// ---- Interrupt controllers, timers, DMA controllers ----

TEST(IdentificationFlags, EachIdSetsItsOwnFlagOnly) {
    struct Case {
        const char *id;
        const char *interrupt, *timer, *dma;
    };
    const Case cases[] = {
        {"*PNP0000", "1", "", ""}, {"*PNP0001", "2", "", ""}, {"*PNP0002", "3", "", ""},
        {"*PNP0003", "4", "", ""}, {"*PNP0004", "5", "", ""}, {"*PNP0100", "", "1", ""},
        {"*PNP0101", "", "2", ""}, {"*PNP0102", "", "3", ""}, {"*PNP0200", "", "", "1"},
        {"*PNP0201", "", "", "2"}, {"*PNP0202", "", "", "3"}, {"*PNP0005", "", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        // Found under any enumerator, whatever the instance is called.
        TreeHandle tree = ParseTree(KeysText({std::string("Root\\") + c.id + "\\0000"}).c_str());
        ASSERT_TRUE(tree);
        RegistryAccess access = TreeRegistryAccess(tree.get());
        auto record = NewRecord();
        StageInterruptControllers(access, *record);
        StageTimers(access, *record);
        StageDmaControllers(access, *record);
        EXPECT_EQ(Flags(record->interruptController, 6), c.interrupt);
        EXPECT_EQ(Flags(record->timer, 4), c.timer);
        EXPECT_EQ(Flags(record->dmaController, 4), c.dma);
    }
}

// ---- Buses ----

TEST(IdentificationBus, EachTestSetsItsFlags) {
    struct Case {
        const char *name;
        std::string device;
        const char *buses;
    };
    const Case cases[] = {
        {"ISA bus id", Device("BIOS\\*PNP0A00\\00"), "1"},
        {"EISA bus id", Device("BIOS\\*PNP0A01\\00"), "1,2"},
        {"MCA bus id", Device("BIOS\\*PNP0A02\\00"), "3"},
        {"PCI bus id", Device("BIOS\\*PNP0A03\\00"), "1,6"},
        {"VL bus id", Device("BIOS\\*PNP0A04\\00"), "1,7"},
        {"Intel PCMCIA id", Device("BIOS\\*PNP0E00\\00"), "1,8"},
        {"Cirrus Logic PCMCIA id", Device("BIOS\\*PNP0E01\\00"), "1,9"},
        {"VLSI PCMCIA id", Device("BIOS\\*PNP0E02\\00"), "1,10"},
        {"ISAPNP enumerator", Device("ISAPNP\\READDATAPORT\\0"), "1"},
        {"ISAWPU device", Device("Root\\ISAWPU\\0000"), "1"},
        {"ESDI enumerator", Device("ESDI\\GENERIC_IDE__DISK_TYPE47_\\0"), "1"},
        {"EISA enumerator", Device("EISA\\ADP7771\\1"), "2"},
        {"MCA enumerator", Device("MCA\\8EFE\\0"), "3"},
        {"PCI instance name", Device("Root\\*PNP0C01\\PCI_BRIDGE"), "6"},
        {"PCMCIA enumerator", Device("PCMCIA\\MEGAHERTZ\\1"), "8"},
        {"VL in a device id", Device("Root\\VLBUS\\0000"), "7"},
        {"VESA in a class", Device("Root\\*PNP0C01\\0000", "VESA Local Bus"), "7"},
        {"SCSI in a class", Device("Root\\*PNPA000\\0000", "SCSIAdapter"), "11"},
        {"nothing of a bus", Device("Root\\*PNP0C01\\0000", "System", "PCI ISA EISA VL SCSI"), ""},
        // A device id key without instances is found by the id tests but not by the name tests.
        {"PCI device without instance", "[HKEY_LOCAL_MACHINE\\Enum\\Root\\PCIDEVICE]\n", ""},
        {"PCI bus id without instance", "[HKEY_LOCAL_MACHINE\\Enum\\BIOS\\*PNP0A03]\n", "1,6"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TreeHandle tree = ParseTree(MachineText({c.device}).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageBus(TreeRegistryAccess(tree.get()), *record);
        EXPECT_EQ(Flags(record->busPresent, 12), c.buses);
    }
}

// ---- Keyboard ----

TEST(IdentificationKeyboard, EachIdGivesItsKeysAndName) {
    struct Case {
        const char *id;
        int32_t keys;
        const char *name;
    };
    const Case cases[] = {
        {"*PNP0300", 83, "IBM PC/XT 83 key style"},    {"*PNP0301", 86, "IBM PC/AT 86 key style"},
        {"*PNP0302", 84, "IBM PC/XT 84 key style"},    {"*PNP0303", 101, "IBM Enhanced 101 key style"},
        {"*PNP0304", 83, "Olivetti 83 key style"},     {"*PNP0305", 102, "Olivetti 102 key style"},
        {"*PNP0306", 86, "Olivetti 86 key style"},     {"*PNP0307", 101, "Microsoft Windows style"},
        {"*PNP0308", 101, "GIDEI legacy style"},       {"*PNP0309", 101, "Olivetti 101/102 style"},
        {"*PNP030A", 101, "AT&T 302 style"},           {"*PNP0313", 101, "Keyboard with PS/2 port"},
        {"*PNP030B", 0, "IBM Enhanced 101 key style"}, // not a keyboard id of the table
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        TreeHandle tree = ParseTree(KeysText({std::string("BIOS\\") + c.id + "\\00"}).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageKeyboard(TreeRegistryAccess(tree.get()), *record);
        EXPECT_EQ(record->keyboardKeys, c.keys);
        EXPECT_STREQ(record->keyboardName, c.name);
    }
}

TEST(IdentificationKeyboard, LowestIndexWinsThenTableOrder) {
    struct Case {
        const char *name;
        std::vector<std::string> keys;
        int32_t expectedKeys;
        const char *expectedName;
    };
    const Case cases[] = {
        {"same index: table order",
         {"BIOS\\*PNP0313\\00", "BIOS\\*PNP0302\\00"},
         84,
         "IBM PC/XT 84 key style"},
        {"earlier id at a higher index loses",
         {"BIOS\\*PNP0300\\07", "BIOS\\*PNP030A\\06"},
         101,
         "AT&T 302 style"},
        {"index 254 is probed", {"BIOS\\*PNP0302\\FE"}, 84, "IBM PC/XT 84 key style"},
        {"index 255 is not", {"BIOS\\*PNP0302\\FF"}, 0, "IBM Enhanced 101 key style"},
        {"instances are two hexadecimal digits", {"BIOS\\*PNP0302\\0"}, 0, "IBM Enhanced 101 key style"},
        {"only the BIOS enumerator counts", {"Root\\*PNP0302\\00"}, 0, "IBM Enhanced 101 key style"},
        {"upper-case hexadecimal index",
         {"BIOS\\*PNP0301\\1A", "BIOS\\*PNP0300\\1B"},
         86,
         "IBM PC/AT 86 key style"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TreeHandle tree = ParseTree(KeysText(c.keys).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        QV_COPY_FIELD(record->keyboardName, "left from before");
        StageKeyboard(TreeRegistryAccess(tree.get()), *record);
        EXPECT_EQ(record->keyboardKeys, c.expectedKeys);
        EXPECT_STREQ(record->keyboardName, c.expectedName);
    }
}

// ---- Serial and parallel ports ----

TEST(IdentificationPorts, PortNumberFromTheDescription) {
    struct Case {
        const char *description;
        const char *digits;
        int highest;
        int expected;
    };
    const Case cases[] = {
        {"Communications Port (COM2)", "1234", 4, 2},
        {"Communications Port (COM4)", "1234", 4, 4},
        {"Communications Port (COM5)", "1234", 4, 0},
        {"Communications Port", "1234", 4, 0},
        {"", "1234", 4, 0},
        {"COM10", "1234", 4, 0},
        // The number starts at the first of the digits, wherever it is.
        {"16550 UART (COM1)", "1234", 4, 0},
        {"Port 9 (COM3)", "1234", 4, 3},
        {"COM1111111111111111111111111111", "1234", 4, 0},
        {"Printer Port (LPT1)", "123", 3, 1},
        {"ECP Printer Port (LPT3)", "123", 3, 3},
        {"Printer Port (LPT4)", "123", 3, 0},
        {"Printer Port", "123", 3, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.description);
        EXPECT_EQ(PortNumberFromDescription(c.description, c.digits, c.highest), c.expected);
    }
}

TEST(IdentificationPorts, SerialPortsKindAndOrder) {
    struct Case {
        const char *name;
        std::vector<std::string> devices;
        int32_t comUart[5];
        const char *present;
    };
    const Case cases[] = {
        {"standard port", {Device("BIOS\\*PNP0500\\00", "Ports", "Communications Port (COM1)")}, {0, 1}, "1"},
        {"16550A port",
         {Device("BIOS\\*PNP0501\\03", "Ports", "Communications Port (COM4)")},
         {0, 0, 0, 0, 2},
         "4"},
        {"detected ports have four-digit instances",
         {Device("Root\\*PNP0501\\0002", "Ports", "Communications Port (COM3)"),
          Device("Root\\*PNP0500\\02", "Ports", "Communications Port (COM2)")},
         {0, 0, 0, 2},
         "3"},
        {"same index: the 16550A path comes last",
         {Device("Root\\*PNP0501\\0000", "Ports", "Communications Port (COM1)"),
          Device("BIOS\\*PNP0500\\00", "Ports", "Communications Port (COM1)")},
         {0, 2},
         "1"},
        {"same index: the detected standard port comes before the 16550A path",
         {Device("BIOS\\*PNP0501\\00", "Ports", "Communications Port (COM2)"),
          Device("Root\\*PNP0500\\0000", "Ports", "Communications Port (COM2)")},
         {0, 0, 2},
         "2"},
        {"a later index overwrites",
         {Device("BIOS\\*PNP0501\\00", "Ports", "Communications Port (COM1)"),
          Device("BIOS\\*PNP0500\\01", "Ports", "Communications Port (COM1)")},
         {0, 1},
         "1"},
        {"no port number", {Device("BIOS\\*PNP0501\\00", "Ports", "Communications Port")}, {}, ""},
        {"no description", {Device("BIOS\\*PNP0501\\00", "Ports")}, {}, ""},
        {"other enumerators are not probed", {Device("ISAPNP\\*PNP0501\\00", "Ports", "(COM2)")}, {}, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TreeHandle tree = ParseTree(MachineText(c.devices).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageSerialPorts(TreeRegistryAccess(tree.get()), *record);
        for (int port = 0; port < 5; ++port)
            EXPECT_EQ(record->comUart[port], c.comUart[port]) << "COM UART [" << port << "]";
        EXPECT_EQ(Flags(record->comPresent, 5), c.present);
    }
}

TEST(IdentificationPorts, ParallelPortsPresentAndEcp) {
    struct Case {
        const char *name;
        std::vector<std::string> devices;
        const char *present;
        const char *ecp;
    };
    const Case cases[] = {
        {"LPT1", {Device("BIOS\\*PNP0400\\00", "Ports", "Printer Port (LPT1)")}, "1", ""},
        {"ECP port sets only the ECP flag",
         {Device("BIOS\\*PNP0401\\05", "Ports", "ECP Printer Port (LPT3)")},
         "",
         "3"},
        {"both kinds",
         {Device("BIOS\\*PNP0400\\00", "Ports", "Printer Port (LPT2)"),
          Device("BIOS\\*PNP0401\\01", "Ports", "ECP Printer Port (LPT2)")},
         "2",
         "2"},
        {"no digit 1-3", {Device("BIOS\\*PNP0400\\00", "Ports", "Printer Port (LPT4)")}, "", ""},
        {"not under BIOS", {Device("Root\\*PNP0400\\0000", "Ports", "Printer Port (LPT1)")}, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TreeHandle tree = ParseTree(MachineText(c.devices).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StagePrinterPorts(TreeRegistryAccess(tree.get()), *record);
        EXPECT_EQ(Flags(record->lptPresent, 4), c.present);
        EXPECT_EQ(Flags(record->lptEcp, 4), c.ecp);
    }
}

// ---- Mouse, PS/2 port, game port ----

TEST(IdentificationMouse, EachIdNamesItsGroup) {
    const NamedIdRow cases[] = {
        // One or two ids of each group: the group edges and ids out of numeric order.
        {"*PNP0F00", "Microsoft Serial Port Mouse"},
        {"*PNP0F0B", "Microsoft Serial Port Mouse"},
        {"*PNP0F05", "Mouse Systems Mouse"},
        {"*PNP0F06", "Genius Mouse"},
        {"*PNP0F12", "Logitech Mouse"},
        {"*PNP0F0C", "MS Compatible Mouse"},
        {"*PNP0F11", "MS Compatible Mouse"},
        {"*PNP0F10", "Texas Instruments Mouse"},
        {"*PNP0F13", "Microsoft PS/2 Port Mouse"},
        {"*PNP0F14", "Generic Mouse"},
    };
    for (const NamedIdRow &c : cases) {
        SCOPED_TRACE(c.id);
        TreeHandle tree = ParseTree(KeysText({std::string("Root\\") + c.id + "\\0000"}).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageMouse(TreeRegistryAccess(tree.get()), *record);
        EXPECT_STREQ(record->mouseName, c.name);
    }
}

TEST(IdentificationMouse, FirstGroupWins) {
    struct Case {
        std::vector<std::string> keys;
        const char *expected;
    };
    // The enumerators are walked in name order (BIOS before Root): the walk order must not matter.
    const Case cases[] = {
        {{"BIOS\\*PNP0F13\\04", "Root\\*PNP0F0B\\0000"}, "Microsoft Serial Port Mouse"},
        {{"BIOS\\*PNP0F10\\04", "Root\\*PNP0F11\\0000"}, "MS Compatible Mouse"},
        {{"BIOS\\*PNP0F0C\\04", "Root\\*PNP0F08\\0000"}, "Logitech Mouse"},
        {{"BIOS\\*PNP0F06\\04", "Root\\*PNP0F05\\0000"}, "Mouse Systems Mouse"},
        {{}, "Generic Mouse"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        TreeHandle tree = ParseTree(KeysText(c.keys).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageMouse(TreeRegistryAccess(tree.get()), *record);
        EXPECT_STREQ(record->mouseName, c.expected);
    }
}

TEST(IdentificationPorts, Ps2AndGamePorts) {
    struct Case {
        const char *key;
        uint32_t ps2;
        uint32_t game;
    };
    const Case cases[] = {
        {"BIOS\\*PNP0F13\\00", 1, 0},   {"BIOS\\*PNP0313\\00", 1, 0},   {"BIOS\\*PNP0303\\00", 0, 0},
        {"Root\\*PNPB02F\\0000", 0, 1}, {"Root\\*PNPB02E\\0000", 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        TreeHandle tree = ParseTree(KeysText({c.key}).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StagePs2Ports(TreeRegistryAccess(tree.get()), *record);
        StageGamePorts(TreeRegistryAccess(tree.get()), *record);
        EXPECT_EQ(record->ps2Port, c.ps2);
        EXPECT_EQ(record->gamePort, c.game);
    }
}

// ---- Sound ----

TEST(IdentificationSound, EachIdGivesItsName) {
    struct Case {
        const char *id;
        const char *sound;
        const char *mci;
    };
    const Case cases[] = {
        {"*PNPB000", "Sound Blaster 1.5 or compatible", ""},
        {"*PNPB001", "Sound Blaster 2.0 or compatible", ""},
        {"*PNPB002", "Sound Blaster PRO or compatible", ""},
        {"*PNPB003", "Sound Blaster 16/AWE 32 or compatible", ""},
        {"*PNPB004", "Thunderboard or compatible", ""},
        {"*PNPB005", "AdLib or compatible", ""},
        {"*PNPB006", "Roland or compatible", ""},
        {"*PNPB007", "MS Sound System or compatible", ""},
        {"*PNPB008", "Compaq Waveform or compatible", ""},
        {"*PNPB009", "New MS Sound System or compatible", ""},
        {"*PNPB010", "", "Motion Video Device (MCI)"},
        {"*PNPB011", "", "MIDI Sequencer (MCI)"},
        {"*PNPB012", "", "Wave Audio Device (MCI)"},
        {"*PNPB013", "", "VISCA VCR Device (MCI)"},
        {"*PNPB014", "", "Pioneer Laserdisk Device (MCI)"},
        {"*PNPB015", "", "CD Audio Device (MCI)"},
        {"*PNPB016", "", "Yamaha OPL3 Device (MCI)"},
        {"*PNPB017", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        TreeHandle tree = ParseTree(KeysText({std::string("Root\\") + c.id + "\\0000"}).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageSoundDevices(TreeRegistryAccess(tree.get()), *record);
        EXPECT_STREQ(record->soundCardName, c.sound);
        EXPECT_STREQ(record->mciDeviceName, c.mci);
    }
}

TEST(IdentificationSound, FirstSoundIdNamesTheCardLastMciIdRemains) {
    struct Case {
        const char *name;
        std::vector<std::string> keys;
        const char *sound;
        const char *mci;
    };
    const Case cases[] = {
        {"earlier table row, later in the walk",
         {"BIOS\\*PNPB009\\0A", "Root\\*PNPB001\\0000"},
         "Sound Blaster 2.0 or compatible",
         ""},
        {"three MCI devices",
         {"BIOS\\*PNPB015\\0B", "Root\\*PNPB011\\0000", "Root\\*PNPB013\\0000"},
         "",
         "CD Audio Device (MCI)"},
        {"card and MCI device",
         {"Root\\*PNPB016\\0000", "Root\\*PNPB007\\0000", "Root\\*PNPB006\\0000"},
         "Roland or compatible",
         "Yamaha OPL3 Device (MCI)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TreeHandle tree = ParseTree(KeysText(c.keys).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageSoundDevices(TreeRegistryAccess(tree.get()), *record);
        EXPECT_STREQ(record->soundCardName, c.sound);
        EXPECT_STREQ(record->mciDeviceName, c.mci);
    }
}

// ---- Processors ----

TEST(IdentificationProcessors, ProcessorTypeAndCoprocessor) {
    struct Case {
        int processorType;
        bool coprocessor;
        int32_t cpu;
        int32_t fpu;
    };
    const Case cases[] = {
        {386, false, 386, 0}, {386, true, 386, 387}, {486, false, 486, 0}, {486, true, 486, 487},
        {586, false, 586, 0}, {586, true, 586, 587}, {686, true, 0, 1},    {686, false, 0, 0},
        {0, true, 0, 1},      {4000, false, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.processorType << (c.coprocessor ? " with" : " without") << " coprocessor");
        // The coprocessor is looked for under ENUM\BIOS only, at any index.
        std::vector<std::string> keys = {"Root\\*PNP0C04\\0000"};
        if (c.coprocessor)
            keys.push_back("BIOS\\*PNP0C04\\0C");
        TreeHandle tree = ParseTree(KeysText(keys).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageProcessors(TreeRegistryAccess(tree.get()), *record, c.processorType);
        EXPECT_EQ(record->cpuType, c.cpu);
        EXPECT_EQ(record->fpuType, c.fpu);
    }
}

TEST(IdentificationProcessors, NewerProcessorsCountAsTheNewestClassWithItsFpu) {
    struct Case {
        int type, architecture, level;
        int cpu, fpu; // after the stage, with no coprocessor key in the device tree
    } const cases[] = {
        {8664, 9, 6, 586, 587}, // x86-64, as a 64-bit program sees it
        {586, 0, 6, 586, 587},  // a 32-bit program on a current processor
        {686, 0, 15, 586, 587}, // an x86 type no table knows, level 6 and up
        {586, 0, 5, 586, 0},    // a Pentium: the device tree decides
        {386, 0, 0, 386, 0},    // Windows 95 leaves the level 0: the type decides
        {2200, 6, 7, 0, 0},     // not an x86: no class
    };
    TreeHandle tree = ParseTree(KeysText({"Root\\*PNP0C04\\0000"}).c_str());
    ASSERT_TRUE(tree);
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.architecture << " " << c.level);
        ProcessorClassInfo processor = ClassifyProcessor(c.type, c.architecture, c.level);
        auto record = NewRecord();
        StageProcessors(TreeRegistryAccess(tree.get()), *record, processor.type, processor.fpuBuiltIn);
        EXPECT_EQ(record->cpuType, c.cpu);
        EXPECT_EQ(record->fpuType, c.fpu);
    }
}

// ---- CD-ROM and SCSI adapters ----

TEST(IdentificationCdrom, KindFromDrivesThenProprietaryController) {
    struct Case {
        const char *name;
        std::vector<std::string> devices;
        char kind;
    };
    const Case cases[] = {
        {"no drive", {Device("Root\\*PNP0C01\\0000", "System")}, 0},
        {"IDE drive", {Device("SCSI\\NEC_CD\\0", "CDROM", "NEC CD-ROM", "", "0")}, 'I'},
        {"drive without a target id", {Device("ESDI\\MITSUMI_CD\\0", "CDROM")}, 'I'},
        {"any drive with a target id",
         {Device("SCSI\\A_CD\\0", "CDROM", "", "", "0"), Device("SCSI\\B_CD\\0", "CDROM", "", "", "2")},
         'S'},
        {"the first drive's target id also counts",
         {Device("SCSI\\A_CD\\0", "CDROM", "", "", "6"), Device("SCSI\\B_CD\\0", "CDROM", "", "", "0")},
         'S'},
        {"SCSI disk is no CD-ROM", {Device("SCSI\\DISK\\0", "DiskDrive", "", "", "3")}, 0},
        {"proprietary controller without a drive", {Device("Root\\*PNPA02B\\0000", "hdc")}, 'P'},
        {"proprietary controller beats a SCSI drive",
         {Device("SCSI\\A_CD\\0", "CDROM", "", "", "5"), Device("Root\\*PNPA032\\0000", "hdc")},
         'P'},
        {"each proprietary id", {Device("Root\\*PNPA003\\0000"), Device("Root\\*PNPA031\\0000")}, 'P'},
        // The controller ids are device ids: an instance named after one is not a controller.
        {"id only in an instance name",
         {Device("SCSI\\A_CD\\ROOT&*PNPA030&0000", "CDROM", "", "", "0")},
         'I'},
        {"id only in the class", {Device("Root\\MITSUMI\\0000", "*PNPA030")}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TreeHandle tree = ParseTree(MachineText(c.devices).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageCdrom(TreeRegistryAccess(tree.get()), *record);
        EXPECT_EQ(record->cdromKind, c.kind);
    }
}

TEST(IdentificationScsi, AdaptersAreCountedByDeviceIdInstances) {
    struct Case {
        const char *name;
        std::vector<std::string> devices;
        int32_t adapters;
    };
    const Case cases[] = {
        {"two instances of one id",
         {Device("Root\\*PNPA000\\0000", "SCSIAdapter"), Device("Root\\*PNPA000\\0001", "SCSIAdapter")},
         2},
        {"ids under several enumerators",
         {Device("Root\\*PNPA001\\0000"), Device("BIOS\\*PNPA01B\\0D"), Device("ISAPNP\\*PNPA02F\\0")},
         3},
        {"every adapter id",
         {Device("Root\\*PNPA000\\0000"), Device("Root\\*PNPA001\\0000"), Device("Root\\*PNPA002\\0000"),
          Device("Root\\*PNPA01B\\0000"), Device("Root\\*PNPA01D\\0000"), Device("Root\\*PNPA01E\\0000"),
          Device("Root\\*PNPA01F\\0000"), Device("Root\\*PNPA020\\0000"), Device("Root\\*PNPA022\\0000"),
          Device("Root\\*PNPA02D\\0000"), Device("Root\\*PNPA02F\\0000")},
         11},
        {"not an adapter id", {Device("Root\\*PNPA003\\0000"), Device("Root\\*PNPA02B\\0000")}, 0},
        // The class alone names no adapter, nor do the instances of the devices behind an adapter.
        {"class only", {Device("EISA\\ADP7771\\1", "SCSIAdapter")}, 0},
        {"devices named after their adapter",
         {Device("SCSI\\SEAGATE_DISK\\ROOT&*PNPA000&0000", "DiskDrive"),
          Device("SCSI\\TOSHIBA_CD\\ROOT&*PNPA000&0000", "CDROM")},
         0},
        {"device id key without instances", {"[HKEY_LOCAL_MACHINE\\Enum\\Root\\*PNPA000]\n"}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TreeHandle tree = ParseTree(MachineText(c.devices).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageScsiAdaptors(TreeRegistryAccess(tree.get()), *record);
        EXPECT_EQ(record->scsiAdapters, c.adapters);
    }
}

// ---- Video card ----

TEST(IdentificationVideo, BusFromTheHardwareIdsOfDisplays) {
    struct Case {
        const char *name;
        std::vector<std::string> devices;
        char bus;
    };
    const Case cases[] = {
        {"PCI", {Device("PCI\\VEN_5333&DEV_8811\\BUS_00", "Display", "S3", "PCI\\VEN_5333&DEV_8811")}, 'P'},
        {"lower-case id", {Device("PCI\\VEN_5333&DEV_8811\\BUS_00", "Display", "S3", "pci\\ven_5333")}, 'P'},
        {"VL", {Device("Root\\*PNP0906\\0000", "Display", "ET4000", "VLB\\ET4000")}, 'V'},
        {"VESA", {Device("Root\\*PNP0906\\0000", "Display", "ET4000", "*PNP0906,VESA_LOCAL")}, 'V'},
        {"EISA", {Device("EISA\\ATI4402\\0", "Display", "ATI", "EISA\\ATI4402")}, 'E'},
        {"the last true test of a device",
         {Device("Root\\X\\0000", "Display", "", "PCI\\VEN_1002,EISA\\ATI")},
         'E'},
        {"the last device",
         {Device("EISA\\ATI4402\\0", "Display", "", "EISA\\ATI4402"),
          Device("PCI\\VEN_5333\\BUS_00", "Display", "", "PCI\\VEN_5333")},
         'P'},
        {"a later device without a bus keeps the earlier one",
         {Device("PCI\\VEN_5333\\BUS_00", "Display", "", "PCI\\VEN_5333"),
          Device("Root\\*PNP0900\\0000", "Display", "", "*PNP0900")},
         'P'},
        {"not a display", {Device("PCI\\VEN_1274\\BUS_00", "MEDIA", "", "PCI\\VEN_1274")}, 0},
        {"display without hardware id", {Device("Root\\*PNP0900\\0000", "Display", "VGA")}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TreeHandle tree = ParseTree(MachineText(c.devices).c_str());
        ASSERT_TRUE(tree);
        auto record = NewRecord();
        StageVideoCardType(TreeRegistryAccess(tree.get()), *record);
        EXPECT_EQ(record->videoBus, c.bus);
    }
}

TEST(IdentificationVideo, CardNameAndClassSteps) {
    struct Case {
        const char *name;
        std::vector<std::string> devices;
        int slowMachine;
        const char *cardName;
        int32_t videoClass;
    };
    const std::string pciCard = Device("PCI\\VEN_5333\\BUS_00", "Display", "S3 Trio64", "PCI\\VEN_5333");
    const Case cases[] = {
        // Step 1: the first display device names the card.
        {"display device", {pciCard, Device("Root\\*PNP0900\\0000", "", "Standard VGA")}, 0, "S3 Trio64", 5},
        {"first display in walk order",
         {Device("EISA\\ATI4402\\0", "Display", "ATI Mach32", "EISA\\ATI4402"), pciCard},
         0,
         "ATI Mach32",
         5},
        // Step 2: without a display device, the lowest display id found, *PNP0900 to *PNP0962.
        {"lowest display id",
         {Device("BIOS\\*PNP0907\\05", "", "Western Digital VGA"),
          Device("Root\\*PNP0903\\0000", "", "Trident VGA")},
         0,
         "Trident VGA",
         3},
        {"display id *PNP0962", {Device("Root\\*PNP0962\\0000", "", "Last VGA")}, 0, "Last VGA", 3},
        {"display id *PNP0963 is beyond the search",
         {Device("Root\\*PNP0963\\0000", "", "Too far")},
         0,
         "",
         3},
        {"no display at all", {Device("Root\\*PNP0C01\\0000", "System", "System board")}, 0, "", 3},
        // Step 3: the id groups; the last group found decides.
        {"first group", {Device("Root\\*PNP0912\\0000", "", "Tseng W32")}, 0, "Tseng W32", 5},
        {"second group", {Device("Root\\*PNP0931\\0000", "", "C&T 82C452")}, 0, "C&T 82C452", 5},
        {"third group", {Device("Root\\*PNP090D\\0000", "", "ATI VGA Wonder")}, 0, "ATI VGA Wonder", 2},
        {"third group after the first",
         {Device("Root\\*PNP0901\\0000", "", "Video Seven"), Device("Root\\*PNP0941\\0000", "", "Other")},
         0,
         "Video Seven",
         2},
        {"group beats the bus and the slow bit",
         {pciCard, Device("Root\\*PNP090B\\0000", "", "ATI Ultra")},
         4,
         "S3 Trio64",
         2},
        // Step 4: no group.
        {"slow machine", {}, 4, "Unaccelerated Card", 1},
        {"slow machine with other bits", {}, 5, "Unaccelerated Card", 1},
        {"other bits only", {}, 3, "", 3},
        {"slow machine on a PCI card keeps the name", {pciCard}, 4, "Unaccelerated Card", 5},
        {"EISA card", {Device("EISA\\ATI4402\\0", "Display", "ATI", "EISA\\ATI4402")}, 0, "ATI", 4},
        {"VL card", {Device("Root\\X\\0000", "Display", "ET4000", "VLB\\ET4000")}, 0, "ET4000", 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TreeHandle tree = ParseTree(MachineText(c.devices).c_str());
        ASSERT_TRUE(tree);
        RegistryAccess access = TreeRegistryAccess(tree.get());
        auto record = NewRecord();
        StageVideoCardType(access, *record);
        StageVideoCardWithMetric(access, *record, c.slowMachine);
        EXPECT_STREQ(record->videoCardName, c.cardName);
        EXPECT_EQ(record->videoClass, c.videoClass);
    }
}

TEST(IdentificationVideo, StageVideoCardIsAMachineWindowsDoesNotCallSlow) {
    TreeHandle tree = ParseTree("REGEDIT4\n");
    ASSERT_TRUE(tree);
    auto record = NewRecord();
    StageVideoCard(TreeRegistryAccess(tree.get()), *record);
    EXPECT_EQ(record->videoClass, 3);
    EXPECT_STREQ(record->videoCardName, "");
}

TEST(IdentificationVideo, LongDescriptionIsCutToTheField) {
    std::string description(400, 'V');
    TreeHandle tree =
        ParseTree(MachineText({Device("Root\\*PNP0900\\0000", "Display", description)}).c_str());
    ASSERT_TRUE(tree);
    auto record = NewRecord();
    memset(record->videoCardName, 'x', sizeof record->videoCardName);
    StageVideoCard(TreeRegistryAccess(tree.get()), *record);
    size_t length = strnlen(record->videoCardName, sizeof record->videoCardName);
    ASSERT_LT(length, sizeof record->videoCardName);
    EXPECT_GE(length, 250u);
    EXPECT_EQ(std::string(record->videoCardName), description.substr(0, length));
}

// ---- The tables ----

TEST(IdentificationTables, NoIdTwiceWithinATable) {
    struct Table {
        const char *name;
        std::vector<std::string> ids;
    };
    std::vector<Table> tables(6);
    tables[0].name = "keyboard";
    for (size_t i = 0; i < kKeyboardIdCount; ++i)
        tables[0].ids.push_back(kKeyboardIds[i].id);
    tables[1].name = "mouse";
    for (size_t i = 0; i < kMouseIdCount; ++i)
        tables[1].ids.push_back(kMouseIds[i].id);
    tables[2].name = "sound and MCI";
    for (size_t i = 0; i < kSoundCardIdCount; ++i)
        tables[2].ids.push_back(kSoundCardIds[i].id);
    for (size_t i = 0; i < kMciDeviceIdCount; ++i)
        tables[2].ids.push_back(kMciDeviceIds[i].id);
    tables[3].name = "SCSI adapters and CD-ROM controllers";
    for (size_t i = 0; i < kScsiAdapterIdCount; ++i)
        tables[3].ids.push_back(kScsiAdapterIds[i]);
    for (size_t i = 0; i < kProprietaryCdromIdCount; ++i)
        tables[3].ids.push_back(kProprietaryCdromIds[i]);
    tables[4].name = "video classes";
    for (size_t i = 0; i < kVideoClassIdCount; ++i)
        tables[4].ids.push_back(kVideoClassIds[i].id);
    tables[5].name = "interrupt, timer, DMA";
    for (size_t i = 0; i < kInterruptControllerIdCount; ++i)
        tables[5].ids.push_back(kInterruptControllerIds[i].id);
    for (size_t i = 0; i < kTimerIdCount; ++i)
        tables[5].ids.push_back(kTimerIds[i].id);
    for (size_t i = 0; i < kDmaControllerIdCount; ++i)
        tables[5].ids.push_back(kDmaControllerIds[i].id);
    for (const Table &table : tables) {
        SCOPED_TRACE(table.name);
        for (size_t i = 0; i < table.ids.size(); ++i) {
            EXPECT_EQ(table.ids[i].size(), 8u) << table.ids[i];
            EXPECT_EQ(table.ids[i].substr(0, 4), "*PNP") << table.ids[i];
            for (size_t j = i + 1; j < table.ids.size(); ++j)
                EXPECT_NE(table.ids[i], table.ids[j]);
        }
    }
    EXPECT_EQ(kKeyboardIdCount, 12u);
    EXPECT_EQ(kMouseIdCount, 20u);
    EXPECT_EQ(kSoundCardIdCount, 10u);
    EXPECT_EQ(kMciDeviceIdCount, 7u);
    EXPECT_EQ(kScsiAdapterIdCount, 11u);
    EXPECT_EQ(kProprietaryCdromIdCount, 5u);
    EXPECT_EQ(kVideoClassIdCount, 14u);
    EXPECT_EQ(kBusTestCount, 18u);
}

} // namespace
