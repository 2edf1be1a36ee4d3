// The Info library under Wine: each tool shows its lines at once, the reference tables have their
// line counts and layouts, and a click on a heading finds its Quick Help caption.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "library/info_win.h"
#include "platform/globals_win.h"
#include "report/report_lines.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

int CountOf(const std::string &text, char c) {
    int n = 0;
    for (char x : text)
        n += x == c;
    return n;
}

TEST(InfoLibrary, ReadingListsShowWholeAndFindTheirCaptions) {
    void (*const tools[])(HWND) = {InfoDataProtection,  InfoPcPerformance, InfoProgramming,
                                   InfoTroubleshooting, InfoUpgrading,     InfoWindows95};
    const int totals[] = {40, 33, 83, 38, 68, 30}; // entries, four headings, three blank lines
    for (int i = 0; i < 6; ++i) {
        std::vector<std::string> lines = RunTool(tools[i]);
        EXPECT_EQ(static_cast<int>(lines.size()), totals[i]);
        ExpectClicksFindCaptions(3250 + i, lines);
    }
}

TEST(InfoLibrary, ReferenceTablesHaveTheirCountsAndLayouts) {
    const struct {
        void (*tool)(HWND);
        int resource, helpId, lines, headings, headingCells, rowColumns;
        const char *firstHeading;
    } cases[] = {
        {InfoBiosBeeps, IDR_BIOS_BEEPS, 3256, 82, 4, 2, 2, "\006Beeps\t\006AMI BIOS"},
        {InfoFileExtensions, IDR_FILE_EXTENSIONS, 3257, 102, 1, 2, 2, "\006Extension\t\006File Type"},
        {InfoSystemErrors, IDR_SYSTEM_ERRORS, 3258, 353, 1, 3, 3, "\006Code\t\006Hardware\t\006Description"},
        {InfoWindowsShortcuts, IDR_WINDOWS_SHORTCUTS, 3260, 170, 21, 1, 2, "\006BASIC COMMANDS"},
        {InfoWindowsFiles, IDR_WINDOWS_FILES, 3259, 1175, 59, 2, 2, "\006.000\t\006COMPRESSED VOLUME FILES"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.resource);
        std::vector<std::string> source = QuickHelpLines(c.resource); // the RCDATA text, line by line
        for (const std::string &line : source)
            EXPECT_LE(line.size(), 255u) << line;
        std::vector<std::string> lines = RunTool(c.tool);
        ASSERT_EQ(static_cast<int>(lines.size()), c.lines);
        EXPECT_EQ(lines, source);
        EXPECT_EQ(g_report->damage, 0);
        EXPECT_EQ(lines[0], c.firstHeading);
        std::vector<std::string> headings;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string &line = lines[i];
            if (line[0] == '\006') {
                headings.push_back(line);
                EXPECT_EQ(CountOf(line, '\006'), c.headingCells) << line;
                EXPECT_EQ(CountOf(line, '\t'), c.headingCells - 1) << line;
            } else if (line == " ") {
                // Groups are separated by one line, never at either end, and a block starts after it.
                ASSERT_TRUE(i > 0 && i + 1 < lines.size());
                EXPECT_NE(lines[i - 1], " ");
                if (c.headings > 1) {
                    EXPECT_EQ(lines[i + 1][0], '\006') << i;
                }
            } else {
                EXPECT_EQ(CountOf(line, '\t'), c.rowColumns - 1) << line;
                size_t tab = line.find("\t\003");
                EXPECT_TRUE(tab != std::string::npos && tab > 0 && line.size() > tab + 2) << line;
            }
        }
        EXPECT_EQ(static_cast<int>(headings.size()), c.headings);
        ExpectClicksFindCaptions(c.helpId, headings);
    }
}

// Each block of the Windows 95 Files table is headed by its extension (with the dot) and the kind of
// file in capitals, and lists only files of that extension.
TEST(InfoLibrary, WindowsFilesBlocksHoldTheirOwnExtension) {
    std::string extension;
    for (const std::string &line : RunTool(InfoWindowsFiles)) {
        size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        if (line[0] == '\006') {
            extension = line.substr(1, tab - 1);
            std::string kind = line.substr(tab + 2);
            EXPECT_EQ(extension[0], '.') << line;
            EXPECT_TRUE(std::none_of(kind.begin(), kind.end(), ::islower)) << line;
        } else {
            std::string name = line.substr(0, tab);
            EXPECT_TRUE(name.size() > extension.size() &&
                        _stricmp(name.c_str() + name.size() - extension.size(), extension.c_str()) == 0)
                << line;
        }
    }
}

} // namespace
