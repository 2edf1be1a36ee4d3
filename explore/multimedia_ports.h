// The multimedia device report and the two blocks of lines that describe a serial port: its current
// settings and its capabilities. Texts for coded values, word lists, and the line layout built from
// plain records. No window types here; explore/multimedia_ports_win.cpp gathers the records.
#pragma once

#include <cstddef>
#include <cstdint>

#include "report/report_lines.h"

// ---- Texts for coded values ----

// Wave format bits 0x1 .. 0x800 ("11.025 kHz, monaural, 8-bit" ...), in bit order.
constexpr int kWaveFormatCount = 12;
// The text of one format bit (exactly one bit set), or nullptr.
const char *WaveFormatText(uint32_t bit);
// "Stereo" for 2 channels, "Mono" for any other count.
const char *WaveChannelsText(unsigned channels);
// MIDI output technology: 3 square wave, 4 FM, 5 mapper, any other a hardware port.
const char *MidiTechnologyText(unsigned technology);
// Auxiliary technology: 1 CD audio, any other input jacks.
const char *AuxTechnologyText(unsigned technology);
// DCB Parity 0..4 and StopBits 0..2; nullptr beyond.
const char *ParityText(unsigned parity);
const char *StopBitsText(unsigned stopBits);
// COMMPROP provider subtype; nullptr when the value has no text.
const char *ProviderSubtypeText(uint32_t subtype);
// COMMPROP maximum baud: the number for one exact bit value (BAUD_USER gives 0). False when the value
// has no number (no bit, several bits, unknown bit).
bool MaxBaudNumber(uint32_t maxBaud, unsigned long *number);

// ---- Word lists ----

enum CommWordList {
    kDeviceCapabilities, // dwProvCapabilities
    kSettableParameters, // dwSettableParams
    kSettableBaudRate,   // dwSettableBaud
    kSettableByteSizes,  // wSettableData
    kSettableStopParity, // wSettableStopParity
};

// The words of the set bits, in table order, joined by ", " and followed by the list's suffix
// (" Supported", " Settable", " Bits Data Settable"); empty when no known bit is set. Cut to fit.
void BuildCommWordList(CommWordList list, uint32_t bits, char *out, size_t outSize);

// ---- Serial port blocks ----

// The fields of a DCB that the settings block shows.
struct PortSettings {
    uint32_t baudRate;
    unsigned binary, parityCheck, outxCtsFlow, outxDsrFlow;
    unsigned dtrControl; // two bits
    unsigned dsrSensitivity, txContinueOnXoff, outX, inX, errorCharOn, nullStrip;
    unsigned rtsControl; // two bits
    unsigned abortOnError;
    unsigned xonLim, xoffLim;
    unsigned byteSize, parity, stopBits;
    char xonChar, xoffChar, errorChar, eofChar, evtChar;
};

// The fields of a COMMPROP.
struct PortProperties {
    unsigned packetLength, packetVersion;
    uint32_t serviceMask, maxTxQueue, maxRxQueue, maxBaud, provSubType, provCapabilities, settableParams,
        settableBaud;
    unsigned settableData, settableStopParity;
    uint32_t currentTxQueue, currentRxQueue, provSpec1, provSpec2;
    char provChar; // first character of wcProvChar
};

// Appends the settings block (24 lines) and returns the next free line.
int WritePortSettingsBlock(ReportBuffer &report, const PortSettings &settings);
// Appends the capability block and returns the next free line.
int WritePortCapabilityBlock(ReportBuffer &report, const PortProperties &properties);
// The line written in place of a block whose query failed.
int WritePortSettingsUnreadable(ReportBuffer &report);
int WritePortCapabilitiesUnreadable(ReportBuffer &report);

// ---- Multimedia report ----

enum AudioDeviceKind { kWaveIn, kWaveOut, kMidiIn, kMidiOut, kAux };

// What one device's capability query gave; fields a kind does not have stay zero.
struct AudioDeviceCaps {
    char name[32];          // as the driver gives it; the report shows it cleaned (see CleanOutsideText)
    unsigned driverVersion; // high byte major, low byte minor
    uint32_t formats;       // wave
    unsigned channels;      // wave
    uint32_t support;       // wave out, MIDI out, aux
    unsigned technology;    // MIDI out, aux
    unsigned voices, notes; // MIDI out
    unsigned channelMask;   // MIDI out
};

// Where the report's figures come from: the multimedia functions, or a test's fake.
struct AudioDeviceSource {
    void *context;
    int (*count)(void *context, AudioDeviceKind kind);
    // False when the query failed (caps is then not used).
    bool (*caps)(void *context, AudioDeviceKind kind, int index, AudioDeviceCaps *caps);
};

void WriteMultimediaReport(ReportBuffer &report, const AudioDeviceSource &source);
