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

void CopyName(AudioDeviceCaps *caps, const char *name) {
    memcpy(caps->name, name, sizeof caps->name);
}

bool DeviceCaps(void *, AudioDeviceKind kind, int index, AudioDeviceCaps *caps) {
    UINT id = static_cast<UINT>(index);
    switch (kind) {
        case kWaveIn: {
            WAVEINCAPSA c = {};
            if (waveInGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR)
                return false;
            CopyName(caps, c.szPname);
            caps->driverVersion = c.vDriverVersion;
            caps->formats = c.dwFormats;
            caps->channels = c.wChannels;
            return true;
        }
        case kWaveOut: {
            WAVEOUTCAPSA c = {};
            if (waveOutGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR)
                return false;
            CopyName(caps, c.szPname);
            caps->driverVersion = c.vDriverVersion;
            caps->formats = c.dwFormats;
            caps->channels = c.wChannels;
            caps->support = c.dwSupport;
            return true;
        }
        case kMidiIn: {
            MIDIINCAPSA c = {};
            if (midiInGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR)
                return false;
            CopyName(caps, c.szPname);
            caps->driverVersion = c.vDriverVersion;
            return true;
        }
        case kMidiOut: {
            MIDIOUTCAPSA c = {};
            if (midiOutGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR)
                return false;
            CopyName(caps, c.szPname);
            caps->driverVersion = c.vDriverVersion;
            caps->technology = c.wTechnology;
            caps->voices = c.wVoices;
            caps->notes = c.wNotes;
            caps->channelMask = c.wChannelMask;
            caps->support = c.dwSupport;
            return true;
        }
        case kAux: {
            AUXCAPSA c = {};
            if (auxGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR)
                return false;
            CopyName(caps, c.szPname);
            caps->driverVersion = c.vDriverVersion;
            caps->technology = c.wTechnology;
            caps->support = c.dwSupport;
            return true;
        }
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
