// Texts, word lists and line layout of the multimedia report and the serial port blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "explore/multimedia_ports.h"
#include "tests/report_buffer_helpers.h"

namespace {

int Find(const std::vector<std::string> &lines, const std::string &line, int from = 0) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i)
        if (lines[i] == line)
            return i;
    return -1;
}

TEST(ExploreMultimediaTexts, WaveFormatsInBitOrder) {
    const char *expected[kWaveFormatCount] = {
        "11.025 kHz, monaural, 8-bit", "11.025 kHz, stereo, 8-bit",  "11.025 kHz, monaural, 16-bit",
        "11.025 kHz, stereo, 16-bit",  "22.05 kHz, monaural, 8-bit", "22.05 kHz, stereo, 8-bit",
        "22.05 kHz, monaural, 16-bit", "22.05 kHz, stereo, 16-bit",  "44.1 kHz, monaural, 8-bit",
        "44.1 kHz, stereo, 8-bit",     "44.1 kHz, monaural, 16-bit", "44.1 kHz, stereo, 16-bit",
    };
    for (int i = 0; i < kWaveFormatCount; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(WaveFormatText(1u << i), nullptr);
        EXPECT_STREQ(WaveFormatText(1u << i), expected[i]);
    }
    EXPECT_EQ(WaveFormatText(0), nullptr);
    EXPECT_EQ(WaveFormatText(0x1000), nullptr);
    EXPECT_EQ(WaveFormatText(0x3), nullptr);
}

