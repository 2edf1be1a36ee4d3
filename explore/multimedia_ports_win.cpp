// The multimedia report: device counts and capabilities from WINMM.
#include <windows.h>
#include <mmsystem.h>

#include <cstring>

#include "platform/globals_win.h"
#include "explore/explore_win.h"
#include "explore/multimedia_ports.h"
#include "report/main_screen_win.h"

namespace {

int DeviceCount(void *, AudioDeviceKind kind) {
    switch (kind) {
        case kWaveIn:
            return static_cast<int>(waveInGetNumDevs());
        case kWaveOut:
            return static_cast<int>(waveOutGetNumDevs());
        case kMidiIn:
            return static_cast<int>(midiInGetNumDevs());
        case kMidiOut:
            return static_cast<int>(midiOutGetNumDevs());
        case kAux:
            return static_cast<int>(auxGetNumDevs());
    }
    return 0;
}

// What each kind's capability record adds to the name and version.
void CopyDetails(const WAVEINCAPSA &c, AudioDeviceCaps *caps) {
    caps->formats = c.dwFormats;
    caps->channels = c.wChannels;
}

void CopyDetails(const WAVEOUTCAPSA &c, AudioDeviceCaps *caps) {
    caps->formats = c.dwFormats;
    caps->channels = c.wChannels;
    caps->support = c.dwSupport;
}

void CopyDetails(const MIDIINCAPSA &, AudioDeviceCaps *) {}

void CopyDetails(const MIDIOUTCAPSA &c, AudioDeviceCaps *caps) {
    caps->technology = c.wTechnology;
    caps->voices = c.wVoices;
    caps->notes = c.wNotes;
    caps->channelMask = c.wChannelMask;
    caps->support = c.dwSupport;
}

void CopyDetails(const AUXCAPSA &c, AudioDeviceCaps *caps) {
    caps->technology = c.wTechnology;
    caps->support = c.dwSupport;
}

// Reads one device's capability record through its kind's query.
template <typename Caps>
bool ReadCaps(MMRESULT(WINAPI *query)(UINT_PTR, Caps *, UINT), int index, AudioDeviceCaps *caps) {
    Caps c = {};
    if (query(static_cast<UINT>(index), &c, sizeof c) != MMSYSERR_NOERROR)
        return false;
    static_assert(sizeof c.szPname >= sizeof caps->name, "device name field");
    memcpy(caps->name, c.szPname, sizeof caps->name);
    caps->driverVersion = c.vDriverVersion;
    CopyDetails(c, caps);
    return true;
}

bool DeviceCaps(void *, AudioDeviceKind kind, int index, AudioDeviceCaps *caps) {
    switch (kind) {
        case kWaveIn:
            return ReadCaps(waveInGetDevCapsA, index, caps);
        case kWaveOut:
            return ReadCaps(waveOutGetDevCapsA, index, caps);
        case kMidiIn:
            return ReadCaps(midiInGetDevCapsA, index, caps);
        case kMidiOut:
            return ReadCaps(midiOutGetDevCapsA, index, caps);
        case kAux:
            return ReadCaps(auxGetDevCapsA, index, caps);
    }
    return false;
}

} // namespace

void ExploreMultimedia(HWND mainScreen) {
    (void)mainScreen;
    if (!g_report)
        return;
    BeginReport(*g_report);
    AudioDeviceSource source = {nullptr, DeviceCount, DeviceCaps};
    WriteMultimediaReport(*g_report, source);
    ShowReport();
}
