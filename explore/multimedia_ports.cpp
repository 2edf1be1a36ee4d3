#include "explore/multimedia_ports.h"

#include <cstdio>
#include <cstring>

#include "platform/utilities.h"

namespace {

struct BitText {
    uint32_t bit;
    const char *text;
};

const BitText kWaveFormats[kWaveFormatCount] = {
    {0x1, "11.025 kHz, monaural, 8-bit"},  {0x2, "11.025 kHz, stereo, 8-bit"},
    {0x4, "11.025 kHz, monaural, 16-bit"}, {0x8, "11.025 kHz, stereo, 16-bit"},
    {0x10, "22.05 kHz, monaural, 8-bit"},  {0x20, "22.05 kHz, stereo, 8-bit"},
    {0x40, "22.05 kHz, monaural, 16-bit"}, {0x80, "22.05 kHz, stereo, 16-bit"},
    {0x100, "44.1 kHz, monaural, 8-bit"},  {0x200, "44.1 kHz, stereo, 8-bit"},
    {0x400, "44.1 kHz, monaural, 16-bit"}, {0x800, "44.1 kHz, stereo, 16-bit"},
};

const BitText kProviderSubtypes[] = {
    {0x0, "Unspecified"}, {0x1, "RS232 Serial Port"}, {0x2, "Parallel Port"},
    {0x3, "RS422 Port"},  {0x4, "RS423 Port"},        {0x5, "RS449 Port"},
    {0x21, "Fax"},        {0x22, "Scanner"},          {0x100, "Network Bridge"},
    {0x101, "LAT"},       {0x102, "TCP/IP Telnet"},   {0x103, "X.25"},
};

struct BaudNumber {
    uint32_t bit;
    unsigned long number;
};

constexpr uint32_t kBaudUser = 0x10000000;

const BaudNumber kMaxBauds[] = {
    {0x1, 75},       {0x2, 110},      {0x4, 134},      {0x8, 150},      {0x10, 300},       {0x20, 600},
    {0x40, 1200},    {0x80, 1800},    {0x100, 2400},   {0x200, 4800},   {0x400, 7200},     {0x800, 9600},
    {0x1000, 14400}, {0x2000, 19200}, {0x4000, 38400}, {0x8000, 56000}, {0x10000, 128000}, {kBaudUser, 0},
};

const BitText kCapabilityWords[] = {
    {0x1, "DTR/DSR, "},
    {0x2, "RTS/CTS, "},
    {0x4, "RLSD, "},
    {0x8, "Parity Checking, "},
    {0x10, "XON/XOFF, "},
    {0x20, "Settable XON/OFF, "},
    {0x40, "Total Timeouts, "},
    {0x80, "Interval Timeouts, "},
    {0x100, "Special Characters, "},
    {0x200, "Special 16-Bit Mode, "},
};

const BitText kParameterWords[] = {
    {0x1, "Parity, "},       {0x2, "Baud Rate, "},     {0x4, "Data Bits, "}, {0x8, "Stop Bits, "},
    {0x10, "Handshaking, "}, {0x20, "Parity Check, "}, {0x40, "RLSD, "},
};

const BitText kBaudWords[] = {
    {0x1, "75, "},       {0x2, "110, "},        {0x4, "134.5, "},    {0x8, "150, "},      {0x10, "300, "},
    {0x20, "600, "},     {0x40, "1200, "},      {0x80, "1800, "},    {0x100, "2400, "},   {0x200, "4800, "},
    {0x400, "7200, "},   {0x800, "9600, "},     {0x1000, "14400, "}, {0x2000, "19200, "}, {0x4000, "38400, "},
    {0x8000, "56000, "}, {0x10000, "128000, "},
};

const BitText kByteSizeWords[] = {
    {0x1, "5, "}, {0x2, "6, "}, {0x4, "7, "}, {0x8, "8, "}, {0x10, "User, "},
};

const BitText kStopParityWords[] = {
    {0x1, "1 Stop Bit, "},    {0x2, "1.5 Stop Bit, "},  {0x4, "2 Stop Bits, "},     {0x100, "No Parity, "},
    {0x400, "Even Parity, "}, {0x800, "Mark Parity, "}, {0x1000, "Space Parity, "},
};

struct WordList {
    const BitText *words;
    size_t count;
    const char *suffix;
};

template <size_t N> WordList MakeList(const BitText (&words)[N], const char *suffix) {
    return {words, N, suffix};
}

WordList ListFor(CommWordList list) {
    switch (list) {
        case kDeviceCapabilities:
            return MakeList(kCapabilityWords, " Supported");
        case kSettableParameters:
            return MakeList(kParameterWords, " Supported");
        case kSettableBaudRate:
            return MakeList(kBaudWords, " Settable");
        case kSettableByteSizes:
            return MakeList(kByteSizeWords, " Bits Data Settable");
        case kSettableStopParity:
            return MakeList(kStopParityWords, " Settable");
    }
    return {nullptr, 0, ""};
}

void Flag(ReportBuffer &report, const char *caption, unsigned long value) {
    AddReportLine(report, "%s\t%s", caption, YesNoMark(value));
}

void Words(ReportBuffer &report, const char *caption, CommWordList list, uint32_t bits) {
    char text[kReportSlotSize];
    BuildCommWordList(list, bits, text, sizeof text);
    AddReportLine(report, "%s\t\003%s", caption, text);
}

// A port's special character as the report shows it: itself, or for a control character its
// caret form ("^Q" for XON), so that it can never break the line or add a column. Zero shows nothing.
const char *PortCharText(char c, char out[3]) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u != 0 && u < 32) {
        out[0] = '^';
        out[1] = static_cast<char>('@' + u);
        out[2] = 0;
    } else {
        out[0] = c;
        out[1] = 0;
    }
    return out;
}

} // namespace

