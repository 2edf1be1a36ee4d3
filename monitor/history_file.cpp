// sysstats.dat image and the pure decisions of loading and saving it.
#include "monitor/history_file.h"

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

// Calls field(offset, member) for every field of the history, in file order, at the file's offsets.
template <typename History, typename Field> void ForEachHistoryField(History &h, Field &&field) {
    field(0, h.monitoredSeconds);
    field(4, h.activeSeconds);
    field(8, h.day);
    field(12, h.month);
    field(16, h.year);
    field(20, h.daysSeen);
    field(24, h.cpu);
    field(428, h.keystrokes);
    field(432, h.typingSeconds);
    field(436, h.helpKeys);
    field(440, h.pointerActions);
    field(444, h.rightClicks);
    field(448, h.functionKeys);
    field(452, h.navigationActions);
    field(456, h.screenChange);
    field(860, h.reserved);
    field(864, h.windowMoves);
    field(868, h.displayActivity);
    field(1272, h.physicalFree);
    field(1676, h.pageFileFree);
    field(2080, h.virtualFree);
    field(2484, h.memoryLoad);
    field(2888, h.paging);
    field(3292, h.pagingPeak);
    field(3296, h.taskSwitches);
    field(3300, h.shutdownQueries);
    field(3304, h.printPages);
    field(3708, h.modem);
    field(4112, h.modemPeak);
    field(4116, h.diskFree);
    field(4520, h.transfers);
    field(4924, h.transfersPeak);
    field(4928, h.bytesRead);
    field(5332, h.bytesReadPeak);
    field(5336, h.bytesWritten);
    field(5740, h.bytesWrittenPeak);
    field(5744, h.reads);
    field(6148, h.readsPeak);
    field(6152, h.writes);
    field(6556, h.writesPeak);
    field(6560, h.readSize);
    field(6964, h.readSizePeak);
    field(6968, h.writeSize);
    field(7372, h.writeSizePeak);
    field(7376, h.processes);
    field(9380, h.threads);
    field(11384, h.windows);
    field(13388, h.modules);
    field(15392, h.priority);
}

void PutWord(unsigned char *out, size_t offset, uint32_t value) {
    out[offset] = static_cast<unsigned char>(value);
    out[offset + 1] = static_cast<unsigned char>(value >> 8);
    out[offset + 2] = static_cast<unsigned char>(value >> 16);
    out[offset + 3] = static_cast<unsigned char>(value >> 24);
}

uint32_t GetWord(const unsigned char *bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

struct FieldWriter {
    unsigned char *out;
    void operator()(size_t offset, const uint32_t &value) const { PutWord(out, offset, value); }
    void operator()(size_t offset, const float &value) const {
        static_assert(sizeof(float) == 4, "IEEE single precision");
        PutWord(out, offset, std::bit_cast<uint32_t>(value));
    }
    template <size_t N> void operator()(size_t offset, const uint32_t (&values)[N]) const {
        for (size_t i = 0; i < N; ++i)
            PutWord(out, offset + 4 * i, values[i]);
    }
};

struct FieldReader {
    const unsigned char *bytes;
    void operator()(size_t offset, uint32_t &value) const { value = GetWord(bytes, offset); }
    void operator()(size_t offset, float &value) const {
        value = std::bit_cast<float>(GetWord(bytes, offset));
    }
    template <size_t N> void operator()(size_t offset, uint32_t (&values)[N]) const {
        for (size_t i = 0; i < N; ++i)
            values[i] = GetWord(bytes, offset + 4 * i);
    }
};

bool CopyPath(const char *directory, size_t directoryLength, const char *name, char *out, size_t outSize) {
    if (outSize == 0)
        return false;
    size_t nameLength = strlen(name);
    if (directoryLength + 1 + nameLength + 1 > outSize) {
        out[0] = '\0';
        return false;
    }
    memcpy(out, directory, directoryLength);
    out[directoryLength] = '\\';
    memcpy(out + directoryLength + 1, name, nameLength + 1);
    return true;
}

} // namespace

void SerializeHistory(const PerformanceHistory &history, unsigned char out[kHistoryBytes]) {
    ForEachHistoryField(history, FieldWriter{out});
}

HistoryLoad CheckHistoryFile(bool found, uint64_t size) {
    if (!found)
        return HistoryLoad::kMissing;
    if (size == 0 || size % kHistoryBytes != 0)
        return HistoryLoad::kBadSize;
    return HistoryLoad::kOk;
}

