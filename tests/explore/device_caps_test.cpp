// Video and Printers: version decoding, technology and paper names, the capability tables and the
// lines of the capability and paper blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "explore/device_caps.h"
#include "tests/report_buffer_helpers.h"

namespace {

TEST(DeviceCapsWords, DecodeDriverVersion) {
    const struct {
        int word;
        double value;
        const char *shown;
    } cases[] = {
        {0x0400, 4.0, "4.0"},  {0x0310, 3.1, "3.1"},    {0x030A, 3.1, "3.1"},  {0x0000, 0.0, "0.0"},
        {0x0001, 0.01, "0.0"}, {0x0A55, 10.55, "10.6"}, {-1, 256.65, "256.6"}, // a failed query: 0xFFFF
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_NEAR(DecodeDriverVersion(c.word), c.value, 1e-9);
        char text[32];
        snprintf(text, sizeof text, "%0.1f", DecodeDriverVersion(c.word));
        EXPECT_STREQ(text, c.shown);
    }
}

TEST(DeviceCapsWords, TechnologyName) {
    const struct {
        int value;
        const char *text;
    } cases[] = {{0, "Vector Plotter"},   {1, "Raster Display"}, {2, "Raster Printer"}, {3, "Raster Camera"},
                 {4, "Character Stream"}, {5, "Metafile"},       {6, "Display File"},   {7, "Unknown"},
                 {-1, "Unknown"},         {1000, "Unknown"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(TechnologyName(c.value), c.text);
    }
}

TEST(DeviceCapsWords, PaperName) {
    const struct {
        int value;
        const char *text;
    } cases[] = {
        {1, "Letter: 8 1/2\" x 11\""},
        {2, "Letter: 8 1/2\" x 11\""},
        {18, "Letter: 8 1/2\" x 11\""},
        {3, "Tabloid: 11\" x 17\""},
        {4, "Ledger: 17\" x 11\""},
        {5, "Legal: 8 1/2\" x 14\""},
        {6, "Statement: 5 1/2\" x 8 1/2\""},
        {7, "Executive: 7 1/4\" x 10 1/2\""},
        {8, "A3 sheet: 297 x 420 mm"},
        {9, "A4 Sheet: 210 x 297 mm"},
        {10, "A4 small sheet: 210 x 297 mm"},
        {11, "A5 sheet: 148 x 210 mm"},
        {12, "B4 sheet: 250 x 354 mm"},
        {13, "B5 sheet: 182 x 257 mm"},
        {14, "Folio sheet: 8 1/2\" x 13\""},
        {15, "Quarto: 215 x 275 mm"},
        {16, "10\" x 14\""},
        {17, "11\" x 17\""},
        {19, "#9 Envelopes"},
        {20, "#10 Envelopes"},
        {21, "#11 Envelopes"},
        {22, "#12 Envelopes"},
        {23, "#14 Envelopes"},
        {24, "C Sheet: 17\" x 22\""},
        {25, "D Sheet: 22\" x 34\""},
        {26, "E Sheet: 34\" x 44\""},
        {27, "DL Envelope: 110 x 220 mm"},
        {28, "C5 Envelope: 162 x 229 mm"},
        {29, "C3 Envelope: 324 x 458 mm"},
        {30, "C4 Envelope: 229 x 324 mm"},
        {31, "C6 Envelope: 114 x 162 mm"},
        {32, "C65 Envelope: 114 x 229 mm"},
        {33, "B4 Envelope: 250 x 353 mm"},
        {34, "B5 Envelope: 176 x 250 mm"},
        {35, "B6 Envelope: 176 x 125 mm"},
        {36, "Custom Paper Size"},
        {37, "Monarch Envelope: 3 7/8\" x 7 1/2\""},
        {38, "6 3/4\" Envelope"},
        {39, "Fanfold: 14 7/8\" x 11\""},
        {0, "Custom Paper Size"},
        {40, "Custom Paper Size"},
        {256, "Custom Paper Size"},
        {65535, "Custom Paper Size"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(PaperName(c.value), c.text);
    }
}

TEST(DeviceCapsTables, PlainLinesReadDistinctIndexes) {
    std::set<int> indexes;
    std::set<std::string> captions;
    for (int i = 0; i < kDeviceCapsLineCount; ++i) {
        SCOPED_TRACE(kDeviceCapsLines[i].caption);
        EXPECT_LT(kDeviceCapsLines[i].index, kDeviceCapsIndexLimit);
        EXPECT_TRUE(indexes.insert(kDeviceCapsLines[i].index).second);
        EXPECT_TRUE(captions.insert(kDeviceCapsLines[i].caption).second);
    }
}

TEST(DeviceCapsTables, CapabilityGroups) {
    ASSERT_EQ(kCapabilityGroupCount, 5);
    std::set<int> indexes;
    for (int g = 0; g < kCapabilityGroupCount; ++g) {
        const CapabilityGroup &group = kCapabilityGroups[g];
        SCOPED_TRACE(group.title);
        EXPECT_LT(group.index, kDeviceCapsIndexLimit);
        EXPECT_TRUE(indexes.insert(group.index).second);
        // Each line names one flag, and no flag is listed twice.
        unsigned seen = 0;
        for (int b = 0; b < group.bitCount; ++b) {
            unsigned bit = group.bits[b].bit;
            EXPECT_TRUE(bit != 0 && (bit & (bit - 1)) == 0) << group.bits[b].caption;
            EXPECT_EQ(seen & bit, 0u) << group.bits[b].caption;
            seen |= bit;
        }
    }
    // Spot checks: raster flags are listed out of bit order, text flags run up to 0x8000.
    EXPECT_STREQ(kCapabilityGroups[0].title, "Raster Capabilities");
    EXPECT_EQ(kCapabilityGroups[0].bits[0].bit, 0x2u);
    EXPECT_STREQ(kCapabilityGroups[0].bits[0].caption, "Banding");
    const CapabilityGroup &text = kCapabilityGroups[4];
    EXPECT_EQ(text.bitCount, 16);
    EXPECT_EQ(text.bits[15].bit, 0x8000u);
}

TEST(DeviceCapsBlock, LinesInOrderWithValuesAndFlags) {
    auto r = NewReport();
    DeviceCapsValues caps = {};
    caps.value[0] = 0x0400;
    caps.value[2] = 1;
    caps.value[4] = 320;
    caps.value[8] = 640;
    caps.value[36] = 1;
    caps.value[104] = 256;
    caps.value[38] = 0x2 | 0x100;
    caps.value[28] = 0xFF;
    caps.value[30] = 0;
    caps.value[32] = 0x2;
    caps.value[34] = 0x8 | 0x8000;
    WriteDeviceCapsBlock(*r, caps);
    ASSERT_EQ(r->count, 2 + 20 + 5 + 15 + 8 + 8 + 8 + 16);
    EXPECT_STREQ(r->line[0], "Driver Version\t\0034.0");
    EXPECT_STREQ(r->line[1], "Technology\t\003Raster Display");
    EXPECT_STREQ(r->line[2], "Horizontal Size (mm)\t\003320");
    EXPECT_STREQ(r->line[4], "Horizontal Resolution\t\003640");
    EXPECT_STREQ(r->line[18], "Device Clip Capable\t\003Yes");
    EXPECT_STREQ(r->line[19], "System Palette Entries\t\003256");
    EXPECT_STREQ(r->line[21], "Color Info Bits Per Pixel\t\0030");
    EXPECT_STREQ(r->line[22], "Raster Capabilities");
    EXPECT_STREQ(r->line[23], "     Banding\t\003Yes");
    EXPECT_STREQ(r->line[24], "     Bitmaps\t\003No");
    EXPECT_STREQ(r->line[30], "     Palette\t\003Yes");
    EXPECT_STREQ(r->line[38], "Curve Capabilities");
    EXPECT_STREQ(r->line[46], "     Interiors\t\003Yes");
    EXPECT_STREQ(r->line[47], "Line Capabilities");
    EXPECT_STREQ(r->line[49], "     Polyline\t\003No");
    EXPECT_STREQ(r->line[56], "Polygon Capabilities");
    EXPECT_STREQ(r->line[58], "     Rectanges\t\003Yes");
    EXPECT_STREQ(r->line[65], "Text Capabilities");
    EXPECT_STREQ(r->line[69], "     90-Degree Rotation\t\003Yes");
    EXPECT_STREQ(r->line[81], "     Reserved\t\003Yes");
    EXPECT_EQ(r->damage, 0);
}

TEST(DeviceCapsBlock, UnknownTechnologyAndZeroDevice) {
    auto r = NewReport();
    DeviceCapsValues caps = {};
    caps.value[2] = 9;
    WriteDeviceCapsBlock(*r, caps);
    EXPECT_STREQ(r->line[0], "Driver Version\t\0030.0");
    EXPECT_STREQ(r->line[1], "Technology\t\003Unknown");
    EXPECT_STREQ(r->line[18], "Device Clip Capable\t\003No");
}

TEST(DeviceCapsPapers, ListedEntries) {
    const struct {
        int count, held, listed;
    } cases[] = {{0, 512, 0},     {-1, 512, 0}, {3, 512, 3}, {512, 512, 512},
                 {600, 512, 512}, {5, 0, 0},    {5, -1, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " " << c.held);
        EXPECT_EQ(ListedEntries(c.count, c.held), c.listed);
    }
}

TEST(DeviceCapsPapers, PaperBlockLines) {
    auto r = NewReport();
    const uint16_t papers[] = {1, 9, 18, 36};
    const int32_t resolutions[] = {300, 300, 600, 1200};
    PaperInfo paper = {};
    paper.driverVersion = 0x0310;
    paper.paperCount = 4;
    paper.papers = papers;
    paper.papersHeld = 4;
    paper.resolutionCount = 2;
    paper.resolutions = resolutions;
    paper.resolutionsHeld = 2;
    paper.copies = 99;
    paper.duplex = 1;
    WritePaperBlock(*r, paper);
    const std::vector<std::string> expected = {
        "Driver Version\t\0033.1",
        "Paper Sizes Supported\t\0034",
        "     Paper Size 1\t\003Letter: 8 1/2\" x 11\"",
        "     Paper Size 2\t\003A4 Sheet: 210 x 297 mm",
        "     Paper Size 3\t\003Letter: 8 1/2\" x 11\"",
        "     Paper Size 4\t\003Custom Paper Size",
        "Resolutions Supported\t\0032",
        "     Resolution 1\t\003300 x 300",
        "     Resolution 2\t\003600 x 1200",
        "Copies\t\00399",
        "Duplex Supported\t\003Yes",
    };
    EXPECT_EQ(Lines(*r), expected);
}

TEST(DeviceCapsPapers, FailedQueriesShowTheirValuesAndListNothing) {
    auto r = NewReport();
    PaperInfo paper = {};
    paper.driverVersion = 0x0400;
    paper.paperCount = -1;
    paper.resolutionCount = -1;
    paper.copies = -1;
    paper.duplex = 0;
    WritePaperBlock(*r, paper);
    const std::vector<std::string> expected = {
        "Driver Version\t\0034.0", "Paper Sizes Supported\t\003-1", "Resolutions Supported\t\003-1",
        "Copies\t\003-1",          "Duplex Supported\t\003No",
    };
    EXPECT_EQ(Lines(*r), expected);
}

TEST(DeviceCapsPapers, OnlyTheValuesReadAreListed) {
    auto r = NewReport();
    std::vector<uint16_t> papers(10, 9);
    PaperInfo paper = {};
    paper.paperCount = 700; // the printer says more than could be read
    paper.papers = papers.data();
    paper.papersHeld = 10;
    WritePaperSizes(*r, paper);
    ASSERT_EQ(r->count, 2 + 10);
    EXPECT_STREQ(r->line[1], "Paper Sizes Supported\t\003700");
    EXPECT_STREQ(r->line[11], "     Paper Size 10\t\003A4 Sheet: 210 x 297 mm");
}

TEST(DeviceCapsPapers, AReportPastThreeThousandLinesIsCutAndSaysSo) {
    auto r = NewReport();
    std::vector<uint16_t> papers(4000, 5);
    PaperInfo paper = {};
    paper.paperCount = 4000;
    paper.papers = papers.data();
    paper.papersHeld = 4000;
    WritePaperBlock(*r, paper);
    EXPECT_EQ(r->count, kReportSlots);
    EXPECT_NE(r->damage & kReportLinesDropped, 0);
    int count = EndReport(*r);
    EXPECT_EQ(count, kReportSlots);
    EXPECT_EQ(std::string(r->line[count - 1]).rfind(kReportCutCaption, 0), 0u);
    EXPECT_STREQ(r->line[count - 2], "     Paper Size 2997\t\003Legal: 8 1/2\" x 14\"");
}

TEST(DeviceCapsPorts, OnlyPortsWithLPAreParallel) {
    const struct {
        const char *port;
        bool parallel;
    } cases[] = {{"LPT1:", true},  {"LPT3:", true},  {"\\\\server\\LPT1", true}, {"CUPS:LPq", true},
                 {"COM1:", false}, {"FILE:", false}, {"lpt1:", false},           {"Lp", false},
                 {"", false},      {nullptr, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.port ? c.port : "(null)");
        EXPECT_EQ(IsParallelPort(c.port), c.parallel);
    }
}

} // namespace