const char *WaveFormatText(uint32_t bit) {
    for (const BitText &f : kWaveFormats)
        if (f.bit == bit)
            return f.text;
    return nullptr;
}

const char *WaveChannelsText(unsigned channels) {
    return channels == 2 ? "Stereo" : "Mono";
}

const char *MidiTechnologyText(unsigned technology) {
    switch (technology) {
        case 3:
            return "Square Wave Synthesizer";
        case 4:
            return "FM Synthesizer";
        case 5:
            return "Microsoft MIDI Mapper";
        default:
            return "MIDI Hardware Port";
    }
}

const char *AuxTechnologyText(unsigned technology) {
    return technology == 1 ? "Internal CD-ROM Drive" : "Auxiliary Input Jacks";
}

const char *ParityText(unsigned parity) {
    static const char *const kTexts[] = {"None", "Odd", "Even", "Mark", "Space"};
    return parity < 5 ? kTexts[parity] : nullptr;
}

const char *StopBitsText(unsigned stopBits) {
    static const char *const kTexts[] = {"1", "1.5", "2"};
    return stopBits < 3 ? kTexts[stopBits] : nullptr;
}

const char *ProviderSubtypeText(uint32_t subtype) {
    for (const BitText &p : kProviderSubtypes)
        if (p.bit == subtype)
            return p.text;
    return nullptr;
}

bool MaxBaudNumber(uint32_t maxBaud, unsigned long *number) {
    for (const BaudNumber &b : kMaxBauds)
        if (b.bit == maxBaud) {
            *number = b.number;
            return true;
        }
    return false;
}

void BuildCommWordList(CommWordList list, uint32_t bits, char *out, size_t outSize) {
    if (!out || outSize == 0)
        return;
    out[0] = 0;
    WordList words = ListFor(list);
    size_t used = 0;
    for (size_t i = 0; i < words.count; ++i) {
        if (!(bits & words.words[i].bit))
            continue;
        int n = snprintf(out + used, outSize - used, "%s", words.words[i].text);
        if (n < 0 || static_cast<size_t>(n) >= outSize - used)
            return; // cut: the buffer holds what fitted
        used += static_cast<size_t>(n);
    }
    if (used < 2)
        return; // an empty list stays empty
    used -= 2;  // the last word's ", "
    out[used] = 0;
    snprintf(out + used, outSize - used, "%s", words.suffix);
}

int WritePortSettingsBlock(ReportBuffer &report, const PortSettings &s) {
    AddReportLine(report, "Baud Rate\t\003%lu", static_cast<unsigned long>(s.baudRate));
    Flag(report, "Binary Mode Enabled", s.binary);
    Flag(report, "Parity Checking Enabled", s.parityCheck);
    Flag(report, "CTS Flow Control Enabled", s.outxCtsFlow);
    Flag(report, "DSR Flow Control Enabled", s.outxDsrFlow);
    AddReportLine(report, "DTR Flow Control Type\t\003%lu", static_cast<unsigned long>(s.dtrControl & 3));
    Flag(report, "DSR Sensitivity Enabled", s.dsrSensitivity);
    Flag(report, "Continue Out on XOFF Enabled", s.txContinueOnXoff);
    Flag(report, "XON/XOFF Out Flow Control Enabled", s.outX);
    Flag(report, "XON/XOFF In Flow Control Enabled", s.inX);
    Flag(report, "Error Replacement Enabled", s.errorCharOn);
    Flag(report, "NULL Stripping Enabled", s.nullStrip);
    Flag(report, "RTS Flow Control Enabled", s.rtsControl & 3);
    Flag(report, "Abort On Error Enabled", s.abortOnError);
    AddReportLine(report, "XON Threshhold\t\003%lu", static_cast<unsigned long>(s.xonLim));
    AddReportLine(report, "XOFF Threshhold\t\003%lu", static_cast<unsigned long>(s.xoffLim));
    AddReportLine(report, "Byte Size\t\003%lu", static_cast<unsigned long>(s.byteSize));
    // A value without a text shows its number, so the line still says what the port holds.
    if (const char *parity = ParityText(s.parity))
        AddReportLine(report, "Parity\t\003%s", parity);
    else
        AddReportLine(report, "Parity\t\003Unknown (%u)", s.parity);
    if (const char *stop = StopBitsText(s.stopBits))
        AddReportLine(report, "Stop Bits\t\003%s", stop);
    else
        AddReportLine(report, "Stop Bits\t\003Unknown (%u)", s.stopBits);
    char c[3];
    AddReportLine(report, "XON Character\t\003%s", PortCharText(s.xonChar, c));
    AddReportLine(report, "XOFF Character\t\003%s", PortCharText(s.xoffChar, c));
    AddReportLine(report, "Error Replacement Character\t\003%s", PortCharText(s.errorChar, c));
    AddReportLine(report, "EOF Character\t\003%s", PortCharText(s.eofChar, c));
    AddReportLine(report, "Event Character\t\003%s", PortCharText(s.evtChar, c));
    return report.count;
}

