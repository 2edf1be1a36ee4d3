// The registry stages run over a registry that writes down every question they ask and every answer
// they get, so that two registries (the machine and a copy of it) can be compared on all of it. The
// stages read values as text only: a registry without raw reads is all they need.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "inventory/registry_stages.h"

struct StagesRun {
    std::unique_ptr<EquipmentRecord> record = std::make_unique<EquipmentRecord>();
    std::vector<std::string> answers;
};

struct RegistryRecorder {
    RegistryAccess inner;
    std::vector<std::string> *answers;
};

inline StagesRun RunStagesRecorded(const RegistryAccess &registry) {
    StagesRun run;
    RegistryRecorder recorder = {registry, &run.answers};
    RegistryAccess access = {};
    access.context = &recorder;
    access.open = [](void *c, const char *path) {
        auto &r = *static_cast<RegistryRecorder *>(c);
        void *key = r.inner.open(r.inner.context, path);
        r.answers->push_back(std::string("open ") + path + (key ? "" : " -> none"));
        return key;
    };
    access.close = [](void *c, void *key) {
        auto &r = *static_cast<RegistryRecorder *>(c);
        r.inner.close(r.inner.context, key);
    };
    access.subkeyCount = [](void *c, void *key) {
        auto &r = *static_cast<RegistryRecorder *>(c);
        int n = r.inner.subkeyCount(r.inner.context, key);
        r.answers->push_back("subkeys " + std::to_string(n));
        return n;
    };
    access.subkeyName = [](void *c, void *key, int index, char *name, size_t size) {
        auto &r = *static_cast<RegistryRecorder *>(c);
        bool found = r.inner.subkeyName(r.inner.context, key, index, name, size);
        r.answers->push_back("subkey " + std::to_string(index) + " " + (found ? name : "-"));
        return found;
    };
    access.queryValue = [](void *c, void *key, const char *value, char *out, size_t size) {
        auto &r = *static_cast<RegistryRecorder *>(c);
        bool found = r.inner.queryValue(r.inner.context, key, value, out, size);
        r.answers->push_back(std::string("value ") + value + " " + (found ? out : "-"));
        return found;
    };
    RunRegistryStages(access, *run.record, StageHooks{nullptr, nullptr, nullptr, 586, 0, 0});
    return run;
}

// Empty when both runs got the same answers and filled the same record, else the first difference.
inline std::string StagesRunDifference(const StagesRun &a, const StagesRun &b) {
    for (size_t i = 0; i < a.answers.size() || i < b.answers.size(); ++i) {
        std::string x = i < a.answers.size() ? a.answers[i] : "(nothing)";
        std::string y = i < b.answers.size() ? b.answers[i] : "(nothing)";
        if (x != y)
            return "answer " + std::to_string(i) + ": '" + x + "' against '" + y + "'";
    }
    if (memcmp(a.record.get(), b.record.get(), sizeof(EquipmentRecord)) != 0)
        return "the records differ";
    return "";
}
