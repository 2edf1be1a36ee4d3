// The identification stages: whole fixture machines through the registry stages, then each stage's
// rules on small machines written out in the test.
#include "inventory/identification_tables.h"
#include "inventory/registry_stages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/inventory/inventory_test_helpers.h"

namespace {

// ---- Whole machines ----

void Note(void *trace, const char *text) {
    std::string &t = *static_cast<std::string *>(trace);
    t += (t.empty() ? "" : ", ") + std::string(text);
}

TEST(IdentificationMachines, EveryFixtureMachineThroughTheRegistryStages) {
    struct Case {
        const char *fixture;
        int processorType;
        const char *changed; // the export lines that differ from a blank record
    } const cases[] = {
        {"id_pci_desktop.reg", 586,
         "BIOS date=07/15/95 | BIOS name=Award | CPU type=586 | FPU type=587 | DMA controller [1]=1 | "
         "interrupt controller [1]=1 | bus present [1]=1 | bus present [6]=1 | bus present [11]=1 | "
         "timer [1]=1 | hard disk controllers=1 | hard disk controller on PCI=1 | floppy controllers=1 | "
         "CD-ROM kind=I | video card name=S3 Trio32/64 PCI | video bus=P | video class=5 | "
         "monitor name=NEC MultiSync 4FGe | monitor size=15 | monitor dot pitch=0.28 | "
         "monitor maximum width=1024 | monitor area=108 | COM UART [1]=2 | COM UART [2]=2 | "
         "COM present [1]=1 | COM present [2]=1 | game port=1 | LPT present [1]=1 | PS/2 port=1 | "
         "modem name=U.S. Robotics Sportster 28800 | keyboard keys=101 | "
         "keyboard name=IBM Enhanced 101 key style | mouse name=Microsoft PS/2 Port Mouse | "
         "sound card name=Sound Blaster 16/AWE 32 or compatible"},
        // No coprocessor; *PNP0305 at index 4 beats *PNP0300 at index 7; COM2: the later index wins,
        // COM3: the 16550A path is read last; SCSI adapters: two *PNPA000 and one *PNPA02F, not the EISA
        // adapter nor the devices behind them.
        {"id_eisa_server.reg", 486,
         "BIOS date=11/02/94 | BIOS name=American Megatrends | CPU type=486 | DMA controller [2]=1 | "
         "SCSI id present [4]=1 | interrupt controller [2]=1 | bus present [1]=1 | bus present [2]=1 | "
         "bus present [11]=1 | timer [2]=1 | SCSI adapters=3 | CD-ROM kind=S | "
         "video card name=ATI Graphics Ultra Pro EISA (mach32) | video bus=E | video class=4 | "
         "monitor name=Sony Multiscan 17sf | monitor size=17 | monitor dot pitch=0.28 | "
         "monitor maximum width=1024 | monitor area=138.72 | COM UART [1]=1 | COM UART [2]=1 | "
         "COM UART [3]=2 | COM present [1]=1 | COM present [2]=1 | COM present [3]=1 | LPT present [1]=1 | "
         "LPT ECP [2]=1 | PS/2 port=1 | keyboard keys=102 | keyboard name=Olivetti 102 key style | "
         "mouse name=Microsoft Serial Port Mouse"},
        // *PNP0E01 gives Cirrus Logic PCMCIA, the PCMCIA names Intel as well; the CD-ROM controller is
        // proprietary and no hard disk controller; *PNP0904 is in the second video group.
        {"id_laptop_pcmcia.reg", 486,
         "BIOS date=03/21/95 | BIOS name=Phoenix | CPU type=486 | FPU type=487 | DMA controller [1]=1 | "
         "interrupt controller [1]=1 | bus present [1]=1 | bus present [8]=1 | bus present [9]=1 | "
         "timer [1]=1 | CD-ROM kind=P | video card name=Cirrus Logic 7543 | video class=5 | "
         "monitor name=Laptop Display Panel (800x600) | monitor size=15 | monitor dot pitch=0.28 | "
         "monitor maximum width=800 | monitor area=108 | COM UART [1]=2 | COM present [1]=1 | "
         "LPT ECP [1]=1 | PS/2 port=1 | modem name=Megahertz XJ2288 V.34 PC Card | keyboard keys=101 | "
         "keyboard name=Keyboard with PS/2 port | mouse name=Logitech Mouse | "
         "sound card name=Sound Blaster PRO or compatible | MCI device name=Yamaha OPL3 Device (MCI)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fixture);
        Machine m(FixtureText(c.fixture));
        auto record = std::make_unique<EquipmentRecord>();
        std::string trace;
        StageHooks hooks = {&trace, Note, [](void *t) { Note(t, "+"); }, c.processorType, 0, 0};
        RunRegistryStages(m.access, *record, hooks);
        EXPECT_EQ(ChangedFields(*record), c.changed);
        EXPECT_EQ(trace,
                  "Start, Printer Ports, Interrupt controllers, +, Timers, DMA Controllers, Keyboard, +, "
                  "Serial Ports, Disk Controllers, +, BUS, Mouse, +, PS/2 Ports, Sound Devices, +, "
                  "Game Ports, Processors, +, Motherboard, SCSI IDs, +, CD-ROM, SCSI Adaptors, +, "
                  "Disk Controllers, Video Card Type, +, Video Card, Monitor, Modem Name, Done, +");
    }
}

TEST(IdentificationMachines, HooksAreOptionalAndASlowMachineHasAnUnacceleratedCard) {
    Machine m(FixtureText("id_bare_machine.reg"));
    auto record = std::make_unique<EquipmentRecord>();
    RunRegistryStages(m.access, *record, StageHooks{nullptr, nullptr, nullptr, 386, 4, 0});
    EXPECT_EQ(ChangedFields(*record),
              "CPU type=386 | video card name=Unaccelerated Card | video class=1 | monitor size=15 | "
              "monitor dot pitch=0.28 | monitor maximum width=800 | monitor area=108 | "
              "keyboard name=IBM Enhanced 101 key style | mouse name=Generic Mouse");
}

// ---- The stages on small machines ----

TEST(IdentificationStages, Bus) {
    const StageCase cases[] = {
        {"BIOS\\*PNP0A00\\00", "bus present [1]=1"},
        {"BIOS\\*PNP0A02\\00", "bus present [3]=1"},
        {"BIOS\\*PNP0E02\\00", "bus present [1]=1 | bus present [10]=1"},
        {"BIOS\\*PNP0A04", "bus present [1]=1 | bus present [7]=1"}, // a device id key without instances
        {"EISA\\ADP7771\\1", "bus present [2]=1"},
        {"Root\\*PNP0C01\\PCI_BRIDGE", "bus present [6]=1"},
        {"Root\\VLBUS\\0000", "bus present [7]=1"},
        {"Root\\*PNP0C01\\0000|VESA Local Bus", "bus present [7]=1"},
        {"Root\\*PNPA000\\0000|SCSIAdapter", "bus present [11]=1"},
        // Not in a description; the name tests see only keys with instances.
        {"Root\\*PNP0C01\\0000|System|PCI ISA EISA VL SCSI; Root\\PCIDEVICE", ""}};
    ExpectStages(cases, StageBus);
}

TEST(IdentificationStages, Keyboard) {
    const StageCase cases[] = {
        {"BIOS\\*PNP0300\\00", "keyboard keys=83 | keyboard name=IBM PC/XT 83 key style"},
        // The lowest index wins, then the table order; indexes are two hexadecimal digits up to FE,
        // under BIOS only. Without a keyboard id, the default name.
        {"BIOS\\*PNP0313\\00; BIOS\\*PNP0302\\00", "keyboard keys=84 | keyboard name=IBM PC/XT 84 key style"},
        {"BIOS\\*PNP0300\\07; BIOS\\*PNP030A\\06", "keyboard keys=101 | keyboard name=AT&T 302 style"},
        {"BIOS\\*PNP0305\\FE", "keyboard keys=102 | keyboard name=Olivetti 102 key style"},
        {"BIOS\\*PNP0302\\FF; BIOS\\*PNP0302\\0; Root\\*PNP0302\\00; BIOS\\*PNP030B\\00",
         "keyboard name=IBM Enhanced 101 key style"}};
    ExpectStages(cases, StageKeyboard);
}

TEST(IdentificationStages, PortNumberFromTheDescription) {
    struct Case {
        const char *description, *digits;
        int highest, expected;
    } const cases[] = {{"Port (COM1)", "1234", 4, 1},    {"Port (COM4)", "1234", 4, 4},
                       {"Port (COM5)", "1234", 4, 0},    {"Port", "1234", 4, 0},
                       {"COM10", "1234", 4, 0},          {"16550 (COM1)", "1234", 4, 0},
                       {"Port 9 (COM3)", "1234", 4, 3},  {"COM1111111111111", "1234", 4, 0},
                       {"ECP Port (LPT3)", "123", 3, 3}, {"Port (LPT4)", "123", 3, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(PortNumberFromDescription(c.description, c.digits, c.highest), c.expected) << c.description;
}

// Further cases of these stages are in the fixture machines.
TEST(IdentificationStages, SerialAndParallelPorts) {
    const StageCase cases[] = {
        {"BIOS\\*PNP0501\\03|Ports|Communications Port (COM4)", "COM UART [4]=2 | COM present [4]=1"},
        // Detected ports have four-digit instances.
        {"Root\\*PNP0501\\0002||(COM3); Root\\*PNP0500\\02||(COM2)", "COM UART [3]=2 | COM present [3]=1"},
        {"BIOS\\*PNP0501\\00||Communications Port; BIOS\\*PNP0500\\01; ISAPNP\\*PNP0501\\02||(COM2)", ""},
        {"BIOS\\*PNP0400\\00||(LPT2); BIOS\\*PNP0401\\FE||(LPT2)", "LPT present [2]=1 | LPT ECP [2]=1"},
        {"BIOS\\*PNP0400\\00||(LPT4); Root\\*PNP0400\\0000||(LPT1); BIOS\\*PNP0400\\FF||(LPT1)", ""}};
    ExpectStages(cases, StageSerialPorts, StagePrinterPorts);
}

// The stages that look only for device ids, together.
TEST(IdentificationStages, ControllersMouseSoundAndPorts) {
    const StageCase cases[] = {
        {"BIOS\\*PNP0000\\00; Root\\*PNP0004\\0000; BIOS\\*PNP0100\\00; BIOS\\*PNP0102\\00; "
         "BIOS\\*PNP0200\\00; ISAPNP\\*PNP0202\\0; Root\\*PNPB000\\0000; Root\\*PNPB010\\0000",
         "DMA controller [1]=1 | DMA controller [3]=1 | interrupt controller [1]=1 | "
         "interrupt controller [5]=1 | timer [1]=1 | timer [3]=1 | mouse name=Generic Mouse | "
         "sound card name=Sound Blaster 1.5 or compatible | MCI device name=Motion Video Device (MCI)"},
        {"BIOS\\*PNP0005\\00; BIOS\\*PNP0103\\00; BIOS\\*PNP0203\\00; BIOS\\*PNP0303\\00; "
         "Root\\*PNPB02E\\0000; Root\\*PNP0F14\\0000; Root\\*PNPB017\\0000",
         "mouse name=Generic Mouse"},
        {"BIOS\\*PNP0313\\00; Root\\*PNPB02F\\0000", "game port=1 | PS/2 port=1 | mouse name=Generic Mouse"},
        // Mouse group edges, ids out of numeric order.
        {"Root\\*PNP0F00\\0000", "mouse name=Microsoft Serial Port Mouse"},
        {"Root\\*PNP0F0B\\0000", "mouse name=Microsoft Serial Port Mouse"},
        {"Root\\*PNP0F05\\0000", "mouse name=Mouse Systems Mouse"},
        {"Root\\*PNP0F10\\0000", "mouse name=Texas Instruments Mouse"}};
    ExpectStages(cases, StageInterruptControllers, StageTimers, StageDmaControllers, StageMouse,
                 StagePs2Ports, StageGamePorts, StageSoundDevices);
}

// ---- Processors ----

TEST(IdentificationProcessors, ClassAndCoprocessor) {
    // Type, architecture and level as Windows reports them (Windows 95 leaves the level 0), whether the
    // device tree has a coprocessor under ENUM\BIOS (at index FE); then the CPU and FPU types of the stage.
    // Newer processors (x86-64, or x86 from level 6) count as the newest class, with its coprocessor.
    const int cases[][6] = {{386, 0, 0, 0, 386, 0},    {386, 0, 0, 1, 386, 387},  {486, 0, 0, 1, 486, 487},
                            {586, 0, 5, 0, 586, 0},    {586, 0, 5, 1, 586, 587},  {686, 0, 0, 1, 0, 1},
                            {0, 0, 0, 0, 0, 0},        {2200, 6, 7, 0, 0, 0},     {686, 0, 5, 0, 0, 0},
                            {8664, 9, 6, 0, 586, 587}, {8664, 0, 0, 0, 586, 587}, {0, 9, 0, 0, 586, 587},
                            {586, 0, 6, 0, 586, 587},  {486, 0, 6, 0, 486, 487},  {686, 0, 6, 0, 586, 587}};
    Machine without(DeviceKeys("Root\\*PNP0C04\\0000"));
    Machine with(DeviceKeys("Root\\*PNP0C04\\0000; BIOS\\*PNP0C04\\FE"));
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c[0] << " " << c[1] << " " << c[2] << (c[3] ? " with" : " without"));
        ProcessorClassInfo processor = ClassifyProcessor(c[0], c[1], c[2]);
        EquipmentRecord record = {};
        StageProcessors(c[3] ? with.access : without.access, record, processor.type, processor.fpuBuiltIn);
        EXPECT_EQ(record.cpuType, c[4]);
        EXPECT_EQ(record.fpuType, c[5]);
    }
}

// ---- CD-ROM, SCSI adapters, video card ----

TEST(IdentificationStages, CdromKindAndScsiAdapters) {
    const StageCase cases[] = {
        {"SCSI\\DISK\\0|DiskDrive|||3; ESDI\\CD\\0|CDROM", "CD-ROM kind=I"},
        {"SCSI\\A_CD\\0|CDROM|||6; SCSI\\B_CD\\0|CDROM|||0", "CD-ROM kind=S"}, // the first drive counts too
        {"Root\\*PNPA003\\0000; SCSI\\A_CD\\0|CDROM|||5", "CD-ROM kind=P"},    // the controller decides
        // The ids are device ids, not instance names or classes.
        {"SCSI\\A_CD\\ROOT&*PNPA030&0000|CDROM|||0; Root\\MITSUMI\\0000|*PNPA030", "CD-ROM kind=I"},
        {"Root\\*PNPA001\\0000; BIOS\\*PNPA01B\\0D; ISAPNP\\*PNPA02F\\0; Root\\*PNPA002", "SCSI adapters=3"}};
    ExpectStages(cases, StageCdrom, StageScsiAdaptors);
}

TEST(IdentificationVideo, CardNameBusAndClass) {
    const StageCase cases[] = {
        // The first display device names the card; the last true bus test of the last card remains.
        {"PCI\\V\\0|Display|S3|pci\\ven_5333; Root\\*PNP0900\\0000||VGA",
         "video card name=S3 | video bus=P | video class=5"},
        {"EISA\\A\\0|Display|ATI|EISA\\ATI4402; PCI\\V\\0|Display|S3|PCI",
         "video card name=ATI | video bus=P | video class=5"},
        {"PCI\\V\\0|Display|S3|PCI; Root\\X\\0|Display||*PNP0900",
         "video card name=S3 | video bus=P | video class=5"},
        {"Root\\X\\0000|Display|ET4000|VLB\\ET4000", "video card name=ET4000 | video bus=V | video class=4"},
        {"Root\\X\\0000|Display|ET4000|*PNP0906,VESA_LOCAL",
         "video card name=ET4000 | video bus=V | video class=4"},
        {"Root\\X\\0000|Display|ATI|PCI\\VEN_1002,EISA\\ATI",
         "video card name=ATI | video bus=E | video class=4"},
        {"PCI\\X\\0|MEDIA|Sound|PCI; Root\\Y\\0000|Display|VGA", "video card name=VGA | video class=3"},
        // Without a display device, the lowest display id *PNP0900..*PNP0962 found.
        {"BIOS\\*PNP0907\\05||Western Digital; Root\\*PNP0903\\0000||Trident",
         "video card name=Trident | video class=3"},
        {"Root\\*PNP0962\\0000||Last VGA", "video card name=Last VGA | video class=3"},
        {"Root\\*PNP0963\\0000||Too far", "video class=3"},
        // The id groups decide the class; the last group found wins, over the bus and the slow bit.
        {"Root\\*PNP0912\\0000||Tseng W32", "video card name=Tseng W32 | video class=5"},
        {"Root\\*PNP0931\\0000||C&T", "video card name=C&T | video class=5"},
        {"Root\\*PNP0901\\0000||Video Seven; Root\\*PNP0941\\0000",
         "video card name=Video Seven | video class=2"},
        {"P\\V\\0|Display|S3|PCI; Root\\*PNP090D\\0", "video card name=S3 | video bus=P | video class=2", 4},
        // No group: a slow machine (bit 4 of the metric), then the bus.
        {"", "video card name=Unaccelerated Card | video class=1", 5},
        {"", "video class=3", 3},
        {"PCI\\V\\0|Display|S3|PCI", "video card name=Unaccelerated Card | video bus=P | video class=5", 4}};
    ExpectStages(cases, StageVideoCardType, StageVideoCardWithMetric);
    const StageCase notSlow[] = {{"", "video class=3"}};
    ExpectStages(notSlow, StageVideoCard); // a machine Windows does not call slow
}

} // namespace
