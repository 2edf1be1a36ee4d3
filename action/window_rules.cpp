#include "action/window_rules.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "resources/resource_ids.h"

const char kKernelQuestion[] = "The priority of KERNEL32 processes should not be changed! Doing so could "
                               "cause your system to fail! Continue anyway?";
const char kKernelCaption[] = "KERNEL32 Priority Changes";

namespace {

const PriorityChoice kChoices[] = {
    {IDC_PRIORITY_IDLE, 0x40,
     "A program with Idle Priority may never get any processing time, and may appear to be frozen unless "
     "you are using it. Continue anyway?",
     "Idle Priority"},
    {IDC_PRIORITY_NORMAL, 0x20, nullptr, nullptr},
    {IDC_PRIORITY_HIGH, 0x80, nullptr, nullptr},
    {IDC_PRIORITY_MAXIMUM, 0x100,
     "Maximum Priority can cause your system to perform erratically. If you must use it, use it for a "
     "short time only",
     "Maximum Priority"},
};

} // namespace

void FormatItemLine(const char *name, uint64_t number, char *destination, size_t size) {
    if (!size)
        return;
    char tail[24];
    int tailLength = snprintf(tail, sizeof tail, "\t%" PRIu64, number);
    size_t room = size > static_cast<size_t>(tailLength) ? size - 1 - tailLength : 0;
    size_t nameLength = name ? strnlen(name, room) : 0;
    if (nameLength)
        memcpy(destination, name, nameLength);
    snprintf(destination + nameLength, size - nameLength, "%s", tail);
}

bool ItemLineNumber(const char *line, uint64_t *value) {
    const char *tab = line ? strchr(line, '\t') : nullptr;
    if (!tab || tab[1] < '0' || tab[1] > '9')
        return false;
    *value = strtoull(tab + 1, nullptr, 10);
    return true;
}

void ProcessDisplayName(const char *caption, const char *moduleName, char *destination, size_t size) {
    if (!size)
        return;
    if (caption && caption[0]) {
        CopyOutsideText(caption, destination, size);
        return;
    }
    char stem[256] = "";
    if (moduleName) {
        CopyOutsideText(moduleName, stem, sizeof stem);
        if (char *dot = strchr(stem, '.'))
            *dot = '\0';
    }
    if (stem[0])
        CopyUpper(stem, destination, size);
    else
        snprintf(destination, size, "Unknown Program");
}

const PriorityChoice *PriorityChoiceOfButton(int button) {
    for (const PriorityChoice &choice : kChoices)
        if (choice.button == button)
            return &choice;
    return nullptr;
}

int ButtonOfPriorityClass(unsigned long cls) {
    for (const PriorityChoice &choice : kChoices)
        if (choice.cls == cls)
            return choice.button;
    return 0;
}

bool NeedsKernelWarning(const char *processLine) {
    return processLine && strstr(processLine, "KERNEL") != nullptr;
}

int ThreadPriorityIcon(long basePriority, long deltaPriority) {
    unsigned long level =
        static_cast<unsigned long>(basePriority) + static_cast<unsigned long>(deltaPriority);
    return IDI_THREAD_PRIORITY + static_cast<int>(level > 31 ? 32 : level);
}

void TileRects(const ScreenRect &work, int count, ScreenRect *out) {
    if (count <= 0)
        return;
    int columns = count <= 3 ? count : 1;
    while (count > 3 && columns * columns < count)
        ++columns;
    int width = work.right - work.left;
    int height = work.bottom - work.top;
    int index = 0;
    for (int c = 0; c < columns; ++c) {
        // The last count % columns columns take one window more.
        int rows = count / columns + (c >= columns - count % columns ? 1 : 0);
        int left = work.left + width * c / columns;
        int right = work.left + width * (c + 1) / columns;
        for (int r = 0; r < rows; ++r, ++index)
            out[index] = {left, work.top + height * r / rows, right, work.top + height * (r + 1) / rows};
    }
}

void CascadeRects(const ScreenRect &work, int step, int count, ScreenRect *out) {
    int width = (work.right - work.left) * 2 / 3;
    int height = (work.bottom - work.top) * 2 / 3;
    if (step < 1)
        step = 1;
    int roomX = (work.right - work.left - width) / step + 1;
    int roomY = (work.bottom - work.top - height) / step + 1;
    int run = roomX < roomY ? roomX : roomY;
    if (run < 1)
        run = 1;
    for (int i = 0; i < count; ++i) {
        int offset = (i % run) * step;
        out[i] = {work.left + offset, work.top + offset, work.left + offset + width,
                  work.top + offset + height};
    }
}
