// A bridge library that lacks GetFeature, for the monitor's binding test.

#include "hidbridge/hidbridge.h"

extern "C" {
int Open_DevMonitor(uint32_t, uint32_t, uint32_t) { return 1; }
int Close_DevMonitor(int) { return 1; }
int Open_FeatureDevice(void) { return 1; }
int Close_FeatureDevice(void) { return 1; }
int SetFeature(unsigned char*, int) { return 1; }
int GetMousePID(void) { return 0x2DC2; }
}
