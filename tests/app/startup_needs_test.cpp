#include "app/startup_needs.h"

#include <gtest/gtest.h>

namespace {

// Whole families and single Explore tools read the record; everything else, the About content and ids
// outside the catalogue do not.
TEST(StartupNeeds, OnlyToolsThatReadTheEquipmentRecordWaitForIt) {
    const std::pair<int, bool> rows[] = {
        {2301, true},  {2317, true},  {2501, true},  {2521, true},  {2204, true},  {2209, true},
        {2215, true},  {2216, true},  {2201, false}, {2203, false}, {2210, false}, {2219, false},
        {2406, false}, {2801, false}, {2701, false}, {3101, false}, {3201, false}, {3402, false},
        {2300, false}, {2318, false}, {2500, false}, {2522, false}, {0, false}};
    for (const auto &[id, reads] : rows)
        EXPECT_EQ(ToolReadsEquipment(id), reads) << id;
    const int mixed[] = {3402, 2201, 2310};
    EXPECT_TRUE(AnyToolReadsEquipment(mixed, 3));
    EXPECT_FALSE(AnyToolReadsEquipment(mixed, 2));
    EXPECT_FALSE(AnyToolReadsEquipment(nullptr, 0));
}

} // namespace
