// Video and Printers: names, capability tables and the lines of the capability and paper blocks.
#include "explore/device_caps.h"

#include <cstring>

const DeviceCapsLine kDeviceCapsLines[] = {
    {"Horizontal Size (mm)", 4},
    {"Vertical Size (mm)", 6},
    {"Horizontal Resolution", 8},
    {"Vertical Resolution", 10},
    {"Logical X Pixels Per Inch", 88},
    {"Logical Y Pixels Per Inch", 90},
    {"Color Bits Per Pixel", 12},
    {"Color Planes Per Pixel", 14},
    {"Device Brushes", 16},
    {"Device Pens", 18},
    {"Device Fonts", 22},
    {"Device Colors", 24},
    {"Line Horizontal Aspect", 40},
    {"Line Vertical Aspect", 42},
    {"Line Diagonal Aspect", 44},
    {"PDEVICE Size", 26},
    {"Device Clip Capable", kCapsClipCaps},
    {"System Palette Entries", 104},
    {"System Palette Reserved", 106},
    {"Color Info Bits Per Pixel", 108},
};
const int kDeviceCapsLineCount = sizeof kDeviceCapsLines / sizeof kDeviceCapsLines[0];

namespace {

const CapabilityBit kRasterBits[] = {
    {0x2, "Banding"},
    {0x1, "Bitmaps"},
    {0x8, "Huge Bitmaps"},
    {0x80, "DI Bitmap Processing"},
    {0x200, "DI Bitmap Display"},
    {0x1000, "Flood Fills"},
    {0x10, "Support Windows 2.0"},
    {0x100, "Palette"},
    {0x4, "Scaling"},
    {0x800, "Stretch Bitmaps"},
    {0x2000, "Stretch DI Bitmaps"},
    {0x400, "Huge Fonts"},
    {0x20, "Get Windows 2.0 State"},
    {0x4000, "OP and DX Support"},
    {0x40, "Save Bitmap Locally"},
};

const CapabilityBit kCurveBits[] = {
    {0x1, "Circles"},       {0x2, "Pie Wedges"},      {0x4, "Chord Arcs"},           {0x8, "Ellipses"},
    {0x10, "Wide Borders"}, {0x20, "Styled Borders"}, {0x40, "Wide/Styled Borders"}, {0x80, "Interiors"},
};

const CapabilityBit kLineBits[] = {
    {0x1, "Reserved"},    {0x2, "Polyline"},      {0x4, "Reserved"},           {0x8, "Reserved"},
    {0x10, "Wide Lines"}, {0x20, "Styled Lines"}, {0x40, "Wide/Styled Lines"}, {0x80, "Interiors"},
};

const CapabilityBit kPolygonBits[] = {
    {0x1, "Alternate Fill"}, {0x2, "Rectanges"},       {0x4, "Winding Number Fill"},  {0x8, "Scan Lines"},
    {0x10, "Wide Borders"},  {0x20, "Styled Borders"}, {0x40, "Wide/Styled Borders"}, {0x80, "Interiors"},
};

const CapabilityBit kTextBits[] = {
    {0x1, "Character Precision"}, {0x2, "Stroke Precision"}, {0x4, "Stroke Clip Precision"},
    {0x8, "90-Degree Rotation"},  {0x10, "Any Rotation"},    {0x20, "Independent Scaling"},
    {0x40, "Character Scaling"},  {0x80, "Integer Scaling"}, {0x100, "Exact Scaling"},
    {0x200, "Double-Weight"},     {0x400, "Italicizing"},    {0x800, "Underlining"},
    {0x1000, "Strikeouts"},       {0x2000, "Raster Fonts"},  {0x4000, "Vector Fonts"},
    {0x8000, "Reserved"},
};

template <int N> constexpr int Count(const CapabilityBit (&)[N]) {
    return N;
}

} // namespace

const CapabilityGroup kCapabilityGroups[] = {
    {"Raster Capabilities", 38, kRasterBits, Count(kRasterBits)},
    {"Curve Capabilities", 28, kCurveBits, Count(kCurveBits)},
    {"Line Capabilities", 30, kLineBits, Count(kLineBits)},
    {"Polygon Capabilities", 32, kPolygonBits, Count(kPolygonBits)},
    {"Text Capabilities", 34, kTextBits, Count(kTextBits)},
};
const int kCapabilityGroupCount = sizeof kCapabilityGroups / sizeof kCapabilityGroups[0];

double DecodeDriverVersion(int version) {
    unsigned v = static_cast<unsigned>(version) & 0xFFFF;
    unsigned major = v / 256;
    unsigned first = (v % 256) / 16;
    unsigned second = v % 16;
    return (major * 100 + first * 10 + second) / 100.0;
}

const char *TechnologyName(int technology) {
    static const char *const kNames[] = {"Vector Plotter", "Raster Display",   "Raster Printer",
                                         "Raster Camera",  "Character Stream", "Metafile",
                                         "Display File"};
    if (technology < 0 || technology >= static_cast<int>(sizeof kNames / sizeof kNames[0]))
        return "Unknown";
    return kNames[technology];
}

