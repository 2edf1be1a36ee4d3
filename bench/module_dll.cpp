// A library with one export; the Module List benchmark copies it under many names and loads the copies.
extern "C" __declspec(dllexport) int QvBenchModuleValue() {
    return 7;
}