TEST(ExploreMultimediaTexts, ChannelsTechnologiesAndSources) {
    struct Case {
        unsigned value;
        const char *channels;
        const char *midi;
        const char *aux;
    } cases[] = {
        {0, "Mono", "MIDI Hardware Port", "Auxiliary Input Jacks"},
        {1, "Mono", "MIDI Hardware Port", "Internal CD-ROM Drive"},
        {2, "Stereo", "MIDI Hardware Port", "Auxiliary Input Jacks"},
        {3, "Mono", "Square Wave Synthesizer", "Auxiliary Input Jacks"},
        {4, "Mono", "FM Synthesizer", "Auxiliary Input Jacks"},
        {5, "Mono", "Microsoft MIDI Mapper", "Auxiliary Input Jacks"},
        {6, "Mono", "MIDI Hardware Port", "Auxiliary Input Jacks"},
        {0xFFFF, "Mono", "MIDI Hardware Port", "Auxiliary Input Jacks"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(WaveChannelsText(c.value), c.channels);
        EXPECT_STREQ(MidiTechnologyText(c.value), c.midi);
        EXPECT_STREQ(AuxTechnologyText(c.value), c.aux);
    }
}

TEST(ExploreCommTexts, ParityAndStopBits) {
    const char *parity[] = {"None", "Odd", "Even", "Mark", "Space"};
    for (unsigned i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(ParityText(i), parity[i]);
    }
    EXPECT_EQ(ParityText(5), nullptr);
    EXPECT_EQ(ParityText(255), nullptr);
    const char *stop[] = {"1", "1.5", "2"};
    for (unsigned i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(StopBitsText(i), stop[i]);
    }
    EXPECT_EQ(StopBitsText(3), nullptr);
}

TEST(ExploreCommTexts, ProviderSubtypes) {
    struct Case {
        uint32_t value;
        const char *text;
    } cases[] = {
        {0, "Unspecified"},    {1, "RS232 Serial Port"}, {2, "Parallel Port"},
        {3, "RS422 Port"},     {4, "RS423 Port"},        {5, "RS449 Port"},
        {0x21, "Fax"},         {0x22, "Scanner"},        {0x100, "Network Bridge"},
        {0x101, "LAT"},        {0x102, "TCP/IP Telnet"}, {0x103, "X.25"},
        {6, nullptr},          {0x20, nullptr},          {0x104, nullptr},
        {0xFFFFFFFF, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        if (c.text)
            EXPECT_STREQ(ProviderSubtypeText(c.value), c.text);
        else
            EXPECT_EQ(ProviderSubtypeText(c.value), nullptr);
    }
}

TEST(ExploreCommTexts, MaxBaudBits) {
    struct Case {
        uint32_t bits;
        bool known;
        unsigned long number;
    } cases[] = {
        {0x1, true, 75},         {0x2, true, 110},       {0x4, true, 134},      {0x8, true, 150},
        {0x10, true, 300},       {0x20, true, 600},      {0x40, true, 1200},    {0x80, true, 1800},
        {0x100, true, 2400},     {0x200, true, 4800},    {0x400, true, 7200},   {0x800, true, 9600},
        {0x1000, true, 14400},   {0x2000, true, 19200},  {0x4000, true, 38400}, {0x8000, true, 56000},
        {0x10000, true, 128000}, {0x10000000, true, 0},  {0, false, 0},         {0x3, false, 0},
        {0x20000, false, 0},     {0x10000001, false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bits);
        unsigned long number = 12345;
        EXPECT_EQ(MaxBaudNumber(c.bits, &number), c.known);
        EXPECT_EQ(number, c.known ? c.number : 12345ul);
    }
}

std::string WordList(CommWordList list, uint32_t bits) {
    char text[256];
    memset(text, 'x', sizeof text);
    BuildCommWordList(list, bits, text, sizeof text);
    return text;
}

TEST(ExploreCommWordLists, WordsSuffixesAndEmptyLists) {
    struct Case {
        CommWordList list;
        uint32_t bits;
        const char *text;
    } cases[] = {
        {kDeviceCapabilities, 0, ""},
        {kDeviceCapabilities, 0x1, "DTR/DSR Supported"},
        {kDeviceCapabilities, 0x3FF,
         "DTR/DSR, RTS/CTS, RLSD, Parity Checking, XON/XOFF, Settable XON/OFF, Total Timeouts, Interval "
         "Timeouts, Special Characters, Special 16-Bit Mode Supported"},
        {kDeviceCapabilities, 0x400, ""},
        {kSettableParameters, 0x7F,
         "Parity, Baud Rate, Data Bits, Stop Bits, Handshaking, Parity Check, RLSD Supported"},
        {kSettableParameters, 0x42, "Baud Rate, RLSD Supported"},
        {kSettableBaudRate, 0x4, "134.5 Settable"},
        {kSettableBaudRate, 0x1FFFF,
         "75, 110, 134.5, 150, 300, 600, 1200, 1800, 2400, 4800, 7200, 9600, 14400, 19200, 38400, 56000, "
         "128000 Settable"},
        {kSettableBaudRate, 0x10000000, ""},
        {kSettableByteSizes, 0, ""},
        {kSettableByteSizes, 0xF, "5, 6, 7, 8 Bits Data Settable"},
        {kSettableByteSizes, 0x10, "User Bits Data Settable"},
        {kSettableStopParity, 0x1F07,
         "1 Stop Bit, 1.5 Stop Bit, 2 Stop Bits, No Parity, Even Parity, Mark Parity, Space Parity Settable"},
        {kSettableStopParity, 0x200, ""}, // odd parity has no word
        {kSettableStopParity, 0x101, "1 Stop Bit, No Parity Settable"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.list << " " << c.bits);
        EXPECT_EQ(WordList(c.list, c.bits), c.text);
    }
}

TEST(ExploreCommWordLists, SmallBufferIsCutAndTerminated) {
    char text[12];
    BuildCommWordList(kSettableBaudRate, 0x1FFFF, text, sizeof text);
    EXPECT_LT(strlen(text), sizeof text);
    char one[1] = {'x'};
    BuildCommWordList(kSettableBaudRate, 0x1, one, sizeof one);
    EXPECT_EQ(one[0], 0);
}

PortSettings SampleSettings() {
    PortSettings s = {};
    s.baudRate = 9600;
    s.binary = 1;
    s.dtrControl = 1;
    s.rtsControl = 2;
    s.xonLim = 2048;
    s.xoffLim = 512;
    s.byteSize = 8;
    s.parity = 2;
    s.stopBits = 0;
    s.xonChar = 'Q';
    s.xoffChar = 'S';
    s.errorChar = '?';
    s.eofChar = 'Z';
    s.evtChar = 'E';
    return s;
}

TEST(ExplorePortBlocks, SettingsBlockLines) {
    auto report = NewReport();
    EXPECT_EQ(WritePortSettingsBlock(*report, SampleSettings()), 24);
    std::vector<std::string> expected = {
        "Baud Rate\t\0039600",
        "Binary Mode Enabled\t\003Yes",
        "Parity Checking Enabled\t\003No",
        "CTS Flow Control Enabled\t\003No",
        "DSR Flow Control Enabled\t\003No",
        "DTR Flow Control Type\t\0031",
        "DSR Sensitivity Enabled\t\003No",
        "Continue Out on XOFF Enabled\t\003No",
        "XON/XOFF Out Flow Control Enabled\t\003No",
        "XON/XOFF In Flow Control Enabled\t\003No",
        "Error Replacement Enabled\t\003No",
        "NULL Stripping Enabled\t\003No",
        "RTS Flow Control Enabled\t\003Yes",
        "Abort On Error Enabled\t\003No",
        "XON Threshhold\t\0032048",
        "XOFF Threshhold\t\003512",
        "Byte Size\t\0038",
        "Parity\t\003Even",
        "Stop Bits\t\0031",
        "XON Character\t\003Q",
        "XOFF Character\t\003S",
        "Error Replacement Character\t\003?",
        "EOF Character\t\003Z",
        "Event Character\t\003E",
    };
    EXPECT_EQ(Lines(*report), expected);
}

TEST(ExplorePortBlocks, ValuesWithoutTextShowTheirNumber) {
    auto report = NewReport();
    PortSettings s = SampleSettings();
    s.parity = 7;
    s.stopBits = 3;
    s.rtsControl = 0;
    s.xonChar = 0;
    s.xoffChar = 0x13; // DC3, the usual XOFF
    s.eofChar = 0x1A;
    WritePortSettingsBlock(*report, s);
    auto lines = Lines(*report);
    EXPECT_EQ(lines[12], "RTS Flow Control Enabled\t\003No");
    EXPECT_EQ(lines[17], "Parity\t\003Unknown (7)");
    EXPECT_EQ(lines[18], "Stop Bits\t\003Unknown (3)");
    EXPECT_EQ(lines[19], "XON Character\t\003"); // a zero character ends the line
    EXPECT_EQ(lines[20], "XOFF Character\t\003^S") << "a control character in caret form";
    EXPECT_EQ(lines[22], "EOF Character\t\003^Z");
}

PortProperties SampleProperties() {
    PortProperties p = {};
    p.packetLength = 64;
    p.packetVersion = 2;
    p.serviceMask = 1;
    p.maxTxQueue = 0;
    p.maxRxQueue = 4096;
    p.maxBaud = 0x10000000;
    p.provSubType = 1;
    p.provCapabilities = 0x3;
    p.settableParams = 0x7F;
    p.settableBaud = 0x800;
    p.settableData = 0;
    p.settableStopParity = 0x1;
    p.currentTxQueue = 10;
    p.currentRxQueue = 20;
    p.provSpec1 = 3;
    p.provSpec2 = 4;
    p.provChar = 'W';
    return p;
}

TEST(ExplorePortBlocks, CapabilityBlockLines) {
    auto report = NewReport();
    EXPECT_EQ(WritePortCapabilityBlock(*report, SampleProperties()), 17);
    std::vector<std::string> expected = {
        "Packet Length\t\00364",
        "Packet Version\t\0032",
        "Services Implemented\t\0031",
        "Max Transmit Queue\t\0030",
        "Max Receive Queue\t\0034096",
        "Max Baud Rate\t\0030",
        "Device Type\t\003RS232 Serial Port",
        "Device Capabilities\t\003DTR/DSR, RTS/CTS Supported",
        "Settable Parameters\t\003Parity, Baud Rate, Data Bits, Stop Bits, Handshaking, Parity Check, RLSD "
        "Supported",
        "Settable Baud Rate\t\0039600 Settable",
        "Settable Byte Sizes\t\003",
        "Settable Stop Parity\t\0031 Stop Bit Settable",
        "Current Transmit Queue\t\00310",
        "Current Receive Queue\t\00320",
        "Device Specific 1\t\0033",
        "Device Specific 2\t\0034",
        "Device Specific 3\t\003W",
    };
    EXPECT_EQ(Lines(*report), expected);
}

TEST(ExplorePortBlocks, NoMaxBaudOrDeviceTypeLineWithoutText) {
    auto report = NewReport();
    PortProperties p = SampleProperties();
    p.maxBaud = 0x800 | 0x1000;
    p.provSubType = 6; // modem
    EXPECT_EQ(WritePortCapabilityBlock(*report, p), 15);
    for (const std::string &line : Lines(*report)) {
        EXPECT_NE(line.rfind("Max Baud Rate", 0), 0u) << line;
        EXPECT_NE(line.rfind("Device Type", 0), 0u) << line;
    }
}

TEST(ExplorePortBlocks, UnreadableBlocks) {
    auto report = NewReport();
    EXPECT_EQ(WritePortSettingsUnreadable(*report), 1);
    EXPECT_EQ(WritePortCapabilitiesUnreadable(*report), 2);
    EXPECT_STREQ(report->line[0], "Port Settings\t\002Could Not Be Read");
    EXPECT_STREQ(report->line[1], "Port Capabilities\t\002Could Not Be Read");
}

// A fake set of devices for the multimedia report.
struct FakeAudio {
    int counts[5];
    AudioDeviceCaps caps[5];
    bool fails[5];
    int countCalls[5];
    int later[5]; // when not zero, the count given from the second ask on
};

int FakeCount(void *context, AudioDeviceKind kind) {
    FakeAudio *fake = static_cast<FakeAudio *>(context);
    ++fake->countCalls[kind];
    if (fake->countCalls[kind] > 1 && fake->later[kind])
        return fake->later[kind];
    return fake->counts[kind];
}

bool FakeCaps(void *context, AudioDeviceKind kind, int, AudioDeviceCaps *caps) {
    FakeAudio *fake = static_cast<FakeAudio *>(context);
    if (fake->fails[kind])
        return false;
    *caps = fake->caps[kind];
    return true;
}

std::vector<std::string> Multimedia(FakeAudio &fake, ReportBuffer &report) {
    BeginReport(report);
    AudioDeviceSource source = {&fake, FakeCount, FakeCaps};
    WriteMultimediaReport(report, source);
    return Lines(report);
}

TEST(ExploreMultimediaReport, NoDevicesShowsHeadingsAndZeroCounts) {
    FakeAudio fake = {};
    auto report = NewReport();
    std::vector<std::string> expected = {
        "\006Waveform Input Devices",
        "Number Of Devices\t\0030",
        "",
        "",
        "",
        "\006Waveform Output Devices",
        "Number Of Devices\t\0030",
        "",
        "",
        "\006Midi Input Devices",
        "Number of Devices\t\0030",
        "",
        "",
        "\006Midi Output Devices",
        "Number of Devices\t\0030",
        "",
        "",
        "\006Auxiliary Audio Devices",
        "Number of Devices\t\0030",
    };
    EXPECT_EQ(Multimedia(fake, *report), expected);
}

TEST(ExploreMultimediaReport, OneDeviceOfEachKind) {
    FakeAudio fake = {};
    for (int k = 0; k < 5; ++k) {
        fake.counts[k] = 1;
        snprintf(fake.caps[k].name, sizeof fake.caps[k].name, "Device %d", k);
        fake.caps[k].driverVersion = 0x0405;
    }
    fake.caps[kWaveIn].formats = 0xFFF;
    fake.caps[kWaveIn].channels = 2;
    fake.caps[kWaveOut].formats = 0x400;
    fake.caps[kWaveOut].channels = 1;
    fake.caps[kWaveOut].support = 0x5;
    fake.caps[kMidiOut].technology = 2; // MOD_SYNTH
    fake.caps[kMidiOut].voices = 32;
    fake.caps[kMidiOut].notes = 64;
    fake.caps[kMidiOut].channelMask = 0xFFFF;
    fake.caps[kMidiOut].support = 0x4;
    fake.caps[kAux].technology = 1;
    fake.caps[kAux].support = 0x3;
    auto report = NewReport();
    auto lines = Multimedia(fake, *report);

    int at = Find(lines, "\006\002Device 0");
    ASSERT_EQ(at, 3);
    EXPECT_EQ(lines[4], "Version\t\0034.5");
    for (int i = 0; i < kWaveFormatCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[5 + i], std::string("Supports\t\003") + WaveFormatText(1u << i));
    }
    EXPECT_EQ(lines[17], "Channels\t\003Stereo");
    EXPECT_EQ(lines[18], "");
    EXPECT_EQ(lines[19], "");
    EXPECT_EQ(lines[20], "\006Waveform Output Devices");
    EXPECT_EQ(lines[22], "");
    EXPECT_EQ(lines[23], "\006\002Device 1");
    EXPECT_EQ(lines[25], "Formats\t\00344.1 kHz, monaural, 16-bit");
    EXPECT_EQ(lines[26], "Channels\t\003Mono");
    EXPECT_EQ(lines[27], "Pitch Control\t\003Yes");
    EXPECT_EQ(lines[28], "Playback Rate Control\t\003No");
    EXPECT_EQ(lines[29], "Volume Control\t\003Yes");
    EXPECT_EQ(lines[30], "Channel Volume Control\t\003No");

    int midiOut = Find(lines, "\006\002Device 3");
    ASSERT_GT(midiOut, 0);
    EXPECT_EQ(lines[midiOut + 2], "Technology\t\003MIDI Hardware Port");
    EXPECT_EQ(lines[midiOut + 3], "Voices\t\00332");
    EXPECT_EQ(lines[midiOut + 4], "Notes\t\00364");
    for (int c = 0; c < 16; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(lines[midiOut + 5 + c], "Channel " + std::to_string(c) + "\t\003Yes");
    }
    EXPECT_EQ(lines[midiOut + 21], "Volume Control\t\003No");
    EXPECT_EQ(lines[midiOut + 22], "Channel Volume Control\t\003No");
    EXPECT_EQ(lines[midiOut + 23], "Patch Caching\t\003Yes");

    int aux = Find(lines, "\006\002Device 4");
    ASSERT_GT(aux, 0);
    EXPECT_EQ(lines[aux + 2], "Source\t\003Internal CD-ROM Drive");
    EXPECT_EQ(lines[aux + 3], "Volume Control\t\003Yes");
    EXPECT_EQ(lines[aux + 4], "Channel Volume Control\t\003Yes");
    EXPECT_EQ(static_cast<int>(lines.size()), aux + 5); // no empty lines at the end
    // The MIDI and auxiliary counts are asked once for the number line and once per loop test.
    EXPECT_EQ(fake.countCalls[kMidiIn], 3);
    EXPECT_EQ(fake.countCalls[kWaveIn], 1);
}

TEST(ExploreMultimediaReport, WaveCountsAreAskedOnceOtherCountsBeforeEachDevice) {
    FakeAudio fake = {};
    fake.counts[kWaveIn] = 2;
    fake.later[kWaveIn] = 3; // never asked again
    fake.counts[kMidiIn] = 1;
    fake.later[kMidiIn] = 2; // a second device comes after the count line
    snprintf(fake.caps[kWaveIn].name, sizeof fake.caps[kWaveIn].name, "Wave");
    snprintf(fake.caps[kMidiIn].name, sizeof fake.caps[kMidiIn].name, "Midi");
    auto report = NewReport();
    std::vector<std::string> expected = {
        "\006Waveform Input Devices",
        "Number Of Devices\t\0032",
        "",
        "\006\002Wave",
        "Version\t\0030.0",
        "Channels\t\003Mono",
        "\006\002Wave", // wave input devices follow each other without an empty line
        "Version\t\0030.0",
        "Channels\t\003Mono",
        "",
        "",
        "\006Waveform Output Devices",
        "Number Of Devices\t\0030",
        "",
        "",
        "\006Midi Input Devices",
        "Number of Devices\t\0031",
        "",
        "\006\002Midi",
        "Version\t\0030.0",
        "",
        "\006\002Midi",
        "Version\t\0030.0",
        "",
        "",
        "\006Midi Output Devices",
        "Number of Devices\t\0030",
        "",
        "",
        "\006Auxiliary Audio Devices",
        "Number of Devices\t\0030",
    };
    EXPECT_EQ(Multimedia(fake, *report), expected);
    EXPECT_EQ(fake.countCalls[kWaveIn], 1);
    EXPECT_EQ(fake.countCalls[kMidiIn], 4);
}

TEST(ExploreMultimediaReport, FailedQueryAndFullLengthName) {
    FakeAudio fake = {};
    fake.counts[kWaveOut] = 1;
    fake.fails[kWaveOut] = true;
    fake.counts[kMidiIn] = 1;
    memset(fake.caps[kMidiIn].name, 'N', sizeof fake.caps[kMidiIn].name); // no terminator
    auto report = NewReport();
    auto lines = Multimedia(fake, *report);
    int at = Find(lines, "\006\002Unknown Device");
    ASSERT_GT(at, 0);
    EXPECT_EQ(lines[at + 1], "Capabilities\t\002Could Not Be Read");
    EXPECT_EQ(lines[at + 2], "");
    EXPECT_GT(Find(lines, "\006\002" + std::string(32, 'N')), 0);
}

TEST(ExploreMultimediaReport, HugeCountsStopAtTheLineLimit) {
    FakeAudio fake = {};
    fake.counts[kMidiOut] = 1000000;
    auto report = NewReport();
    Multimedia(fake, *report);
    EXPECT_EQ(report->count, kReportSlots);
    EXPECT_NE(report->damage & kReportLinesDropped, 0);
    EndReport(*report);
    EXPECT_EQ(std::string(report->line[kReportSlots - 1]).rfind(kReportCutCaption, 0), 0u);
}

} // namespace
