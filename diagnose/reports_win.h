// The Diagnose tools (2301-2317): each gathers what its report needs from Windows and the test
// routines, writes its report lines (BeginReport ... ShowReport) and is listed in the Diagnose tool
// table. Interactive tests are not opened in headless runs: their lines read "Not tested".
#pragma once

#include <windows.h>

#include "diagnose/reports.h"

void DiagnoseOverview(HWND main);    // 2301
void DiagnoseCdrom(HWND main);       // 2302
void DiagnoseCpu(HWND main);         // 2303
void DiagnoseFloppy(HWND main);      // 2304
void DiagnoseHardDrives(HWND main);  // 2305
void DiagnoseJoysticks(HWND main);   // 2306
void DiagnoseKeyboard(HWND main);    // 2307
void DiagnoseMemory(HWND main);      // 2308
void DiagnoseMotherboard(HWND main); // 2310
void DiagnoseMouse(HWND main);       // 2311
void DiagnosePorts(HWND main);       // 2312
void DiagnosePower(HWND main);       // 2313
void DiagnosePrinter(HWND main);     // 2314
void DiagnoseSound(HWND main);       // 2315
void DiagnoseVideo(HWND main);       // 2317

// 2309: the modem probe belongs to the inventory; the tool table passes it in.
using ModemProber = int (*)(EquipmentRecord &record);
void DiagnoseModems(HWND main, ModemProber probe);
// 2316: the device walk belongs to the inventory; the tool table passes a lister of its devices.
void DiagnoseSystemBuses(HWND main, const BusDeviceLister &lister);

// The mouse test's full-screen window; returns when the right button ends it. Not run when the window
// cannot be made. A driver, when set, is called with the window before its messages are handled (tests
// click through it).
using MouseTestDriver = void (*)(HWND window);
void SetMouseTestDriver(MouseTestDriver driver);
TestOutcome RunMouseTest(HWND owner);

// The modeless keyboard test (one at a time); it closes itself once every key was seen. Returns its
// window, null when it could not be made.
HWND ShowKeyboardTest(HWND owner);

// The modeless sound test (one at a time): plays the noise files beside the program. Returns its
// window, null when it could not be made.
HWND ShowSoundTest(HWND owner);

// The joystick test's six flags (0 passed): stuck button, press, release, range, skipping and one
// cleared with range and skipping.
constexpr int kJoystickStuckButton = 0, kJoystickPress = 1, kJoystickRelease = 2, kJoystickRange = 3,
              kJoystickSkipping = 4;
struct JoystickFlags {
    uint32_t flag[6];
};
// The modal joystick test. Not run when the dialog could not be shown (the flags are then untouched).
// A driver, when set, is called with the dialog once it is set up (tests move the joystick through it).
using JoystickTestDriver = void (*)(HWND dialog);
void SetJoystickTestDriver(JoystickTestDriver driver);
TestOutcome RunJoystickTest(HWND owner, JoystickFlags &flags);

// The video test's full-screen patterns and control dialog; returns when OK or Cancel end it. Not run
// when the window cannot be made. Tests drive the dialog through the driver and replace the 200 ms
// hold of each colour field (the hold is told the field's number).
using VideoTestDriver = void (*)(HWND dialog);
using VideoFieldHold = void (*)(int field);
void SetVideoTestDriver(VideoTestDriver driver, VideoFieldHold hold);
TestOutcome RunVideoTest(HWND owner);

// How a serial port answers an exclusive open now ("COM1".."COM4"); kPortAbsent is never returned.
PortAccess OpenSerialPortForTest(int number);