const char *PaperName(int paper) {
    switch (paper) {
        case 1:
        case 2:
        case 18:
            return "Letter: 8 1/2\" x 11\"";
        case 3:
            return "Tabloid: 11\" x 17\"";
        case 4:
            return "Ledger: 17\" x 11\"";
        case 5:
            return "Legal: 8 1/2\" x 14\"";
        case 6:
            return "Statement: 5 1/2\" x 8 1/2\"";
        case 7:
            return "Executive: 7 1/4\" x 10 1/2\"";
        case 8:
            return "A3 sheet: 297 x 420 mm";
        case 9:
            return "A4 Sheet: 210 x 297 mm";
        case 10:
            return "A4 small sheet: 210 x 297 mm";
        case 11:
            return "A5 sheet: 148 x 210 mm";
        case 12:
            return "B4 sheet: 250 x 354 mm";
        case 13:
            return "B5 sheet: 182 x 257 mm";
        case 14:
            return "Folio sheet: 8 1/2\" x 13\"";
        case 15:
            return "Quarto: 215 x 275 mm";
        case 16:
            return "10\" x 14\"";
        case 17:
            return "11\" x 17\"";
        case 19:
            return "#9 Envelopes";
        case 20:
            return "#10 Envelopes";
        case 21:
            return "#11 Envelopes";
        case 22:
            return "#12 Envelopes";
        case 23:
            return "#14 Envelopes";
        case 24:
            return "C Sheet: 17\" x 22\"";
        case 25:
            return "D Sheet: 22\" x 34\"";
        case 26:
            return "E Sheet: 34\" x 44\"";
        case 27:
            return "DL Envelope: 110 x 220 mm";
        case 28:
            return "C5 Envelope: 162 x 229 mm";
        case 29:
            return "C3 Envelope: 324 x 458 mm";
        case 30:
            return "C4 Envelope: 229 x 324 mm";
        case 31:
            return "C6 Envelope: 114 x 162 mm";
        case 32:
            return "C65 Envelope: 114 x 229 mm";
        case 33:
            return "B4 Envelope: 250 x 353 mm";
        case 34:
            return "B5 Envelope: 176 x 250 mm";
        case 35:
            return "B6 Envelope: 176 x 125 mm";
        case 37:
            return "Monarch Envelope: 3 7/8\" x 7 1/2\"";
        case 38:
            return "6 3/4\" Envelope";
        case 39:
            return "Fanfold: 14 7/8\" x 11\"";
        default:
            return "Custom Paper Size";
    }
}

namespace {

int CapsValue(const DeviceCapsValues &caps, int index) {
    return index >= 0 && index < kDeviceCapsIndexLimit ? caps.value[index] : 0;
}

} // namespace

void WriteDeviceCapsBlock(ReportBuffer &report, const DeviceCapsValues &caps) {
    AddReportLine(report, "Driver Version\t\003%0.1f",
                  DecodeDriverVersion(CapsValue(caps, kCapsDriverVersion)));
    AddReportLine(report, "Technology\t\003%s", TechnologyName(CapsValue(caps, kCapsTechnology)));
    for (int i = 0; i < kDeviceCapsLineCount; ++i) {
        const DeviceCapsLine &line = kDeviceCapsLines[i];
        int value = CapsValue(caps, line.index);
        if (line.index == kCapsClipCaps)
            AddReportLine(report, "%s\t%s", line.caption, YesNoMark(static_cast<unsigned long>(value)));
        else
            AddReportLine(report, "%s\t\003%d", line.caption, value);
    }
    for (int g = 0; g < kCapabilityGroupCount; ++g) {
        const CapabilityGroup &group = kCapabilityGroups[g];
        unsigned word = static_cast<unsigned>(CapsValue(caps, group.index));
        AddReportLine(report, "%s", group.title);
        for (int b = 0; b < group.bitCount; ++b)
            AddReportLine(report, "     %s\t%s", group.bits[b].caption, YesNoMark(word & group.bits[b].bit));
    }
}

int ListedEntries(int count, int held) {
    if (count <= 0 || held <= 0)
        return 0;
    return count < held ? count : held;
}

void WritePaperBlock(ReportBuffer &report, const PaperInfo &paper) {
    WritePaperSizes(report, paper);
    WriteResolutions(report, paper);
}

void WritePaperSizes(ReportBuffer &report, const PaperInfo &paper) {
    AddReportLine(report, "Driver Version\t\003%0.1f", DecodeDriverVersion(paper.driverVersion));
    AddReportLine(report, "Paper Sizes Supported\t\003%d", paper.paperCount);
    int papers = paper.papers ? ListedEntries(paper.paperCount, paper.papersHeld) : 0;
    for (int i = 0; i < papers; ++i)
        AddReportLine(report, "     Paper Size %d\t\003%s", i + 1, PaperName(paper.papers[i]));
}

void WriteResolutions(ReportBuffer &report, const PaperInfo &paper) {
    AddReportLine(report, "Resolutions Supported\t\003%d", paper.resolutionCount);
    int resolutions = paper.resolutions ? ListedEntries(paper.resolutionCount, paper.resolutionsHeld) : 0;
    for (int i = 0; i < resolutions; ++i)
        AddReportLine(report, "     Resolution %d\t\003%d x %d", i + 1,
                      static_cast<int>(paper.resolutions[2 * i]),
                      static_cast<int>(paper.resolutions[2 * i + 1]));
    AddReportLine(report, "Copies\t\003%d", paper.copies);
    AddReportLine(report, "Duplex Supported\t%s", YesNoMark(static_cast<unsigned long>(paper.duplex)));
}

bool IsParallelPort(const char *port) {
    return port && strstr(port, "LP") != nullptr;
}
