// System Overview: reads the version from the equipment record and everything else from the system
// metrics and system parameters at the moment of the report.
#include <windows.h>

#include <cstring>

#include "platform/globals_win.h"
#include "explore/explore_win.h"
#include "explore/windows_info.h"
#include "inventory/equipment.h"
#include "report/main_screen_win.h"
#include "platform/utilities.h"

namespace {

// A system parameter whose answer is a number or a BOOL written into an int.
QueriedValue QueryNumber(UINT action) {
    int value = 0;
    QueriedValue v = {};
    if (SystemParametersInfoA(action, 0, &value, 0)) {
        v.known = true;
        v.value = value;
    }
    return v;
}

// The same for the SPI_GET... actions that write a BOOL.
QueriedValue QueryBool(UINT action) {
    BOOL value = FALSE;
    QueriedValue v = {};
    if (SystemParametersInfoA(action, 0, &value, 0)) {
        v.known = true;
        v.value = value;
    }
    return v;
}

void ReadDirectory(UINT(WINAPI *read)(LPSTR, UINT), char *out) {
    char path[kWindowsInfoPathSize] = "";
    UINT length = read(path, sizeof path);
    if (length > 0 && length < sizeof path)
        memcpy(out, path, sizeof path);
    out[kWindowsInfoPathSize - 1] = 0;
    CleanOutsideText(out);
}

// Reads one of the structures that begin with their own size (the accessibility records,
// ANIMATIONINFO); false when the query failed.
template <typename T> bool QuerySized(UINT action, T &value) {
    value = {};
    value.cbSize = sizeof value;
    return SystemParametersInfoA(action, sizeof value, &value, 0) != FALSE;
}

void ReadAccessibility(AccessibilityInfo &a) {
    ACCESSTIMEOUT timeout;
    if (QuerySized(SPI_GETACCESSTIMEOUT, timeout)) {
        a.haveAccessTimeout = true;
        a.accessTimeoutFlags = timeout.dwFlags;
        a.timeOutMSec = timeout.iTimeOutMSec;
    }
    FILTERKEYS filter;
    if (QuerySized(SPI_GETFILTERKEYS, filter)) {
        a.haveFilterKeys = true;
        a.filterKeysFlags = filter.dwFlags;
        a.waitMSec = filter.iWaitMSec;
        a.delayMSec = filter.iDelayMSec;
        a.repeatMSec = filter.iRepeatMSec;
        a.bounceMSec = filter.iBounceMSec;
    }
    SOUNDSENTRYA sentry;
    if (QuerySized(SPI_GETSOUNDSENTRY, sentry)) {
        a.haveSoundSentry = true;
        a.soundSentryFlags = sentry.dwFlags;
        a.windowsEffect = sentry.iWindowsEffect;
    }
    STICKYKEYS sticky;
    if (QuerySized(SPI_GETSTICKYKEYS, sticky)) {
        a.haveStickyKeys = true;
        a.stickyKeysFlags = sticky.dwFlags;
    }
    TOGGLEKEYS toggle;
    if (QuerySized(SPI_GETTOGGLEKEYS, toggle)) {
        a.haveToggleKeys = true;
        a.toggleKeysFlags = toggle.dwFlags;
    }
    MOUSEKEYS mouse;
    if (QuerySized(SPI_GETMOUSEKEYS, mouse)) {
        a.haveMouseKeys = true;
        a.mouseKeysFlags = mouse.dwFlags;
        a.maxSpeed = static_cast<long>(mouse.iMaxSpeed);
        a.timeToMaxSpeed = static_cast<long>(mouse.iTimeToMaxSpeed);
        a.ctrlSpeed = static_cast<long>(mouse.iCtrlSpeed);
    }
}

void ReadWindowsInfo(WindowsInfo &info) {
    if (g_equipment) {
        info.version = g_equipment->windowsVersion;
        info.build = g_equipment->windowsBuild;
        info.platform = g_equipment->windowsPlatform;
    }
    ReadDirectory(GetWindowsDirectoryA, info.windowsDirectory);
    ReadDirectory(GetSystemDirectoryA, info.systemDirectory);

    info.debug = GetSystemMetrics(SM_DEBUG);
    info.dbcsEnabled = GetSystemMetrics(SM_DBCSENABLED);
    info.penWindows = GetSystemMetrics(SM_PENWINDOWS);
    info.secure = GetSystemMetrics(SM_SECURE);
    info.network = GetSystemMetrics(SM_NETWORK);
    info.cleanBoot = GetSystemMetrics(SM_CLEANBOOT);
    info.showSounds = GetSystemMetrics(SM_SHOWSOUNDS);
    info.menuDropAlignment = GetSystemMetrics(SM_MENUDROPALIGNMENT);
    info.arrange = GetSystemMetrics(SM_ARRANGE);

    info.beep = QueryBool(SPI_GETBEEP);
    info.borderWidth = QueryNumber(SPI_GETBORDER);
    ANIMATIONINFO animation;
    if (QuerySized(SPI_GETANIMATION, animation)) {
        info.animation.known = true;
        info.animation.value = animation.iMinAnimate;
    }
    info.dragFullWindows = QueryBool(SPI_GETDRAGFULLWINDOWS);
    info.fastTaskSwitch = QueryBool(SPI_GETFASTTASKSWITCH);
    info.gridGranularity = QueryNumber(SPI_GETGRIDGRANULARITY);
    LOGFONTA font = {};
    if (SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0)) {
        info.iconTitleFaceKnown = true;
        memcpy(info.iconTitleFace, font.lfFaceName, sizeof info.iconTitleFace);
        info.iconTitleFace[kWindowsInfoFaceSize - 1] = 0;
        CleanOutsideText(info.iconTitleFace);
    }
    info.iconTitleWrap = QueryBool(SPI_GETICONTITLEWRAP);
    info.screenSaveActive = QueryBool(SPI_GETSCREENSAVEACTIVE);
    info.screenSaveTimeout = QueryNumber(SPI_GETSCREENSAVETIMEOUT);
    info.lowPowerActive = QueryBool(SPI_GETLOWPOWERACTIVE);
    info.lowPowerTimeout = QueryNumber(SPI_GETLOWPOWERTIMEOUT);
    info.powerOffActive = QueryBool(SPI_GETPOWEROFFACTIVE);
    info.powerOffTimeout = QueryNumber(SPI_GETPOWEROFFTIMEOUT);

    ReadAccessibility(info.access);
}

} // namespace

void ExploreSystemOverview(HWND) {
    if (!g_report)
        return;
    WindowsInfo info = {};
    ReadWindowsInfo(info);
    BeginReport(*g_report);
    WriteWindowsInfo(*g_report, info);
    ShowReport();
}
