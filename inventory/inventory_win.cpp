#include "inventory/inventory.h"

#include "report/startup_pictures.h"

// The registry half of the inventory advances the start-up pyramid ten times and the measured half
// once; the stages that fill the equipment record between those steps come with the inventory.
void RunDeviceWalk(HWND) {
    for (int step = 0; step < 10; ++step)
        AdvancePyramid();
}

void RunMeasurements(HWND) {
    AdvancePyramid();
}
