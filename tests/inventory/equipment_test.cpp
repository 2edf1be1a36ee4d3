#include "inventory/equipment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

void Collect(void *context, const char *line) {
    static_cast<std::vector<std::string> *>(context)->push_back(line);
}

std::vector<std::string> Export(const EquipmentRecord &r) {
    std::vector<std::string> lines;
    WriteEquipmentFields(r, Collect, &lines);
    return lines;
}

bool Has(const std::vector<std::string> &lines, const std::string &line) {
    for (const std::string &l : lines)
        if (l == line)
            return true;
    return false;
}

TEST(EquipmentExport, EveryFieldByNameWithIndexesForArrays) {
    auto r = std::make_unique<EquipmentRecord>();
    QV_COPY_FIELD(r->computerName, "Default Computer");
    r->cpuType = 486;
    r->monitorSize = 15.0f;
    r->monitorDotPitch = 0.28f;
    r->busClockRating = 1.23456f;
    r->comUart[2] = 2;
    r->cdromKind = 'I';
    r->fixedDiskSize[1] = 6442450944ull; // 6 GB: past what 32 bits hold
    QV_COPY_FIELD(r->printerName[0], "HP LaserJet 4");
    std::vector<std::string> lines = Export(*r);
    EXPECT_EQ(lines[0], "computer name\tDefault Computer");
    EXPECT_TRUE(Has(lines, "CPU type\t486"));
    EXPECT_TRUE(Has(lines, "monitor size\t15"));
    EXPECT_TRUE(Has(lines, "monitor dot pitch\t0.28"));
    EXPECT_TRUE(Has(lines, "bus clock rating\t1.2346"));
    EXPECT_TRUE(Has(lines, "COM UART [2]\t2"));
    EXPECT_TRUE(Has(lines, "COM UART [1]\t0"));
    EXPECT_FALSE(Has(lines, "COM UART [0]\t0")) << "element 0 of a 1..n array is not a field";
    EXPECT_TRUE(Has(lines, "CD-ROM kind\tI"));
    EXPECT_TRUE(Has(lines, "video bus\t"));
    EXPECT_TRUE(Has(lines, "fixed disk size [1]\t6442450944"));
    EXPECT_TRUE(Has(lines, "printer name [0]\tHP LaserJet 4"));
    EXPECT_TRUE(Has(lines, "printer name [19]\t"));
    EXPECT_TRUE(Has(lines, "SCSI id present [0]\t0"));
    EXPECT_TRUE(Has(lines, "bus present [11]\t0"));
    for (const std::string &line : lines)
        EXPECT_NE(line.find('\t'), std::string::npos) << line;
}

TEST(EquipmentFields, CopiesAreCutAndTerminated) {
    char field[8];
    CopyField(field, sizeof field, "A longer value than the field");
    EXPECT_STREQ(field, "A longe");
    CopyField(field, sizeof field, nullptr);
    EXPECT_STREQ(field, "");
    CopyField(field, sizeof field, "short");
    EXPECT_STREQ(field, "short");
}

} // namespace
