#include "monitor/system_counters_win.h"

#include <windows.h>
#include <pdh.h>
#include <pdhmsg.h>

#include "monitor/rates.h"

namespace {

bool g_systemCounters;
bool g_havePreviousTimes;
ProcessorTimes g_previousTimes;

// ---- Processor times ----

using SystemTimesCall = BOOL(WINAPI *)(FILETIME *, FILETIME *, FILETIME *);

uint64_t Ticks(const FILETIME &t) {
    return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

bool ReadProcessorTimes(ProcessorTimes *times) {
    static const auto systemTimes = reinterpret_cast<SystemTimesCall>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetSystemTimes")));
    FILETIME idle, kernel, user;
    if (!systemTimes || !systemTimes(&idle, &kernel, &user))
        return false;
    *times = {Ticks(idle), Ticks(kernel), Ticks(user)};
    return true;
}

// ---- Performance data helper ----
// Pages input and output per second and the four disk counters of all physical disks. Their raw
// values are the running totals that the sampler's rates are made from, as the VMM and VFAT
// statistics are on Windows 95.

using OpenQueryCall = PDH_STATUS(WINAPI *)(const char *, DWORD_PTR, PDH_HQUERY *);
using AddCounterCall = PDH_STATUS(WINAPI *)(PDH_HQUERY, const char *, DWORD_PTR, PDH_HCOUNTER *);
using CollectCall = PDH_STATUS(WINAPI *)(PDH_HQUERY);
using RawValueCall = PDH_STATUS(WINAPI *)(PDH_HCOUNTER, DWORD *, PDH_RAW_COUNTER *);

enum Counter { kPagesIn, kPagesOut, kBytesRead, kBytesWritten, kReads, kWrites, kCounterCount };
const char *const kCounterPaths[kCounterCount] = {
    "\\Memory\\Pages Input/sec",
    "\\Memory\\Pages Output/sec",
    "\\PhysicalDisk(_Total)\\Disk Read Bytes/sec",
    "\\PhysicalDisk(_Total)\\Disk Write Bytes/sec",
    "\\PhysicalDisk(_Total)\\Disk Reads/sec",
    "\\PhysicalDisk(_Total)\\Disk Writes/sec",
};

struct HelperQuery {
    bool tried;
    PDH_HQUERY query;
    PDH_HCOUNTER counter[kCounterCount];
    CollectCall collect;
    RawValueCall rawValue;
};
HelperQuery g_helper;

void OpenHelperQuery() {
    g_helper.tried = true;
    HMODULE pdh = LoadLibraryA("pdh.dll");
    if (!pdh)
        return;
    auto open =
        reinterpret_cast<OpenQueryCall>(reinterpret_cast<void *>(GetProcAddress(pdh, "PdhOpenQueryA")));
    // The English names serve on every language of Windows Vista and later; before that the names
    // are those of the system's language.
    auto add = reinterpret_cast<AddCounterCall>(
        reinterpret_cast<void *>(GetProcAddress(pdh, "PdhAddEnglishCounterA")));
    if (!add)
        add =
            reinterpret_cast<AddCounterCall>(reinterpret_cast<void *>(GetProcAddress(pdh, "PdhAddCounterA")));
    g_helper.collect =
        reinterpret_cast<CollectCall>(reinterpret_cast<void *>(GetProcAddress(pdh, "PdhCollectQueryData")));
    g_helper.rawValue = reinterpret_cast<RawValueCall>(
        reinterpret_cast<void *>(GetProcAddress(pdh, "PdhGetRawCounterValue")));
    if (!open || !add || !g_helper.collect || !g_helper.rawValue ||
        open(nullptr, 0, &g_helper.query) != ERROR_SUCCESS) {
        g_helper.query = nullptr;
        return;
    }
    for (int i = 0; i < kCounterCount; ++i)
        if (add(g_helper.query, kCounterPaths[i], 0, &g_helper.counter[i]) != ERROR_SUCCESS)
            g_helper.counter[i] = nullptr;
}

bool RawCounter(Counter which, uint32_t *value) {
    if (!g_helper.counter[which])
        return false;
    PDH_RAW_COUNTER raw = {};
    DWORD type = 0;
    if (g_helper.rawValue(g_helper.counter[which], &type, &raw) != ERROR_SUCCESS ||
        (raw.CStatus != PDH_CSTATUS_VALID_DATA && raw.CStatus != PDH_CSTATUS_NEW_DATA))
        return false;
    // The low 32 bits: the rates are taken from differences, which the wrap does not disturb.
    *value = static_cast<uint32_t>(raw.FirstValue);
    return true;
}

void ReadHelperCounters(SamplerReadings &r) {
    if (!g_helper.tried)
        OpenHelperQuery();
    if (!g_helper.query || g_helper.collect(g_helper.query) != ERROR_SUCCESS)
        return;
    r.pagingRead = RawCounter(kPagesIn, &r.pageIns) && RawCounter(kPagesOut, &r.pageOuts);
    bool bytesRead = RawCounter(kBytesRead, &r.disk.bytesRead);
    bool bytesWritten = RawCounter(kBytesWritten, &r.disk.bytesWritten);
    bool reads = RawCounter(kReads, &r.disk.reads);
    bool writes = RawCounter(kWrites, &r.disk.writes);
    r.diskCountersRead = bytesRead && bytesWritten && reads && writes;
}

} // namespace

void ChooseStatisticsSource() {
    HKEY key;
    bool windows95 = false;
    if (RegOpenKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        windows95 =
            RegQueryValueExA(key, "KERNEL\\CPUUsage", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    g_systemCounters = !windows95;
    NoteProcessorTimes();
}

bool UsingSystemCounters() {
    return g_systemCounters;
}

void ReadSystemCounters(SamplerReadings &r) {
    ProcessorTimes now;
    if (ReadProcessorTimes(&now)) {
        r.cpuRead = g_havePreviousTimes && CpuUsageFromTimes(g_previousTimes, now, &r.cpuUsage);
        g_previousTimes = now;
        g_havePreviousTimes = true;
    } else {
        g_havePreviousTimes = false;
    }
    ReadHelperCounters(r);
}

void NoteProcessorTimes() {
    g_havePreviousTimes = ReadProcessorTimes(&g_previousTimes);
}
