// The equipment record: the hardware inventory taken once at start-up.
#pragma once

constexpr int kEquipmentBytes = 6140;

struct EquipmentRecord {
    unsigned char data[kEquipmentBytes];
};
