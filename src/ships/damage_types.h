// How much of each damage type a device of each type feels.
#pragma once

// The weight of damage of the incoming DamageType against a device of the device's DamageType;
// 1.0 when either type is outside 0-6.
float DamageTypeFactor(int incomingType, int deviceType);
