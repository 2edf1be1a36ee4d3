// The monitor model table and the "Monitor" stage.
#include "inventory/monitor_models.h"
#include "inventory/registry_stages.h"
#include "inventory/registry_tree.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Upper(std::string text) {
    for (char &c : text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

int RowNumber(const MonitorModel *row) {
    return row ? static_cast<int>(row - kMonitorModels) + 1 : 0;
}

TEST(MonitorModels, TableShape) {
    ASSERT_EQ(sizeof kMonitorModels / sizeof kMonitorModels[0], 91u);
    for (size_t i = 0; i < kMonitorModelCount; ++i) {
        const MonitorModel &row = kMonitorModels[i];
        SCOPED_TRACE(testing::Message() << "row " << i + 1 << " " << row.model);
        ASSERT_NE(row.model, nullptr);
        EXPECT_GT(strlen(row.model), 0u);
        EXPECT_LE(strlen(row.model), 55u);
        EXPECT_GE(row.size, 13.0f);
        EXPECT_LE(row.size, 21.0f);
        EXPECT_GE(row.dotPitch, 0.25f);
        EXPECT_LE(row.dotPitch, 0.33f);
        EXPECT_TRUE(row.maxWidth == 640 || row.maxWidth == 800 || row.maxWidth == 1024 ||
                    row.maxWidth == 1280)
            << row.maxWidth;
    }
}

TEST(MonitorModels, SampledRows) {
    struct Case {
        int number; // 1-based, in table order
        const char *model;
        float size;
        float dotPitch;
        int32_t maxWidth;
    };
    const Case cases[] = {
        {1, "Aamazing CM-8426", 14, 0.28f, 800},
        {4, "AcerView 76i", 17, 0.27f, 1024},
        {5, "ADI MicroScan 3E", 14, 0.28f, 1280},
        {6, "ADI MicroScan 3E+", 14, 0.28f, 1024},
        {11, "AOC CM-324", 14, 0.31f, 640},
        {18, "Gateway CrystalScan 1024NI2G", 14, 0.28f, 800},
        {21, "Fora, Inc. MON-7C5", 15, 0.28f, 1024},
        {26, "Monitronix MX-210EZ", 19, 0.31f, 640},
        {28, "Nanao 9070U", 15, 0.28f, 640},
        {31, "Nanao 9070U", 16, 0.28f, 640},
        {36, "Nanao Flex Scan F560i-W", 17, 0.26f, 1280},
        {46, "NEC MultiSync 4FG", 15, 0.28f, 1024},
        {47, "NEC MultiSync 4FGe", 15, 0.28f, 1024},
        {50, "NEC MultiSync 4XLp", 15, 0.28f, 1280},
        {58, "NEC MultiSync 6FG", 21, 0.28f, 1280},
        {60, "NEC MultiSync Plus", 14, 0.33f, 640},
        {71, "Taxan MV_770+", 13, 0.31f, 640},
        {79, "ViewSonic 5", 13, 0.25f, 640},
        {80, "ViewSonic 7", 17, 0.28f, 1024},
        {81, "ViewSonic 6", 15, 0.28f, 1280},
        {83, "Wyse Technology WY-670", 13, 0.28f, 640},
        {84, "13", 14, 0.28f, 1024},
        {85, "14", 14, 0.28f, 1024},
        {89, "19", 19, 0.28f, 1024},
        {90, "20", 20, 0.28f, 1024},
        {91, "21", 21, 0.28f, 1024},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.number);
        const MonitorModel &row = kMonitorModels[c.number - 1];
        EXPECT_STREQ(row.model, c.model);
        EXPECT_FLOAT_EQ(row.size, c.size);
        EXPECT_FLOAT_EQ(row.dotPitch, c.dotPitch);
        EXPECT_EQ(row.maxWidth, c.maxWidth);
    }
}

TEST(MonitorModels, EveryModelFindsItselfOrAnEarlierRowItContains) {
    for (size_t i = 0; i < kMonitorModelCount; ++i) {
        const MonitorModel &row = kMonitorModels[i];
        SCOPED_TRACE(testing::Message() << "row " << i + 1 << " " << row.model);
        // Also in other cases, inside a longer description.
        for (std::string description :
             {std::string(row.model), Upper(row.model), "Brand " + std::string(row.model)}) {
            const MonitorModel *found = FindMonitorModel(description.c_str());
            ASSERT_NE(found, nullptr);
            EXPECT_LE(found, &row);
            EXPECT_NE(Upper(row.model).find(Upper(found->model)), std::string::npos) << found->model;
            // No earlier row is contained in the description.
            for (const MonitorModel *earlier = kMonitorModels; earlier < found; ++earlier)
                EXPECT_EQ(Upper(description).find(Upper(earlier->model)), std::string::npos)
                    << earlier->model;
        }
    }
    // The second "Nanao 9070U" (16 inches) can never be chosen.
    EXPECT_EQ(RowNumber(FindMonitorModel("Nanao 9070U")), 28);
    EXPECT_FLOAT_EQ(FindMonitorModel("Nanao 9070U")->size, 15.0f);
}

