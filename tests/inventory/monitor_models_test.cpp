// The monitor model lookup and the "Monitor" stage.
#include "inventory/monitor_models.h"
#include "inventory/registry_stages.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/inventory/inventory_test_helpers.h"

namespace {

TEST(MonitorModels, TheFirstRowContainedGivesTheModel) {
    const std::pair<const char *, const char *> cases[] = {
        {"nec multisync 4fge", "NEC MultiSync 4FG"}, // the shorter text comes first
        {"ADI MicroScan 3E+", "ADI MicroScan 3E"},
        {"Aamazing CM-8426", "Aamazing CM-8426"}, // the first row
        {"Nanao 9070U", "Nanao 9070U"},           // the first of two rows of that name
        {"ViewSonic 17GS", "17"},                 // no model: a bare size
        {"Super VGA 1600x1200", "16"},            // "16" comes before "20"
        {"Super VGA 21", "21"},                   // the last row
        {"Super VGA 1280x1024", "(none)"},
        {"", "(none)"}};
    for (const auto &c : cases) {
        const MonitorModel *found = FindMonitorModel(c.first);
        EXPECT_STREQ(found ? found->model : "(none)", c.second) << c.first;
    }
    EXPECT_EQ(FindMonitorModel("Nanao 9070U")->size, 15.0f) << "not the 16 inch one";
    // Only the first 255 characters of the description count.
    const std::string model = "NEC MultiSync 3D";
    std::string within = std::string(255 - model.size(), 'x') + model + std::string(40, 'x');
    EXPECT_STREQ(FindMonitorModel(within.c_str()) ? FindMonitorModel(within.c_str())->model : "",
                 "NEC MultiSync 3D");
    std::string beyond = "x" + within;
    EXPECT_EQ(FindMonitorModel(beyond.c_str()), nullptr);
}

// The area of a screen is size x size x 0.48.
TEST(MonitorStage, TheDescriptionOfTheFirstDefaultMonitor) {
    const StageCase cases[] = {
        {"Monitor\\Default_Monitor\\0000||ViewSonic 8",
         "monitor name=ViewSonic 8 | monitor size=21 | monitor dot pitch=0.28 | monitor maximum width=1280 | "
         "monitor area=211.68"},
        {"Monitor\\Default_Monitor\\0000||Generic 17\" monitor",
         "monitor name=Generic 17\" monitor | monitor size=17 | monitor dot pitch=0.28 | "
         "monitor maximum width=1024 | monitor area=138.72"},
        // An unknown model keeps the defaults.
        {"Monitor\\Default_Monitor\\0000||Plug and Play Monitor",
         "monitor name=Plug and Play Monitor | monitor size=15 | monitor dot pitch=0.28 | "
         "monitor maximum width=800 | monitor area=108"},
        // The first of the instances 0000..001E found.
        {"Monitor\\Default_Monitor\\0005||Taxan MV_875; Monitor\\Default_Monitor\\0002||AOC CM-324",
         "monitor name=AOC CM-324 | monitor size=14 | monitor dot pitch=0.31 | monitor maximum width=640 | "
         "monitor area=94.08"},
        {"Monitor\\Default_Monitor\\001E||IBM 6319",
         "monitor name=IBM 6319 | monitor size=15 | monitor dot pitch=0.28 | monitor maximum width=1024 | "
         "monitor area=108"},
        {"Monitor\\Default_Monitor\\001F||IBM 6319; Monitor\\Default_Monitor\\00||IBM 6319; "
         "Monitor\\NEC_MultiSync\\0000||IBM 6319",
         "monitor size=15 | monitor dot pitch=0.28 | monitor maximum width=800 | monitor area=108"},
        {"Monitor\\Default_Monitor\\0000",
         "monitor size=15 | monitor dot pitch=0.28 | monitor maximum width=800 | monitor area=108"},
    };
    ExpectStages(cases, StageMonitor);
}

} // namespace
