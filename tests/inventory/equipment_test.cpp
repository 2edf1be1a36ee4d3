// The equipment record's text form (the /equipment export) and its field copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/inventory/inventory_test_helpers.h"

namespace {

// The names of the export lines in order of first appearance; the lines of an array become one
// "name [first-last]".
std::string FieldNames(const std::vector<std::string> &lines) {
    std::vector<std::pair<std::string, std::string>> fields; // name, first and last index
    for (const std::string &line : lines) {
        std::string name = line.substr(0, line.find('\t')), index;
        if (name.back() == ']') {
            index = name.substr(name.rfind('[') + 1, name.size() - name.rfind('[') - 2);
            name.resize(name.rfind(" ["));
        }
        auto field =
            std::find_if(fields.begin(), fields.end(), [&](const auto &f) { return f.first == name; });
        if (field == fields.end())
            fields.push_back({name, index.empty() ? "" : " [" + index + "-" + index + "]"});
        else
            field->second = field->second.substr(0, field->second.find('-') + 1) + index + "]";
    }
    std::string names;
    for (const auto &[name, indexes] : fields)
        names += (names.empty() ? "" : ", ") + name + indexes;
    return names;
}

TEST(EquipmentExport, EveryFieldInOrderArraysByIndex) {
    // Arrays described as 1..n have no line for their element 0.
    EXPECT_EQ(FieldNames(ExportLines(*std::make_unique<EquipmentRecord>())),
              "computer name, BIOS date, BIOS name, CPU type, FPU type, standard clock, bus clock, "
              "bus clock rating, raw clock, raw clock rating, DMA controller [1-3], SCSI id present [0-7], "
              "interrupt controller [1-5], bus present [1-11], timer [1-3], physical memory, "
              "physical memory MB, page file, virtual memory, hard disk controllers, "
              "hard disk controller on PCI, hard disk controller on VL, hard disk controller on EISA, "
              "floppy controllers, SCSI adapters, fixed disks, CD-ROM drives, floppy drives, "
              "fixed disk size [0-9], floppy drive capacity [0-9], floppy drive size in inches [0-9], "
              "CD-ROM kind, video card name, video bus, video class, monitor name, monitor size, "
              "monitor dot pitch, monitor maximum width, monitor area, COM UART [1-4], COM present [1-4], "
              "game port, LPT present [1-3], LPT ECP [1-3], PS/2 port, modem name, modem speed [0-3], "
              "keyboard keys, function keys, keyboard name, mouse name, mouse buttons, joysticks, "
              "sound card name, MCI device name, wave input name, wave output name, auxiliary audio name, "
              "MIDI input name, MIDI output name, Windows version, Windows build, Windows platform, "
              "printer name [0-19], processor name");
}

TEST(EquipmentExport, ValuesOfEachKind) {
    auto r = std::make_unique<EquipmentRecord>();
    memset(r->computerName, 'x', sizeof r->computerName); // no terminator: read no further
    QV_COPY_FIELD(r->biosDate, "07/15/95");
    r->cpuType = 486;
    r->busClockRating = 1.23456f; // up to four decimals, trailing zeros dropped
    r->rawClockRating = 2.5f;
    r->physicalMemory = 4294967295u;
    r->fixedDiskSize[1] = 6442450944ull; // 6 GB: past what 32 bits hold
    r->cdromKind = 'I';
    r->monitorSize = 15.0f;
    r->monitorDotPitch = 0.28f;
    r->comUart[2] = 2;
    QV_COPY_FIELD(r->printerName[19], "HP LaserJet 4");
    EXPECT_EQ(ChangedFields(*r),
              "computer name=xxxxxxxxxxxxxxxxx | BIOS date=07/15/95 | CPU type=486 | "
              "bus clock rating=1.2346 | raw clock rating=2.5 | physical memory=4294967295 | "
              "fixed disk size [1]=6442450944 | CD-ROM kind=I | monitor size=15 | monitor dot pitch=0.28 | "
              "COM UART [2]=2 | printer name [19]=HP LaserJet 4");
}

TEST(EquipmentFields, CopiesAreCutAndTerminated) {
    char field[8] = "xxxxxxx";
    CopyField(field, sizeof field, "A longer value than the field");
    EXPECT_STREQ(field, "A longe");
    CopyField(field, sizeof field, "short");
    EXPECT_STREQ(field, "short");
    CopyField(field, 0, "nothing fits"); // no room even for the terminator: untouched
    EXPECT_STREQ(field, "short");
    CopyField(field, sizeof field, nullptr);
    EXPECT_STREQ(field, "");
}

} // namespace
