#pragma once
#include <windows.h>
// The hardware inventory of start-up: the device registry walk, then the measurements.
void RunDeviceWalk(HWND main);
void RunMeasurements(HWND main);