int WritePortCapabilityBlock(ReportBuffer &report, const PortProperties &p) {
    AddReportLine(report, "Packet Length\t\003%u", p.packetLength);
    AddReportLine(report, "Packet Version\t\003%u", p.packetVersion);
    AddReportLine(report, "Services Implemented\t\003%lu", static_cast<unsigned long>(p.serviceMask));
    AddReportLine(report, "Max Transmit Queue\t\003%lu", static_cast<unsigned long>(p.maxTxQueue));
    AddReportLine(report, "Max Receive Queue\t\003%lu", static_cast<unsigned long>(p.maxRxQueue));
    unsigned long baud;
    if (MaxBaudNumber(p.maxBaud, &baud))
        AddReportLine(report, "Max Baud Rate\t\003%lu", baud);
    if (const char *type = ProviderSubtypeText(p.provSubType))
        AddReportLine(report, "Device Type\t\003%s", type);
    Words(report, "Device Capabilities", kDeviceCapabilities, p.provCapabilities);
    Words(report, "Settable Parameters", kSettableParameters, p.settableParams);
    Words(report, "Settable Baud Rate", kSettableBaudRate, p.settableBaud);
    Words(report, "Settable Byte Sizes", kSettableByteSizes, p.settableData);
    Words(report, "Settable Stop Parity", kSettableStopParity, p.settableStopParity);
    AddReportLine(report, "Current Transmit Queue\t\003%lu", static_cast<unsigned long>(p.currentTxQueue));
    AddReportLine(report, "Current Receive Queue\t\003%lu", static_cast<unsigned long>(p.currentRxQueue));
    AddReportLine(report, "Device Specific 1\t\003%lu", static_cast<unsigned long>(p.provSpec1));
    AddReportLine(report, "Device Specific 2\t\003%lu", static_cast<unsigned long>(p.provSpec2));
    AddReportLine(report, "Device Specific 3\t\003%c", p.provChar);
    return report.count;
}

int WritePortSettingsUnreadable(ReportBuffer &report) {
    AddReportLine(report, "Port Settings\t\002Could Not Be Read");
    return report.count;
}

int WritePortCapabilitiesUnreadable(ReportBuffer &report) {
    AddReportLine(report, "Port Capabilities\t\002Could Not Be Read");
    return report.count;
}

