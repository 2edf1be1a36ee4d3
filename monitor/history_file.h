// sysstats.dat: the byte image of the performance history, read and written field by field at the
// file's offsets (little-endian words, the first two fields IEEE 32-bit floats). No window types here:
// monitor/usage_win.cpp finds, reads and writes the file and shows the messages named below.
//
// Loading (start-up, "Read Databases"):
//   1. CheckHistoryFile(found, size): a missing file, an empty one or one that is not a whole number
//      of records gives the open-error message and the history stays zero-filled.
//   2. Open for reading with read sharing; failure is kOpenFailed (the same message).
//   3. Read one record (kHistoryBytes) and pass what was read to DeserializeHistory; the first
//      record of a longer file is the history.
//
// Saving never loses a good file. The Windows side:
//   1. creates HistoryTempPath() ("sysstats.tmp" beside sysstats.dat) anew, without sharing;
//      failure is kCreateFailed;
//   2. writes the SerializeHistory() image; CheckHistoryWrite(bytesWritten) must say kOk, otherwise
//      the temporary file is deleted and kWriteFailed reported: the old sysstats.dat is untouched;
//   3. closes the temporary file in every case, and only after a complete write replaces
//      sysstats.dat with it (MoveFileEx with MOVEFILE_REPLACE_EXISTING where the system has it;
//      on Windows 95, which lacks it, delete sysstats.dat and then rename the temporary file).
//      Failure is kReplaceFailed; the temporary file is then left in place.
// A failed save is not retried: the next scheduled save, a shutdown query or the exit save tries again.
#pragma once

#include <cstddef>
#include <cstdint>

#include "monitor/performance.h"

constexpr char kHistoryFileName[] = "sysstats.dat";
constexpr char kHistoryTempName[] = "sysstats.tmp";
constexpr char kHistoryBadName[] = "sysstats.bad";

// ---- Message texts ----

constexpr char kErrorCaption[] = "Error!";
constexpr char kHistoryOpenErrorText[] =
    "Unable to open file due to error. If you are running from a floppy disk your disk may be write "
    "protected. Or your hard disk may be full.";
constexpr char kHistoryReadFailedCaption[] = "Disk Read Failed"; // shown with the stop icon
constexpr char kHistoryReadFailedText[] = "An attempt to read your hard disk failed!";
constexpr char kHistoryCreateErrorText[] =
    "Unable to create file due to error. If you are running from a floppy disk your disk may be "
    "write protected. Or your hard disk may be full.";
constexpr char kHistoryWriteErrorText[] =
    "Unable to write file due to error. If this occurs again call Technical Support.";
constexpr char kUsageHookErrorText[] = "Unable to collect mouse and keyboard data due to error. The "
                                       "program will continue. Contact Technical Support.";

// One message box: caption, text, and whether it carries the stop icon (otherwise no icon, OK).
struct HistoryMessage {
    const char *caption; // null: nothing to show
    const char *text;
    bool stopIcon;
};

// ---- Loading ----

enum class HistoryLoad {
    kOk,         // go on (CheckHistoryFile) or the first record was read (DeserializeHistory)
    kMissing,    // no sysstats.dat: open-error message
    kBadSize,    // size 0 or not a whole multiple of kHistoryBytes: open-error message
    kOpenFailed, // the file could not be opened for reading: open-error message
    kReadFailed, // nothing, or less than one record, was read: "Disk Read Failed"
};

// Steps 1 and 2 of loading, from whether the file was found and its size in bytes.
HistoryLoad CheckHistoryFile(bool found, uint64_t size);

// Reads the first record from the size bytes that were read from the start of the file. Fewer than
// kHistoryBytes (nothing at all, or a read cut short) is kReadFailed and leaves history untouched, so
// a half-read file never mixes with the zero-filled history. A seconds count that is not a finite
// number of at least 0 reads as 0, so that the count moves again.
HistoryLoad DeserializeHistory(const unsigned char *bytes, size_t size, PerformanceHistory &history);

// Steps 1, 2 and 4 together for a whole file image held in memory (file null: no file). Loads the
// first record of a good image; on any other outcome history is untouched.
HistoryLoad LoadHistoryImage(const unsigned char *file, size_t fileSize, PerformanceHistory &history);

// The message a load outcome shows; {nullptr, nullptr, false} for kOk.
HistoryMessage HistoryLoadMessage(HistoryLoad outcome);

// Whether what stands at the history's path must be kept aside (as sysstats.bad beside it) before
// the first save replaces it: anything found there that is not exactly one readable record, a
// folder included. A longer file of whole records loads its first record, but the save would drop
// the rest, so it is kept too.
bool HistoryNeedsKeepingAside(bool found, bool directory, uint64_t size, HistoryLoad outcome);

// The text of a load message whose file was kept aside: the message's own text, then where the file
// went ("The file found was kept as <path>."). Cut to fit outSize.
void HistoryKeptAsideText(const char *messageText, const char *keptAs, char *out, size_t outSize);

// ---- Saving ----

// Writes every field at its offset.
void SerializeHistory(const PerformanceHistory &history, unsigned char out[kHistoryBytes]);

enum class HistorySave {
    kOk,
    kCreateFailed,  // the temporary file could not be created: create-error message
    kWriteFailed,   // the image was not written whole: write-error message, old file kept
    kReplaceFailed, // the old file could not be replaced: create-error message, old file kept
};

// A write of bytesWritten bytes is complete only when the whole image went out.
HistorySave CheckHistoryWrite(size_t bytesWritten);

// The message a save outcome shows; {nullptr, nullptr, false} for kOk.
HistoryMessage HistorySaveMessage(HistorySave outcome);

// "<directory>\sysstats.dat", the directory being the module file name cut at its last backslash
// (no backslash: the name itself is taken as the directory). False, out empty, when it does not fit.
bool HistoryFilePath(const char *moduleFileName, char *out, size_t outSize);

// The temporary file of a save: historyPath with its last component replaced by "sysstats.tmp", so
// that it lies in the same directory (and on the same drive) as the file it replaces. False, out
// empty, when it does not fit.
bool HistoryTempPath(const char *historyPath, char *out, size_t outSize);
// Where a history that could not be used is kept: "sysstats.bad" in the same directory.
bool HistoryBadPath(const char *historyPath, char *out, size_t outSize);

// Whether path names the history file at historyPath: the same path when both are made full, letters
// compared without case, "/" taken as "\". The caller makes both paths full (GetFullPathName).
bool SameHistoryPath(const char *fullPath, const char *fullHistoryPath);