TEST(MonitorModels, FindTheFirstRowContained) {
    struct Case {
        const char *description;
        int row; // 0: none
    };
    const Case cases[] = {
        {"NEC MultiSync 4FGe", 46},           // "NEC MultiSync 4FG" comes first
        {"nec multisync 4fge", 46},           // case does not matter
        {"ADI MicroScan 3E+", 5},             // the 1280 row before the 1024 one
        {"Gateway CrystalScan 1024NI2G", 16}, // the shortest Gateway name
        {"Dell Super VGA Colour", 19},
        {"Compaq 1024", 15},
        {"ViewSonic 7", 80},
        {"ViewSonic 17GS", 88}, // not "ViewSonic 7": caught by the bare size
        {"Sony Multiscan 17sf", 88},
        {"Generic 13 inch", 84},
        {"Super VGA 1600x1200", 87}, // "16" comes before "20"
        {"Super VGA 1280x1024", 0},
        {"Plug and Play Monitor (VESA DDC)", 0},
        {"Laptop Display Panel (800x600)", 0},
        {"", 0},
        {"NEC MultiSync", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.description);
        EXPECT_EQ(RowNumber(FindMonitorModel(c.description)), c.row);
    }
}

TEST(MonitorModels, OnlyTheFirst255CharactersOfTheDescriptionCount) {
    const std::string model = "NEC MultiSync 3D"; // row 39
    std::string within = std::string(255 - model.size(), 'x') + model + std::string(40, 'x');
    EXPECT_EQ(RowNumber(FindMonitorModel(within.c_str())), 39);
    std::string beyond = std::string(256 - model.size(), 'x') + model + std::string(40, 'x');
    EXPECT_EQ(FindMonitorModel(beyond.c_str()), nullptr);
}

TEST(MonitorModels, Area) {
    EXPECT_FLOAT_EQ(MonitorArea(15.0f), 108.0f);
    EXPECT_FLOAT_EQ(MonitorArea(17.0f), 138.72f);
    EXPECT_FLOAT_EQ(MonitorArea(21.0f), 211.68f);
    EXPECT_FLOAT_EQ(MonitorArea(0.0f), 0.0f);
}

// ---- The "Monitor" stage ----

TEST(MonitorStage, DescriptionOfTheFirstDefaultMonitor) {
    struct Case {
        const char *name;
        std::vector<std::pair<std::string, std::string>> monitors; // key below Enum, description
        const char *monitorName;
        float size;
        float dotPitch;
        int32_t maxWidth;
    };
    const Case cases[] = {
        {"model",
         {{"Monitor\\Default_Monitor\\0000", "NEC MultiSync 4FGe"}},
         "NEC MultiSync 4FGe",
         15,
         0.28f,
         1024},
        {"other values", {{"Monitor\\Default_Monitor\\0000", "ViewSonic 8"}}, "ViewSonic 8", 21, 0.28f, 1280},
        {"bare size",
         {{"Monitor\\Default_Monitor\\0000", "Generic 17\\\" monitor"}},
         "Generic 17\" monitor",
         17,
         0.28f,
         1024},
        {"row 13 is 14 inches",
         {{"Monitor\\Default_Monitor\\0000", "Generic 13"}},
         "Generic 13",
         14,
         0.28f,
         1024},
        {"unknown model keeps the defaults and its name",
         {{"Monitor\\Default_Monitor\\0000", "Plug and Play Monitor"}},
         "Plug and Play Monitor",
         15,
         0.28f,
         800},
        {"first instance found",
         {{"Monitor\\Default_Monitor\\0005", "Taxan MV_875"},
          {"Monitor\\Default_Monitor\\0002", "AOC CM-324"}},
         "AOC CM-324",
         14,
         0.31f,
         640},
        {"instance 30 is looked at",
         {{"Monitor\\Default_Monitor\\001E", "IBM 6319"}},
         "IBM 6319",
         15,
         0.28f,
         1024},
        {"instance 31 is not", {{"Monitor\\Default_Monitor\\001F", "IBM 6319"}}, "", 15, 0.28f, 800},
        {"two-digit instance", {{"Monitor\\Default_Monitor\\00", "IBM 6319"}}, "", 15, 0.28f, 800},
        {"another monitor id", {{"Monitor\\NEC_MultiSync\\0000", "IBM 6319"}}, "", 15, 0.28f, 800},
        {"no description", {{"Monitor\\Default_Monitor\\0000", ""}}, "", 15, 0.28f, 800},
        {"no monitor", {}, "", 15, 0.28f, 800},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Enum\\Root\\*PNP0C01\\0000]\n";
        for (const auto &monitor : c.monitors) {
            text += "[HKEY_LOCAL_MACHINE\\Enum\\" + monitor.first + "]\n\"Class\"=\"Monitor\"\n";
            if (!monitor.second.empty())
                text += "\"DeviceDesc\"=\"" + monitor.second + "\"\n";
        }
        char error[200] = "";
        RegistryTree *tree = ParseRegistryText(text.c_str(), error, sizeof error);
        ASSERT_NE(tree, nullptr) << error;
        auto record = std::make_unique<EquipmentRecord>();
        // Whatever was there before, the stage starts from its defaults.
        record->monitorSize = 99.0f;
        record->monitorMaxWidth = 1;
        StageMonitor(TreeRegistryAccess(tree), *record);
        FreeRegistryTree(tree);
        EXPECT_STREQ(record->monitorName, c.monitorName);
        EXPECT_FLOAT_EQ(record->monitorSize, c.size);
        EXPECT_FLOAT_EQ(record->monitorDotPitch, c.dotPitch);
        EXPECT_EQ(record->monitorMaxWidth, c.maxWidth);
        EXPECT_FLOAT_EQ(record->monitorArea, c.size * c.size * 0.48f);
    }
}

} // namespace
