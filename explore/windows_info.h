// System Overview: how Windows is set up and running. The words for the values and the report lines
// built from one plain record of readings; the readings themselves come from windows_info_win.cpp.
#pragma once

#include "report/report_lines.h"

// A value read from a system parameter query: known is false when the query failed.
struct QueriedValue {
    bool known;
    long value;
};

// Accessibility readings; each group is written only when its query succeeded.
struct AccessibilityInfo {
    bool haveAccessTimeout;
    unsigned long accessTimeoutFlags;
    unsigned long timeOutMSec;

    bool haveFilterKeys;
    unsigned long filterKeysFlags;
    unsigned long waitMSec;
    unsigned long delayMSec;
    unsigned long repeatMSec;
    unsigned long bounceMSec;

    bool haveSoundSentry;
    unsigned long soundSentryFlags;
    unsigned long windowsEffect;

    bool haveStickyKeys;
    unsigned long stickyKeysFlags;

    bool haveToggleKeys;
    unsigned long toggleKeysFlags;

    bool haveMouseKeys;
    unsigned long mouseKeysFlags;
    long maxSpeed;
    long timeToMaxSpeed;
    long ctrlSpeed;
};

constexpr int kWindowsInfoPathSize = 512;
constexpr int kWindowsInfoFaceSize = 32;

struct WindowsInfo {
    // From the equipment record.
    double version; // major + minor / 100
    double build;
    char platform; // 'N', 'S' or '9'
    // Empty when the directory could not be read.
    char windowsDirectory[kWindowsInfoPathSize];
    char systemDirectory[kWindowsInfoPathSize];

    // System metrics (always answered).
    int debug;
    int dbcsEnabled;
    int penWindows;
    int secure;
    int network;
    int cleanBoot;
    int showSounds;
    int menuDropAlignment;
    int arrange;

    // System parameters.
    QueriedValue beep;
    QueriedValue borderWidth;
    QueriedValue animation;
    QueriedValue dragFullWindows;
    QueriedValue fastTaskSwitch;
    QueriedValue gridGranularity;
    bool iconTitleFaceKnown;
    char iconTitleFace[kWindowsInfoFaceSize];
    QueriedValue iconTitleWrap;
    QueriedValue screenSaveActive;
    QueriedValue screenSaveTimeout;
    QueriedValue lowPowerActive;
    QueriedValue lowPowerTimeout;
    QueriedValue powerOffActive;
    QueriedValue powerOffTimeout;

    AccessibilityInfo access;
};

// The text shown for a value the system did not supply.
constexpr char kUnknownValue[] = "Unknown";

const char *PlatformText(char platform);
const char *CleanBootText(int cleanBoot);
const char *MenuAlignmentText(int menuDropAlignment);
// SM_ARRANGE: "Hidden" when ARW_HIDE is set, otherwise the start corner.
const char *ArrangeStartText(int arrange);
// SM_ARRANGE direction: the direction bit (ARW_UP/ARW_DOWN) means vertical, its absence horizontal;
// the start corner tells which way the icons run (away from the corner they start in).
const char *ArrangeDirectionText(int arrange);
const char *SoundSentryEffectText(unsigned long windowsEffect);
// "On" for exactly 1, "Off" otherwise.
const char *OnOffText(long value);

// Writes the whole System Overview report from the readings (the lines only; the caller begins and
// shows the report).
void WriteWindowsInfo(ReportBuffer &report, const WindowsInfo &info);
