// Shared by the portable inventory tests: device trees written as REGEDIT4 text, and the equipment
// record compared through its export.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "inventory/equipment.h"
#include "inventory/registry_tree.h"
#include "tests/fixtures.h"

// REGEDIT4 text of device keys under HKEY_LOCAL_MACHINE\Enum, written "path|class|description|
// hardware id|SCSI target id; path|..." with the paths below Enum; empty or missing values are left out.
inline std::string DeviceKeys(const std::string &devices) {
    const char *names[] = {"Class", "DeviceDesc", "HardwareID", "SCSITargetID"};
    std::string text = "REGEDIT4\n", field;
    int index = 0;
    for (size_t i = 0; i <= devices.size(); ++i) {
        bool endOfDevice = i == devices.size() || devices.compare(i, 2, "; ") == 0;
        if (!endOfDevice && devices[i] != '|') {
            field += devices[i] == '\\' && index > 0 ? "\\\\"
                     : devices[i] == '"'             ? "\\\""
                                                     : std::string(1, devices[i]);
            continue;
        }
        if (index == 0 && !field.empty())
            text += "[HKEY_LOCAL_MACHINE\\Enum\\" + field + "]\n";
        else if (index > 0 && !field.empty())
            text += std::string("\"") + names[index - 1] + "\"=\"" + field + "\"\n";
        field.clear();
        index = endOfDevice ? 0 : index + 1;
        i += endOfDevice;
    }
    return text;
}

// A registry tree parsed from text (a fixture's, see FixtureText); a text that does not parse, or none,
// fails the test and leaves an empty tree.
struct Machine {
    std::unique_ptr<RegistryTree, void (*)(RegistryTree *)> tree{nullptr, FreeRegistryTree};
    RegistryAccess access{};
    explicit Machine(const char *text) {
        char error[200] = "";
        tree.reset(ParseRegistryText(text ? text : "", error, sizeof error));
        EXPECT_TRUE(tree) << error;
        if (!tree)
            tree.reset(ParseRegistryText("REGEDIT4\n", error, sizeof error));
        access = TreeRegistryAccess(tree.get());
    }
    explicit Machine(const std::string &text) : Machine(text.c_str()) {}
};

// The export of a record, one "name<TAB>value" string per line.
inline std::vector<std::string> ExportLines(const EquipmentRecord &record) {
    std::vector<std::string> lines;
    auto add = [](void *c, const char *line) { static_cast<std::vector<std::string> *>(c)->push_back(line); };
    WriteEquipmentFields(record, add, &lines);
    return lines;
}

// The export lines that differ from those of a blank record, as "name=value" joined by " | ".
inline std::string ChangedFields(const EquipmentRecord &record) {
    std::vector<std::string> before = ExportLines(*std::make_unique<EquipmentRecord>()),
                             after = ExportLines(record);
    std::string changed;
    for (size_t i = 0; i < after.size(); ++i) {
        if (i < before.size() && after[i] == before[i])
            continue;
        std::string line = after[i];
        changed += (changed.empty() ? "" : " | ") + line.replace(line.find('\t'), 1, "=");
    }
    return changed;
}

// One row of a stage's rule table: the devices of a machine (see DeviceKeys), the export lines the
// stages change on a blank record (see ChangedFields), and the metric a video card stage is given.
struct StageCase {
    const char *devices;
    const char *changed;
    int slowMachine = 0;
};

template <size_t N, typename... Stages> void ExpectStages(const StageCase (&cases)[N], Stages... stages) {
    for (const StageCase &c : cases) {
        SCOPED_TRACE(c.devices);
        Machine m(DeviceKeys(c.devices));
        auto record = std::make_unique<EquipmentRecord>();
        auto run = [&](auto stage) {
            if constexpr (std::is_invocable_v<decltype(stage), const RegistryAccess &, EquipmentRecord &,
                                              int>)
                stage(m.access, *record, c.slowMachine);
            else
                stage(m.access, *record);
        };
        (run(stages), ...);
        EXPECT_EQ(ChangedFields(*record), c.changed);
    }
}
