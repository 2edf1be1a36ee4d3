#include "explore/process_views.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/utilities.h"

namespace {

// Appends word and ", " to out, never past its end.
void AppendWord(char *out, size_t outSize, const char *word) {
    size_t used = strnlen(out, outSize);
    if (used + 1 >= outSize)
        return;
    snprintf(out + used, outSize - used, "%s, ", word);
}

// Removes the ", " after the last word.
void DropLastSeparator(char *out, size_t outSize) {
    size_t used = strnlen(out, outSize);
    if (used >= 2 && out[used - 2] == ',' && out[used - 1] == ' ')
        out[used - 2] = 0;
}

void AddEmptyLine(ReportBuffer &report) {
    AddReportLine(report, "%s", "");
}

std::string UpperKey(const char *path) {
    std::string key(path ? path : "");
    for (char &c : key)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return key;
}

} // namespace

void WindowStyleWords(unsigned long style, char *out, size_t outSize) {
    if (outSize == 0)
        return;
    out[0] = 0;
    AppendWord(out, outSize, (style & kStylePopup) ? "POPUP" : "OVERLAPPED");
    if (style & kStyleBorder)
        AppendWord(out, outSize, "BORDER");
    if (style & kStyleCaption)
        AppendWord(out, outSize, "CAPTION");
    if (style & kStyleMaximizeBox)
        AppendWord(out, outSize, "MAXIMIZE BOX");
    if (style & kStyleMinimizeBox)
        AppendWord(out, outSize, "MINIMIZE BOX");
    if (style & kStyleSystemMenu)
        AppendWord(out, outSize, "SYSTEM MENU");
    DropLastSeparator(out, outSize);
}

void WindowStatusWords(const WindowState &state, char *out, size_t outSize) {
    if (outSize == 0)
        return;
    out[0] = 0;
    if (state.iconic)
        AppendWord(out, outSize, "Iconed");
    else if (state.zoomed)
        AppendWord(out, outSize, "Maximized");
    else
        AppendWord(out, outSize, "Windowed");
    AppendWord(out, outSize, (state.visible && (state.style & kStyleCaption)) ? "Visible" : "Hidden");
    if (state.focus)
        AppendWord(out, outSize, "Focus");
    DropLastSeparator(out, outSize);
}

const char *PriorityClassWord(unsigned long priorityClass) {
    switch (priorityClass) {
        case kIdlePriorityClass:
            return "IDLE";
        case kNormalPriorityClass:
            return "NORMAL";
        case kHighPriorityClass:
            return "HIGH";
        case kRealtimePriorityClass:
            return "REALTIME";
        default:
            return nullptr;
    }
}

void NameBeforeDot(const char *text, char *out, size_t outSize) {
    if (outSize == 0)
        return;
    out[0] = 0;
    if (!text)
        return;
    size_t n = 0;
    while (text[n] && text[n] != '.' && n + 1 < outSize)
        ++n;
    memcpy(out, text, n);
    out[n] = 0;
}