namespace {

void DeviceName(ReportBuffer &report, const AudioDeviceCaps &caps) {
    char name[sizeof caps.name + 1];
    memcpy(name, caps.name, sizeof caps.name);
    name[sizeof caps.name] = 0; // a name that fills the field has no terminator of its own
    CleanOutsideText(name);
    AddReportLine(report, "\006\002%s", name);
}

void Version(ReportBuffer &report, const AudioDeviceCaps &caps) {
    AddReportLine(report, "Version\t\003%d.%d", static_cast<int>((caps.driverVersion >> 8) & 0xFF),
                  static_cast<int>(caps.driverVersion & 0xFF));
}

// Reads one device; a failed query gives a name line saying so and nothing else for the device.
bool ReadDevice(ReportBuffer &report, const AudioDeviceSource &source, AudioDeviceKind kind, int index,
                AudioDeviceCaps *caps) {
    memset(caps, 0, sizeof *caps);
    if (source.caps(source.context, kind, index, caps))
        return true;
    AddReportLine(report, "\006\002Unknown Device");
    AddReportLine(report, "Capabilities\t\002Could Not Be Read");
    return false;
}

// True once the report has no room left; the report then says it was cut short.
bool Full(ReportBuffer &report) {
    if (report.count < kReportSlots)
        return false;
    report.damage |= kReportLinesDropped;
    return true;
}

void WaveFormats(ReportBuffer &report, const char *caption, uint32_t formats) {
    for (const BitText &f : kWaveFormats)
        if (formats & f.bit)
            AddReportLine(report, "%s\t\003%s", caption, f.text);
}

const BitText kWaveOutSupport[] = {
    {0x1, "Pitch Control"},
    {0x2, "Playback Rate Control"},
    {0x4, "Volume Control"},
    {0x8, "Channel Volume Control"},
};

const BitText kMidiOutSupport[] = {
    {0x1, "Volume Control"},
    {0x2, "Channel Volume Control"},
    {0x4, "Patch Caching"},
};

const BitText kAuxSupport[] = {
    {0x1, "Volume Control"},
    {0x2, "Channel Volume Control"},
};

// How the report shows one kind of device. After each device's name and version come, for the kinds
// that have them: the wave formats and channels, the technology, the MIDI voices, notes and
// channels, and the support flags.
struct AudioSection {
    AudioDeviceKind kind;
    const char *title;
    const char *countCaption;
    // Wave counts are asked once; the MIDI and auxiliary counts again before each device, as a driver
    // may come or go.
    bool countOnce;
    // An empty line before each device; otherwise one after the count.
    bool blankBeforeDevice;
    const char *formatsCaption;    // nullptr: no formats and channels
    const char *technologyCaption; // nullptr: no technology line
    const char *(*technologyText)(unsigned technology);
    bool synthesizer; // voices, notes and channel lines
    const BitText *support;
    size_t supportCount;
};

template <typename T, size_t N> constexpr size_t Count(const T (&)[N]) {
    return N;
}

const AudioSection kAudioSections[] = {
    {kWaveIn, "Waveform Input Devices", "Number Of Devices", true, false, "Supports", nullptr, nullptr, false,
     nullptr, 0},
    {kWaveOut, "Waveform Output Devices", "Number Of Devices", true, true, "Formats", nullptr, nullptr, false,
     kWaveOutSupport, Count(kWaveOutSupport)},
    {kMidiIn, "Midi Input Devices", "Number of Devices", false, true, nullptr, nullptr, nullptr, false,
     nullptr, 0},
    {kMidiOut, "Midi Output Devices", "Number of Devices", false, true, nullptr, "Technology",
     MidiTechnologyText, true, kMidiOutSupport, Count(kMidiOutSupport)},
    {kAux, "Auxiliary Audio Devices", "Number of Devices", false, true, nullptr, "Source", AuxTechnologyText,
     false, kAuxSupport, Count(kAuxSupport)},
};

void WriteDeviceDetails(ReportBuffer &report, const AudioSection &section, const AudioDeviceCaps &caps) {
    DeviceName(report, caps);
    Version(report, caps);
    if (section.formatsCaption) {
        WaveFormats(report, section.formatsCaption, caps.formats);
        AddReportLine(report, "Channels\t\003%s", WaveChannelsText(caps.channels));
    }
    if (section.technologyCaption)
        AddReportLine(report, "%s\t\003%s", section.technologyCaption,
                      section.technologyText(caps.technology));
    if (section.synthesizer) {
        AddReportLine(report, "Voices\t\003%lu", static_cast<unsigned long>(caps.voices));
        AddReportLine(report, "Notes\t\003%lu", static_cast<unsigned long>(caps.notes));
        for (int channel = 0; channel < 16; ++channel)
            AddReportLine(report, "Channel %d\t%s", channel, YesNoMark((caps.channelMask >> channel) & 1));
    }
    for (size_t i = 0; i < section.supportCount; ++i)
        Flag(report, section.support[i].text, caps.support & section.support[i].bit);
}

void WriteAudioSection(ReportBuffer &report, const AudioDeviceSource &source, const AudioSection &section) {
    AddReportLine(report, "\006%s", section.title);
    int n = source.count(source.context, section.kind);
    AddReportLine(report, "%s\t\003%d", section.countCaption, n);
    if (!section.blankBeforeDevice)
        AddReportLine(report, "%s", "");
    AudioDeviceCaps caps;
    for (int i = 0;; ++i) {
        if (!section.countOnce)
            n = source.count(source.context, section.kind);
        if (i >= n || Full(report))
            break;
        if (section.blankBeforeDevice)
            AddReportLine(report, "%s", "");
        if (ReadDevice(report, source, section.kind, i, &caps))
            WriteDeviceDetails(report, section, caps);
    }
}

} // namespace

void WriteMultimediaReport(ReportBuffer &report, const AudioDeviceSource &source) {
    for (size_t i = 0; i < Count(kAudioSections); ++i) {
        if (i > 0) {
            AddReportLine(report, "%s", "");
            AddReportLine(report, "%s", "");
        }
        WriteAudioSection(report, source, kAudioSections[i]);
    }
}
