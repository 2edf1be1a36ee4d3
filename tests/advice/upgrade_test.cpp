// The Upgrade tools' score rules, what the Upgrade window shows of them, and MODELS.DAT records.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "advice/upgrade.h"
#include "advice/upgrade_models.h"
#include "tests/report_buffer_helpers.h"

namespace {

// A blank record changed by the setter, scored by the rule.
template <typename Set> int32_t Score(int32_t (*rule)(const EquipmentRecord &), Set set) {
    auto e = std::make_unique<EquipmentRecord>();
    set(*e);
    return rule(*e);
}

int32_t Keyboard(int keys, const char *name) {
    return Score(KeyboardScore,
                 [&](EquipmentRecord &e) { e.keyboardKeys = keys, QV_COPY_FIELD(e.keyboardName, name); });
}
int32_t Mouse(const char *name) {
    return Score(MouseScore, [&](EquipmentRecord &e) { QV_COPY_FIELD(e.mouseName, name); });
}
int32_t Sound(const char *card, const char *wave, const char *midi) {
    return Score(SoundScore, [&](EquipmentRecord &e) {
        QV_COPY_FIELD(e.soundCardName, card), QV_COPY_FIELD(e.waveOutName, wave),
            QV_COPY_FIELD(e.midiOutName, midi);
    });
}
int32_t Modem(std::vector<int> speeds) {
    return Score(ModemScore,
                 [&](EquipmentRecord &e) { std::copy(speeds.begin(), speeds.end(), e.modemSpeed); });
}
int32_t Bus(std::vector<int> buses) {
    return Score(BusScore, [&](EquipmentRecord &e) {
        for (int b : buses)
            e.busPresent[b] = 1;
    });
}
int32_t Floppy(std::vector<float> capacities) {
    return Score(FloppyScore, [&](EquipmentRecord &e) {
        for (size_t i = 0; i < capacities.size(); ++i)
            e.floppy[kFloppySlots - 1 - i].capacity = capacities[i];
    });
}
int32_t Disks(int count, uint64_t each) {
    return Score(HardDiskScore, [&](EquipmentRecord &e) {
        e.fixedDisks = count;
        std::fill(std::begin(e.fixedDiskSize), std::end(e.fixedDiskSize), each);
    });
}

TEST(UpgradeRules, CurrentEquipment) {
    EXPECT_EQ(Keyboard(101, "IBM Enhanced"), 9);
    EXPECT_EQ(Keyboard(84, "Standard 84-key"), 1);
    EXPECT_EQ(Keyboard(100, "lexmark"), 8);
    EXPECT_EQ(Keyboard(104, "Microsoft Natural"), 5);
    EXPECT_EQ(Keyboard(101, "IBM KEYTRONIC Microsoft"), 16);
    EXPECT_EQ(Mouse("Microsoft PS/2 Mouse"), 9);
    EXPECT_EQ(Mouse("Logitech MouseMan"), 8);
    EXPECT_EQ(Mouse("Genius Mouse Systems"), 3);
    EXPECT_EQ(Mouse("Microsoft compatible"), 2); // a later word replaces the score
    EXPECT_EQ(Mouse("Texas Instruments"), 2);
    EXPECT_EQ(Mouse("Kensington"), 0);
    EXPECT_EQ(Sound("sound blaster pro OR compatible", "", ""), 6);
    EXPECT_EQ(Sound("New MS Sound System or compatible", "Wave", "MIDI"), 10);
    EXPECT_EQ(Sound("Sound Blaster Pro", "", "MIDI"), 1);
    EXPECT_EQ(Modem({14400}), 6);
    EXPECT_EQ(Modem({4800}), 0);
    EXPECT_EQ(Modem({9600, 0, 2400}), 3);
    EXPECT_EQ(Modem({0, 0, 0, 28800}), 9);
    EXPECT_EQ(Modem({600, 19200}), 6);
    EXPECT_EQ(Modem({300}), 1);
    EXPECT_EQ(Bus({}), 2);
    EXPECT_EQ(Bus({2}), 6);
    EXPECT_EQ(Bus({2, 3}), 4);
    EXPECT_EQ(Bus({6}), 9);
    EXPECT_EQ(Bus({6, 7}), 7);
    EXPECT_EQ(Bus({7, 10}), 8);
    EXPECT_EQ(Bus({8}), 8);
    EXPECT_EQ(Bus({9}), 8);
    EXPECT_EQ(Score(VideoScore, [](EquipmentRecord &e) { e.videoClass = 3, e.videoBus = 'P'; }), 4);
    EXPECT_EQ(Score(VideoScore, [](EquipmentRecord &e) { e.videoClass = 4, e.videoBus = 'V'; }), 6);
    EXPECT_EQ(Score(VideoScore, [](EquipmentRecord &e) { e.videoClass = 5, e.videoBus = 'E'; }), 7);
    EXPECT_EQ(Floppy({}), 0);
    EXPECT_EQ(Floppy({1.2f}), 4);
    EXPECT_EQ(Floppy({1.44f}), 9);
    EXPECT_EQ(Floppy({2.88f}), 9);
    EXPECT_EQ(Floppy({1.2f, 720}), 5);
    EXPECT_EQ(Floppy({360}), 1);
    EXPECT_EQ(Floppy({320}), 0);
    for (auto [mb, score] : {std::pair{32, 10}, {8, 6}, {16, 8}, {64, 12}, {1, 0}, {0, 0}, {-4, 0}})
        EXPECT_EQ(Score(MemoryScore, [&](EquipmentRecord &e) { e.physicalMemoryMB = mb; }), score) << mb;
    EXPECT_EQ(Disks(1, 4000000000ULL), 10);
    EXPECT_EQ(Disks(2, 270000000), 7); // 540 MB in all
    EXPECT_EQ(Disks(0, 4000000000ULL), 0);
    EXPECT_EQ(Disks(1, 999999), 0);
    EXPECT_EQ(Disks(12, 400000000), 10); // the ten slots there are
}

TEST(UpgradeRules, ToolScores) {
    auto e = std::make_unique<EquipmentRecord>();
    auto h = std::make_unique<PerformanceHistory>();
    h->cpu[30] = h->cpu[50] = 1;
    h->printPages[3] = 2;
    h->diskFree[80] = 5;
    h->keystrokes = 119999;
    h->activeSeconds = 1000;
    e->cdromDrives = 1;
    e->rawClockRating = 14.0f;
    e->monitorArea = 212;
    const int NA = kScoreNA;
    const int cases[][4] = {
        {0, 0, 5, 2},    {1, 0, 10, 40},  {3, 0, 0, 20},  {4, 0, 0, NA},  {5, 0, 1, 1},
        {8, 0, 10, 0},   {9, 0, 2, 40},   {11, 0, NA, 3}, {12, 0, 5, 3},  {13, 0, NA, NA},
        {14, 0, 0, NA},  {17, -1, NA, 0}, {17, 1, NA, 3}, {17, 2, NA, 7}, {17, 3, NA, 9},
        {17, 4, NA, 10}, {18, 0, NA, NA}, {20, 0, NA, 1}}; // entry, fixed disks, current, usage
    for (const auto &c : cases) {
        e->fixedDisks = c[1];
        UpgradeScores s = UpgradeToolScores(c[0], *e, *h);
        EXPECT_EQ(s.current, c[2]) << c[0] << " " << c[1];
        EXPECT_EQ(s.usage, c[3]) << c[0] << " " << c[1];
    }
    EXPECT_STREQ(UpgradeToolAt(20).title, "Wrist Pad Upgrade");
    EXPECT_EQ(InputRate(100, 0), 100);
    EXPECT_EQ(InputRate(UINT32_MAX, 0), INT32_MAX);
}

TEST(UpgradeWindow, ShownScores) {
    const int NA = kScoreNA;
    const int cases[][6] = {{4, 50, 4, 5, 7, 3},    {4, NA, 4, NA, 4, 1},  {12, 0, 9, 1, 9, 1},
                            {0, 100, 1, 9, 9, 9},   {1, 14, 1, 1, 2, 1},   {1, 15, 1, 2, 2, 1},
                            {NA, 100, NA, 9, 9, 9}, {NA, NA, NA, NA, 1, 1}}; // current, usage, then shown
    for (const auto &c : cases) {
        UpgradeShown s = ShownUpgradeScores(c[0], c[1]);
        EXPECT_EQ(std::vector<int>({s.current, s.usage, s.potential, s.need}), std::vector<int>(c + 2, c + 6))
            << c[0] << "/" << c[1];
    }
    EXPECT_EQ(UpgradeScoreIcon(NA), 1620);
    EXPECT_EQ(UpgradeScoreIcon(1), 1611);
    EXPECT_EQ(UpgradeScoreIcon(9), 1619);
    auto report = NewReport();
    WriteUpgradeWindowLines(*report, ShownUpgradeScores(4, NA), "Model A\nModel\tB\n");
    EXPECT_EQ(ReportText(*report), "Current Equipment\t4\nUsage\tNA\nUpgrade Potential\t4\nUpgrade Need\t1\n"
                                   "Upgrade Candidates\nModel A\nModel B\n");
}

std::vector<unsigned char> Record(uint32_t category, int32_t rating, const std::string &name) {
    ModelRecord r = {category, rating, ""};
    memcpy(r.name, name.data(), std::min(name.size(), kModelNameSize - 1));
    std::vector<unsigned char> bytes(kModelRecordSize);
    EncodeModelRecord(r, bytes.data());
    return bytes;
}

TEST(ModelsFile, RecordsAndCandidates) {
    for (uint64_t size : {0, 135, 137, 1000})
        EXPECT_FALSE(ModelFileSizeOk(size)) << size;
    for (uint64_t size : {136, 272})
        EXPECT_TRUE(ModelFileSizeOk(size)) << size;
    std::vector<unsigned char> bytes = Record(21, -2, "Matrox Millennium");
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 8),
              (std::vector<unsigned char>{21, 0, 0, 0, 0xfe, 0xff, 0xff, 0xff}));
    ModelRecord r = DecodeModelRecord(bytes.data());
    EXPECT_EQ(std::string(r.name) + " " + std::to_string(r.category) + " " + std::to_string(r.rating),
              "Matrox Millennium 21 -2");
    // A name that fills its field without a terminator ends at the field's end.
    memset(bytes.data() + 8, 'x', kModelNameSize);
    EXPECT_EQ(std::string(DecodeModelRecord(bytes.data()).name), std::string(kModelNameSize - 1, 'x'));

    char list[kCandidateListSize] = "";
    auto add = [&](uint32_t category, int32_t rating, const std::string &name, int32_t threshold) {
        return AddModelCandidate(DecodeModelRecord(Record(category, rating, name).data()), 6, threshold, list,
                                 sizeof list);
    };
    EXPECT_TRUE(add(6, 0, "Zero", -1));
    EXPECT_FALSE(add(6, 5, "Equal", 5));
    EXPECT_FALSE(add(7, 9, "Other category", 5));
    EXPECT_TRUE(add(6, 6, "Above", 5));
    EXPECT_STREQ(list, "Zero\nAbove\n");
    // Names are added while the list stays under 1024 characters; one that does not fit is skipped
    // and later, shorter ones are still tried.
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(add(6, 9, std::string(100, 'n'), 0));
    EXPECT_FALSE(add(6, 9, "yy", 0)); // 1024 characters
    EXPECT_TRUE(add(6, 9, "z", 0));   // 1023
    EXPECT_FALSE(add(6, 9, "w", 0));
    EXPECT_EQ(strlen(list), 1023u);
}

