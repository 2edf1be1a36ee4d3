// Video and Printers: version decoding, technology and paper names, the capability and paper blocks.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "explore/device_caps.h"
#include "tests/report_buffer_helpers.h"

namespace {

TEST(DeviceCapsWords, DriverVersionsTechnologiesAndPapers) {
    const struct {
        int word;
        const char *shown;
    } versions[] = {{0x0400, "4.0"}, {0x0310, "3.1"}, {0x030A, "3.1"}, {0x0A55, "10.6"}, {-1, "256.6"}};
    for (const auto &c : versions) {
        SCOPED_TRACE(c.word);
        char text[32];
        snprintf(text, sizeof text, "%0.1f", DecodeDriverVersion(c.word));
        EXPECT_STREQ(text, c.shown);
    }
    EXPECT_DOUBLE_EQ(DecodeDriverVersion(0x0001), 0.01);

    EXPECT_STREQ(TechnologyName(0), "Vector Plotter");
    EXPECT_STREQ(TechnologyName(6), "Display File");
    EXPECT_STREQ(TechnologyName(7), "Unknown");
    EXPECT_STREQ(TechnologyName(-1), "Unknown");

    // Three codes share the letter size; 36 and everything past 39 are custom.
    const struct {
        int value;
        const char *text;
    } papers[] = {{1, "Letter: 8 1/2\" x 11\""},     {2, "Letter: 8 1/2\" x 11\""},
                  {18, "Letter: 8 1/2\" x 11\""},    {9, "A4 Sheet: 210 x 297 mm"},
                  {35, "B6 Envelope: 176 x 125 mm"}, {36, "Custom Paper Size"},
                  {39, "Fanfold: 14 7/8\" x 11\""},  {0, "Custom Paper Size"},
                  {40, "Custom Paper Size"},         {65535, "Custom Paper Size"}};
    for (const auto &c : papers) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(PaperName(c.value), c.text);
    }
}

TEST(DeviceCapsBlock, ValuesFlagsAndGroupsInOrder) {
    DeviceCapsValues caps = {};
    caps.value[0] = 0x0400;
    caps.value[2] = 1;
    caps.value[4] = 320;
    caps.value[36] = 1;
    caps.value[108] = 24;
    caps.value[38] = 0x2 | 0x100;
    caps.value[28] = 0x80;
    caps.value[34] = 0x8000;
    auto r = NewReport();
    WriteDeviceCapsBlock(*r, caps);
    ASSERT_EQ(r->count, 2 + 20 + 5 + 15 + 8 + 8 + 8 + 16);
    // The plain lines in order, then each group's title and its flags, found in this order.
    const std::string text = ReportText(*r);
    size_t at = 0;
    for (const char *part :
         {"Driver Version\t\0034.0\nTechnology\t\003Raster Display\n"
          "Horizontal Size (mm)\t\003320\nVertical Size (mm)\t\0030\n",
          "Device Clip Capable\t\003Yes\nSystem Palette Entries\t\0030\n",
          "Color Info Bits Per Pixel\t\00324\nRaster Capabilities\n     Banding\t\003Yes\n"
          "     Bitmaps\t\003No\n",
          "     Palette\t\003Yes\n", "     Interiors\t\003Yes\nLine Capabilities\n",
          "Text Capabilities\n     Character Precision\t\003No\n", "     Reserved\t\003Yes\n"}) {
        at = text.find(part, at);
        ASSERT_NE(at, std::string::npos) << part;
    }

    auto zero = NewReport();
    caps = {};
    caps.value[2] = 9;
    WriteDeviceCapsBlock(*zero, caps);
    EXPECT_STREQ(zero->line[1], "Technology\t\003Unknown");
    EXPECT_STREQ(zero->line[18], "Device Clip Capable\t\003No");
}

TEST(DeviceCapsPapers, PaperBlock) {
    const uint16_t papers[] = {1, 9, 36};
    const int32_t resolutions[] = {300, 300, 600, 1200};
    PaperInfo paper = {0x0310, 700, papers, 3, 2, resolutions, 2, 99, 1};
    auto r = NewReport();
    WritePaperBlock(*r, paper);
    const std::string expected = // more papers than could be read: only those read are listed
        "Driver Version\t\0033.1\nPaper Sizes Supported\t\003700\n"
        "     Paper Size 1\t\003Letter: 8 1/2\" x 11\"\n     Paper Size 2\t\003A4 Sheet: 210 x 297 mm\n"
        "     Paper Size 3\t\003Custom Paper Size\nResolutions Supported\t\0032\n"
        "     Resolution 1\t\003300 x 300\n     Resolution 2\t\003600 x 1200\nCopies\t\00399\n"
        "Duplex Supported\t\003Yes\n";
    EXPECT_EQ(ReportText(*r), expected);

    // Failed queries show their values and list nothing, nor do lists of which nothing was read.
    PaperInfo failed = {0x0400, -1, papers, 3, 2, resolutions, 0, -1, 0};
    auto f = NewReport();
    WritePaperBlock(*f, failed);
    const std::string failedLines =
        "Driver Version\t\0034.0\nPaper Sizes Supported\t\003-1\nResolutions Supported\t\0032\n"
        "Copies\t\003-1\nDuplex Supported\t\003No\n";
    EXPECT_EQ(ReportText(*f), failedLines);
}

TEST(DeviceCapsPorts, OnlyPortsWithLPAreParallel) {
    EXPECT_TRUE(IsParallelPort("\\\\server\\LPT1"));
    EXPECT_FALSE(IsParallelPort("lpt1:"));
    EXPECT_FALSE(IsParallelPort("COM1:"));
    EXPECT_FALSE(IsParallelPort(nullptr));
}

} // namespace
