// Texts, word lists and line layout of the multimedia report and the serial port blocks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "explore/multimedia_ports.h"
#include "tests/report_buffer_helpers.h"

namespace {

TEST(ExploreMultimediaTexts, CodedValuesAndTheirFallbacks) {
    EXPECT_STREQ(WaveFormatText(0x1), "11.025 kHz, monaural, 8-bit");
    EXPECT_STREQ(WaveFormatText(0x800), "44.1 kHz, stereo, 16-bit");
    for (uint32_t bits : {0x0u, 0x3u, 0x1000u})
        EXPECT_EQ(WaveFormatText(bits), nullptr) << bits;

    EXPECT_STREQ(MidiTechnologyText(3), "Square Wave Synthesizer");
    EXPECT_STREQ(MidiTechnologyText(5), "Microsoft MIDI Mapper");
    EXPECT_STREQ(MidiTechnologyText(6), "MIDI Hardware Port");
    EXPECT_STREQ(AuxTechnologyText(2), "Auxiliary Input Jacks");
    EXPECT_STREQ(ParityText(4), "Space");
    EXPECT_STREQ(StopBitsText(2), "2");
    EXPECT_STREQ(ProviderSubtypeText(0x21), "Fax");
    EXPECT_STREQ(ProviderSubtypeText(0x103), "X.25");
    EXPECT_EQ(ProviderSubtypeText(0x104), nullptr);
    unsigned long number = 0;
    EXPECT_TRUE(MaxBaudNumber(0x4, &number));
    EXPECT_EQ(number, 134ul);
    EXPECT_TRUE(MaxBaudNumber(0x10000, &number));
    EXPECT_EQ(number, 128000ul);
    EXPECT_FALSE(MaxBaudNumber(0x20000, &number));
    EXPECT_EQ(number, 128000ul) << "left as it was";
}

std::string WordList(CommWordList list, uint32_t bits) {
    char text[256];
    memset(text, 'x', sizeof text);
    BuildCommWordList(list, bits, text, sizeof text);
    return text;
}

TEST(ExploreCommWordLists, WordsInTableOrderWithTheListsSuffix) {
    EXPECT_EQ(WordList(kDeviceCapabilities, 0), "");
    EXPECT_EQ(WordList(kDeviceCapabilities, 0x201), "DTR/DSR, Special 16-Bit Mode Supported");
    EXPECT_EQ(WordList(kDeviceCapabilities, 0x400), "");
    EXPECT_EQ(WordList(kSettableParameters, 0x42), "Baud Rate, RLSD Supported");
    EXPECT_EQ(WordList(kSettableBaudRate, 0x10004), "134.5, 128000 Settable");
    EXPECT_EQ(WordList(kSettableByteSizes, 0x18), "8, User Bits Data Settable");
    EXPECT_EQ(WordList(kSettableStopParity, 0x1001), "1 Stop Bit, Space Parity Settable");
    EXPECT_EQ(WordList(kSettableStopParity, 0x200), ""); // odd parity has no word
    char small[12];
    BuildCommWordList(kSettableBaudRate, 0x1FFFF, small, sizeof small);
    EXPECT_LT(strlen(small), sizeof small);
    char one[1] = {'x'};
    BuildCommWordList(kSettableBaudRate, 0x1, one, sizeof one);
    EXPECT_EQ(one[0], 0);
}

// Binary mode, DTR type 1, RTS handshake, XON 2048, XOFF 512, 8 bits, even parity, one stop bit, then the
// XON, XOFF, error, EOF and event characters.
const PortSettings kSettings = {9600, 1, 0,    0,   0, 1, 0, 0,    0,    0,   0, 0,
                                2,    0, 2048, 512, 8, 2, 0, 0x11, 0x13, '?', 0, 'E'};

TEST(ExplorePortBlocks, SettingsBlock) {
    auto report = NewReport();
    EXPECT_EQ(WritePortSettingsBlock(*report, kSettings), 24);
    const std::string expected =
        "Baud Rate\t\0039600\nBinary Mode Enabled\t\003Yes\nParity Checking Enabled\t\003No\n"
        "CTS Flow Control Enabled\t\003No\nDSR Flow Control Enabled\t\003No\nDTR Flow Control Type\t\0031\n"
        "DSR Sensitivity Enabled\t\003No\nContinue Out on XOFF Enabled\t\003No\n"
        "XON/XOFF Out Flow Control Enabled\t\003No\nXON/XOFF In Flow Control Enabled\t\003No\n"
        "Error Replacement Enabled\t\003No\nNULL Stripping Enabled\t\003No\n"
        "RTS Flow Control Enabled\t\003Yes\nAbort On Error Enabled\t\003No\nXON Threshhold\t\0032048\n"
        "XOFF Threshhold\t\003512\nByte Size\t\0038\nParity\t\003Even\nStop Bits\t\0031\n"
        "XON Character\t\003^Q\nXOFF Character\t\003^S\nError Replacement Character\t\003?\n"
        "EOF Character\t\003\nEvent Character\t\003E\n";
    EXPECT_EQ(ReportText(*report), expected);

    PortSettings s = kSettings;
    s.parity = 5;
    s.stopBits = 3;
    auto unknown = NewReport();
    WritePortSettingsBlock(*unknown, s);
    EXPECT_STREQ(unknown->line[17], "Parity\t\003Unknown (5)");
    EXPECT_STREQ(unknown->line[18], "Stop Bits\t\003Unknown (3)");
}

TEST(ExplorePortBlocks, CapabilityBlock) {
    PortProperties p = {64, 2, 1, 0, 4096, 0x10000000, 1, 0x3, 0x42, 0x800, 0, 0x1, 10, 20, 3, 4, 'W'};
    auto report = NewReport();
    EXPECT_EQ(WritePortCapabilityBlock(*report, p), 17);
    const std::string expected =
        "Packet Length\t\00364\nPacket Version\t\0032\nServices Implemented\t\0031\n"
        "Max Transmit Queue\t\0030\nMax Receive Queue\t\0034096\nMax Baud Rate\t\0030\n"
        "Device Type\t\003RS232 Serial Port\nDevice Capabilities\t\003DTR/DSR, RTS/CTS Supported\n"
        "Settable Parameters\t\003Baud Rate, RLSD Supported\nSettable Baud Rate\t\0039600 Settable\n"
        "Settable Byte Sizes\t\003\nSettable Stop Parity\t\0031 Stop Bit Settable\n"
        "Current Transmit Queue\t\00310\nCurrent Receive Queue\t\00320\nDevice Specific 1\t\0033\n"
        "Device Specific 2\t\0034\nDevice Specific 3\t\003W\n";
    EXPECT_EQ(ReportText(*report), expected);

    // A maximum baud or device type without a text leaves its line out.
    p.maxBaud = 0x800 | 0x1000;
    p.provSubType = 6;
    auto without = NewReport();
    WritePortCapabilityBlock(*without, p);
    EXPECT_EQ(without->count, 15);
    EXPECT_STREQ(without->line[5], "Device Capabilities\t\003DTR/DSR, RTS/CTS Supported");
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

std::string Multimedia(FakeAudio &fake, ReportBuffer &report) {
    AudioDeviceSource source = {&fake, FakeCount, FakeCaps};
    WriteMultimediaReport(report, source);
    return ReportText(report);
}

// The given number of lines after the named device's line.
std::string After(const std::string &text, const std::string &name, int lines) {
    size_t at = text.find("\006\002" + name + "\n");
    if (at == std::string::npos)
        return "(no " + name + ")";
    size_t start = at + name.size() + 3, end = start;
    for (int i = 0; i < lines && end < text.size(); ++i)
        end = text.find('\n', end) + 1;
    return text.substr(start, end - start);
}

TEST(ExploreMultimediaReport, SectionsCountsAndDevicesThatCannotBeRead) {
    FakeAudio fake = {};
    fake.counts[kWaveIn] = 2;
    fake.later[kWaveIn] = 3; // never asked again
    fake.counts[kWaveOut] = 1;
    fake.fails[kWaveOut] = true;
    fake.counts[kMidiIn] = 1;
    fake.later[kMidiIn] = 2; // a second device comes after the count line
    snprintf(fake.caps[kWaveIn].name, sizeof fake.caps[kWaveIn].name, "Wave");
    memset(fake.caps[kMidiIn].name, 'N', sizeof fake.caps[kMidiIn].name); // no terminator
    fake.caps[kMidiIn].name[3] = '\n';
    const std::string wave = "\006\002Wave\nVersion\t\0030.0\nChannels\t\003Mono\n";
    const std::string midi = "\006\002NNN " + std::string(28, 'N') + "\nVersion\t\0030.0\n";
    // Wave input devices follow each other without an empty line; the others have one before each.
    const std::string expected = "\006Waveform Input Devices\nNumber Of Devices\t\0032\n\n" + wave + wave +
                                 "\n\n\006Waveform Output Devices\nNumber Of Devices\t\0031\n\n"
                                 "\006\002Unknown Device\nCapabilities\t\002Could Not Be Read\n\n\n"
                                 "\006Midi Input Devices\nNumber of Devices\t\0031\n\n" +
                                 midi + "\n" + midi +
                                 "\n\n\006Midi Output Devices\nNumber of Devices\t\0030\n\n\n"
                                 "\006Auxiliary Audio Devices\nNumber of Devices\t\0030\n";
    auto report = NewReport();
    EXPECT_EQ(Multimedia(fake, *report), expected);
    EXPECT_EQ(fake.countCalls[kWaveIn], 1);
    EXPECT_EQ(fake.countCalls[kMidiIn], 4);
}

TEST(ExploreMultimediaReport, DetailsOfEachKind) {
    FakeAudio fake = {};
    for (int &count : fake.counts)
        count = 1;
    // Name, version, formats, channels, support, technology, voices, notes, MIDI channels.
    fake.caps[kWaveIn] = {"Device 0", 0x0405, 0x801, 2, 0, 0, 0, 0, 0};
    fake.caps[kWaveOut] = {"Device 1", 0x0405, 0x400, 1, 0x5, 0, 0, 0, 0};
    fake.caps[kMidiOut] = {"Device 3", 0x0405, 0, 0, 0x4, 4, 32, 64, 0x8001};
    fake.caps[kAux] = {"Device 4", 0x0405, 0, 0, 0x3, 1, 0, 0, 0};
    auto report = NewReport();
    std::string text = Multimedia(fake, *report);
    EXPECT_EQ(After(text, "Device 0", 5), "Version\t\0034.5\nSupports\t\00311.025 kHz, monaural, 8-bit\n"
                                          "Supports\t\00344.1 kHz, stereo, 16-bit\nChannels\t\003Stereo\n\n");
    EXPECT_EQ(After(text, "Device 1", 7),
              "Version\t\0034.5\nFormats\t\00344.1 kHz, monaural, 16-bit\nChannels\t\003Mono\n"
              "Pitch Control\t\003Yes\nPlayback Rate Control\t\003No\nVolume Control\t\003Yes\n"
              "Channel Volume Control\t\003No\n");
    std::string midiOut = "Version\t\0034.5\nTechnology\t\003FM Synthesizer\nVoices\t\00332\nNotes\t\00364\n";
    for (int c = 0; c < 16; ++c)
        midiOut += "Channel " + std::to_string(c) + (c == 0 || c == 15 ? "\t\003Yes\n" : "\t\003No\n");
    midiOut += "Volume Control\t\003No\nChannel Volume Control\t\003No\nPatch Caching\t\003Yes\n\n";
    EXPECT_EQ(After(text, "Device 3", 24), midiOut);
    // The last section ends the report without an empty line.
    EXPECT_EQ(After(text, "Device 4", 5), "Version\t\0034.5\nSource\t\003Internal CD-ROM Drive\n"
                                          "Volume Control\t\003Yes\nChannel Volume Control\t\003Yes\n");
}

TEST(ExploreMultimediaReport, HugeCountsStopAtTheLineLimit) {
    FakeAudio fake = {};
    fake.counts[kMidiOut] = 1000000;
    auto report = NewReport();
    Multimedia(fake, *report);
    EXPECT_EQ(report->count, kReportSlots);
    EXPECT_NE(report->damage & kReportLinesDropped, 0);
    EXPECT_LT(fake.countCalls[kMidiOut], 1000) << "no device is asked for once the report is full";
}

} // namespace