HistoryLoad DeserializeHistory(const unsigned char *bytes, size_t size, PerformanceHistory &history) {
    if (bytes == nullptr || size < static_cast<size_t>(kHistoryBytes))
        return HistoryLoad::kReadFailed;
    ForEachHistoryField(history, FieldReader{bytes});
    // A damaged count would never move again: start it afresh.
    for (float *seconds : {&history.monitoredSeconds, &history.activeSeconds})
        if (!std::isfinite(*seconds) || *seconds < 0)
            *seconds = 0;
    return HistoryLoad::kOk;
}

HistoryLoad LoadHistoryImage(const unsigned char *file, size_t fileSize, PerformanceHistory &history) {
    HistoryLoad check = CheckHistoryFile(file != nullptr, fileSize);
    if (check != HistoryLoad::kOk)
        return check;
    return DeserializeHistory(file, fileSize, history);
}

HistoryMessage HistoryLoadMessage(HistoryLoad outcome) {
    switch (outcome) {
        case HistoryLoad::kOk:
            break;
        case HistoryLoad::kMissing:
        case HistoryLoad::kBadSize:
        case HistoryLoad::kOpenFailed:
            return {kErrorCaption, kHistoryOpenErrorText, false};
        case HistoryLoad::kReadFailed:
            return {kHistoryReadFailedCaption, kHistoryReadFailedText, true};
    }
    return {nullptr, nullptr, false};
}

bool HistoryNeedsKeepingAside(bool found, bool directory, uint64_t size, HistoryLoad outcome) {
    if (!found)
        return false;
    return directory || size != static_cast<uint64_t>(kHistoryBytes) || outcome != HistoryLoad::kOk;
}

void HistoryKeptAsideText(const char *messageText, const char *keptAs, char *out, size_t outSize) {
    if (outSize == 0)
        return;
    snprintf(out, outSize, "%s The file found was kept as %s.", messageText ? messageText : "",
             keptAs ? keptAs : "");
}

HistorySave CheckHistoryWrite(size_t bytesWritten) {
    return bytesWritten == static_cast<size_t>(kHistoryBytes) ? HistorySave::kOk : HistorySave::kWriteFailed;
}

HistoryMessage HistorySaveMessage(HistorySave outcome) {
    switch (outcome) {
        case HistorySave::kOk:
            break;
        case HistorySave::kCreateFailed:
        case HistorySave::kReplaceFailed:
            return {kErrorCaption, kHistoryCreateErrorText, false};
        case HistorySave::kWriteFailed:
            return {kErrorCaption, kHistoryWriteErrorText, false};
    }
    return {nullptr, nullptr, false};
}

bool HistoryFilePath(const char *moduleFileName, char *out, size_t outSize) {
    const char *slash = strrchr(moduleFileName, '\\');
    size_t directoryLength = slash ? static_cast<size_t>(slash - moduleFileName) : strlen(moduleFileName);
    return CopyPath(moduleFileName, directoryLength, kHistoryFileName, out, outSize);
}

namespace {

// historyPath with its last component replaced by name.
bool SiblingPath(const char *historyPath, const char *name, char *out, size_t outSize) {
    const char *slash = strrchr(historyPath, '\\');
    if (slash == nullptr) { // a bare file name: the sibling goes in the current directory
        if (outSize == 0)
            return false;
        size_t length = strlen(name);
        if (length + 1 > outSize) {
            out[0] = '\0';
            return false;
        }
        memcpy(out, name, length + 1);
        return true;
    }
    return CopyPath(historyPath, static_cast<size_t>(slash - historyPath), name, out, outSize);
}

} // namespace

bool HistoryTempPath(const char *historyPath, char *out, size_t outSize) {
    return SiblingPath(historyPath, kHistoryTempName, out, outSize);
}

bool HistoryBadPath(const char *historyPath, char *out, size_t outSize) {
    return SiblingPath(historyPath, kHistoryBadName, out, outSize);
}

bool SameHistoryPath(const char *fullPath, const char *fullHistoryPath) {
    if (!fullPath || !fullHistoryPath)
        return false;
    for (;; ++fullPath, ++fullHistoryPath) {
        char a = *fullPath == '/' ? '\\' : static_cast<char>(tolower(static_cast<unsigned char>(*fullPath)));
        char b = *fullHistoryPath == '/'
                     ? '\\'
                     : static_cast<char>(tolower(static_cast<unsigned char>(*fullHistoryPath)));
        if (a != b)
            return false;
        if (a == 0)
            return true;
    }
}