const char *PathFileName(const char *path) {
    if (!path)
        return "";
    const char *name = path;
    for (const char *p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    return name;
}

void AddHeapBlock(HeapSums &sums, unsigned long flags, unsigned long size) {
    // Unsigned 32-bit sums, as the program has always kept them.
    auto add = [size](unsigned long &sum) { sum = (sum + size) & 0xFFFFFFFFUL; };
    if (flags == kHeapBlockFixed)
        add(sums.fixed);
    else if (flags == kHeapBlockFree)
        add(sums.free);
    else if (flags == kHeapBlockMoveable)
        add(sums.moveable);
}

bool AddModulePath(ModulePathSet &set, const char *path) {
    if (!set.keys.insert(UpperKey(path)).second)
        return false;
    set.paths.emplace_back(path ? path : "");
    return true;
}

void WriteProcessMemoryBlock(ReportBuffer &report, const ProcessMemoryFacts &facts) {
    const char *heading = (facts.caption && facts.caption[0]) ? facts.caption : facts.processName;
    AddReportLine(report, "\006\002%s", heading ? heading : "");
    AddReportLine(report, "Module Path\t\003%s", facts.path ? facts.path : "");
    AddReportLine(report, "Process ID\t\003%lu", facts.processId);
    AddReportLine(report, "Fixed Memory\t\003%lu", facts.heaps.fixed);
    AddReportLine(report, "Moveable Memory\t\003%lu", facts.heaps.moveable);
    AddReportLine(report, "Free Memory\t\003%lu", facts.heaps.free);
    AddEmptyLine(report);
}

void BeginProcessList(ReportBuffer &report) {
    BeginReport(report);
    for (int i = 0; i < 5; ++i)
        AddEmptyLine(report);
}

void WriteProcessListSummary(ReportBuffer &report, unsigned long processes, unsigned long threads) {
    char line[kReportSlotSize];
    SetReportLine(report, 0, "\006Processes");
    snprintf(line, sizeof line, "Active Processes\t\003%lu", processes);
    SetReportLine(report, 1, line);
    snprintf(line, sizeof line, "Active Threads\t\003%lu", threads);
    SetReportLine(report, 2, line);
}

void WriteProcessListHeader(ReportBuffer &report, const char *processName, const char *path,
                            unsigned long modules, unsigned long threads) {
    AddReportLine(report, "\006\002%s", processName ? processName : "");
    AddReportLine(report, "File Name\t\003%s", path ? path : "");
    AddReportLine(report, "Modules\t\003%lu", modules);
    AddReportLine(report, "Threads\t\003%lu", threads);
    AddEmptyLine(report);
    AddReportLine(report, "%s", "\006Module List");
}

void WriteProcessModuleLine(ReportBuffer &report, const char *module, const char *path) {
    AddReportLine(report, "\003%s\t\003%s", module ? module : "", path ? path : "");
}

void WriteModuleListHeader(ReportBuffer &report, unsigned long paths) {
    AddReportLine(report, "%s", "\006Modules");
    AddReportLine(report, "Active Modules\t\003%lu", paths);
    AddEmptyLine(report);
}

void WriteModuleListLine(ReportBuffer &report, const char *fileTitle, const char *path) {
    char name[kReportSlotSize];
    char upper[kReportSlotSize];
    NameBeforeDot(fileTitle, name, sizeof name);
    upper[0] = 0;
    CopyUpper(path ? path : "", upper, sizeof upper);
    AddReportLine(report, "\003%s\t\003%s", name, upper);
}

void WritePriorityHeader(ReportBuffer &report, const char *processName, const char *priorityWord) {
    AddReportLine(report, "\006\002%s", processName ? processName : "");
    if (priorityWord)
        AddReportLine(report, "Process Priority Class\t\003%s", priorityWord);
    AddEmptyLine(report);
    AddReportLine(report, "%s", "\006Threads\t\006Base Priority\t\006Current Priority");
}

void WritePriorityThreadLine(ReportBuffer &report, const char *caption, unsigned long threadId,
                             long basePriority, long deltaPriority) {
    // The priorities are shown as the unsigned numbers the program has always printed.
    unsigned long base = static_cast<unsigned long>(basePriority) & 0xFFFFFFFFUL;
    unsigned long current =
        (static_cast<unsigned long>(basePriority) + static_cast<unsigned long>(deltaPriority)) & 0xFFFFFFFFUL;
    if (caption && caption[0])
        AddReportLine(report, "\003%s\t\003%lu\t\003%lu", caption, base, current);
    else
        AddReportLine(report, "\003%lu\t\003%lu\t\003%lu", threadId, base, current);
}

void WriteWindowBlock(ReportBuffer &report, const WindowFacts &facts) {
    char words[kReportSlotSize];
    AddReportLine(report, "\006\002%s", (facts.text && facts.text[0]) ? facts.text : "No Title");
    AddReportLine(report, "Owner\t\003%s", facts.owner ? facts.owner : "");
    WindowStyleWords(facts.style, words, sizeof words);
    AddReportLine(report, "Window Style\t\003%s", words);
    AddReportLine(report, "Window Dimensions\t\003%d x %d", facts.windowWidth, facts.windowHeight);
    AddReportLine(report, "Client Dimensions\t\003%d x %d", facts.clientWidth, facts.clientHeight);
    WindowStatusWords(facts.state, words, sizeof words);
    AddReportLine(report, "Status\t\003%s", words);
    AddEmptyLine(report);
}

bool RoomInReport(ReportBuffer &report) {
    if (report.count < kReportSlots)
        return true;
    report.damage |= kReportLinesDropped;
    return false;
}