TEST(ModelsFile, SourceLines) {
    struct Case {
        const char *line;
        ModelLineKind kind;
        uint32_t category; // before: 6
        int32_t rating;
        const char *name;
    } cases[] = {
        {"# comment", kModelLineSkip, 6, 0, ""},
        {"   \r\n", kModelLineSkip, 6, 0, ""},
        {"category 21 # Video\n", kModelLineCategory, 21, 0, ""},
        {"category 2\n", kModelLineCategory, 2, 0, ""},
        {"category 22", kModelLineError, 6, 0, ""},
        {"category 0", kModelLineError, 6, 0, ""},
        {"category 5 Mouse", kModelLineError, 6, 0, ""},
        {"7 Plextor 6PleX  \n", kModelLineModel, 6, 7, "Plextor 6PleX"},
        {"  -1\t#9 Imagine 128", kModelLineModel, 6, -1, "#9 Imagine 128"},
        {"7", kModelLineError, 6, 0, ""},
        {"7x Name", kModelLineError, 6, 0, ""},
        {"1001 Name", kModelLineError, 6, 0, ""},
        {"5 Tab\there", kModelLineError, 6, 0, ""},
        {"5 \001Code", kModelLineError, 6, 0, ""},
    };
    for (const Case &c : cases) {
        uint32_t category = 6;
        ModelRecord r = {};
        char error[100] = "";
        EXPECT_EQ(ParseModelLine(c.line, category, r, error, sizeof error), c.kind) << c.line;
        EXPECT_EQ(std::to_string(category) + " " + std::to_string(r.rating) + " " + r.name,
                  std::to_string(c.category) + " " + std::to_string(c.rating) + " " + c.name);
        EXPECT_EQ(c.kind == kModelLineError, error[0] != 0) << c.line;
    }
    uint32_t category = 0;
    ModelRecord r = {};
    char error[100];
    EXPECT_EQ(ParseModelLine("7 Plextor", category, r, error, sizeof error), kModelLineError);
    category = 1;
    EXPECT_EQ(ParseModelLine(("1 " + std::string(127, 'a')).c_str(), category, r, error, sizeof error),
              kModelLineModel);
    EXPECT_EQ(ParseModelLine(("1 " + std::string(128, 'a')).c_str(), category, r, error, sizeof error),
              kModelLineError);
    EXPECT_EQ(ParseModelLine("2 b", category, r, error, sizeof error), kModelLineModel);
    EXPECT_STREQ(r.name, "b");
}

} // namespace
