#include "monitor/history_csv.h"

#include <cstdio>
#include <cstring>

namespace {

struct Column {
    const char *name;
    const uint32_t *counts;
    int slots;
};

struct Total {
    const char *name;
    double value;
};

// Appends text to the line, never past its end.
void Append(char *line, size_t size, size_t &used, const char *text) {
    int n = snprintf(line + used, size - used, "%s", text);
    if (n > 0)
        used += static_cast<size_t>(n) < size - used ? static_cast<size_t>(n) : size - used - 1;
}

} // namespace

void WriteHistoryCsv(const PerformanceHistory &h, void (*writeLine)(void *, const char *), void *context) {
    const Column columns[] = {
        {"cpu", h.cpu, kUsageSlots},
        {"screen_change", h.screenChange, kUsageSlots},
        {"display_activity", h.displayActivity, kUsageSlots},
        {"physical_free", h.physicalFree, kUsageSlots},
        {"page_file_free", h.pageFileFree, kUsageSlots},
        {"virtual_free", h.virtualFree, kUsageSlots},
        {"memory_load", h.memoryLoad, kUsageSlots},
        {"paging", h.paging, kUsageSlots},
        {"print_pages", h.printPages, kUsageSlots},
        {"modem", h.modem, kUsageSlots},
        {"disk_free", h.diskFree, kUsageSlots},
        {"transfers", h.transfers, kUsageSlots},
        {"bytes_read", h.bytesRead, kUsageSlots},
        {"bytes_written", h.bytesWritten, kUsageSlots},
        {"reads", h.reads, kUsageSlots},
        {"writes", h.writes, kUsageSlots},
        {"read_size", h.readSize, kUsageSlots},
        {"write_size", h.writeSize, kUsageSlots},
        {"processes", h.processes, kSoftwareSlots},
        {"threads", h.threads, kSoftwareSlots},
        {"windows", h.windows, kSoftwareSlots},
        {"modules", h.modules, kSoftwareSlots},
        {"priority", h.priority, kPrioritySlots},
    };
    char line[1024];
    size_t used = 0;
    Append(line, sizeof line, used, "slot");
    for (const Column &c : columns) {
        Append(line, sizeof line, used, ",");
        Append(line, sizeof line, used, c.name);
    }
    writeLine(context, line);
    for (int slot = 0; slot < kSoftwareSlots; ++slot) {
        used = 0;
        char cell[16];
        snprintf(cell, sizeof cell, "%d", slot);
        Append(line, sizeof line, used, cell);
        // A histogram with fewer slots leaves its cell empty.
        for (const Column &c : columns) {
            if (slot < c.slots)
                snprintf(cell, sizeof cell, ",%u", static_cast<unsigned>(c.counts[slot]));
            else
                snprintf(cell, sizeof cell, ",");
            Append(line, sizeof line, used, cell);
        }
        writeLine(context, line);
    }
    const Total totals[] = {
        {"monitored_seconds", h.monitoredSeconds},
        {"active_seconds", h.activeSeconds},
        {"last_active_day", static_cast<double>(h.day)},
        {"last_active_month", static_cast<double>(h.month)},
        {"last_active_year", static_cast<double>(h.year)},
        {"days_seen", static_cast<double>(h.daysSeen)},
        {"keystrokes", static_cast<double>(h.keystrokes)},
        {"typing_seconds", static_cast<double>(h.typingSeconds)},
        {"help_keys", static_cast<double>(h.helpKeys)},
        {"pointer_actions", static_cast<double>(h.pointerActions)},
        {"right_clicks", static_cast<double>(h.rightClicks)},
        {"function_keys", static_cast<double>(h.functionKeys)},
        {"navigation_actions", static_cast<double>(h.navigationActions)},
        {"window_moves", static_cast<double>(h.windowMoves)},
        {"task_switches", static_cast<double>(h.taskSwitches)},
        {"shutdown_queries", static_cast<double>(h.shutdownQueries)},
        {"paging_peak", static_cast<double>(h.pagingPeak)},
        {"modem_peak", static_cast<double>(h.modemPeak)},
        {"transfers_peak", static_cast<double>(h.transfersPeak)},
        {"bytes_read_peak", static_cast<double>(h.bytesReadPeak)},
        {"bytes_written_peak", static_cast<double>(h.bytesWrittenPeak)},
        {"reads_peak", static_cast<double>(h.readsPeak)},
        {"writes_peak", static_cast<double>(h.writesPeak)},
        {"read_size_peak", static_cast<double>(h.readSizePeak)},
        {"write_size_peak", static_cast<double>(h.writeSizePeak)},
    };
    writeLine(context, "");
    writeLine(context, "name,value");
    for (const Total &t : totals) {
        // Seconds are kept as floats: print them whole where they are whole, as any count.
        snprintf(line, sizeof line, "%s,%.10g", t.name, t.value);
        writeLine(context, line);
    }
}
