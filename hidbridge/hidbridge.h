#pragma once
// The exported interface of hidbridge.so. Programs load the library by full path
// from their own folder and bind these names with dlsym; the typedefs give the
// matching function-pointer types. Plain C linkage and arguments.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Starts watching for the mouse and opens every event collection found. Event
// reports reach `window` as `eventMessage` (wParam = code x 256, lParam = value),
// arrivals and removals as `deviceMessage` (wParam 1 or 0, lParam = device id).
int Open_DevMonitor(uint32_t window, uint32_t eventMessage, uint32_t deviceMessage);
// Closes every device (posting a removal for each) and stops watching. The
// argument is ignored. Returns 1.
int Close_DevMonitor(int ignored);
// Opens the first feature collection of the mouse. 1 when found, else 0.
int Open_FeatureDevice(void);
int Close_FeatureDevice(void);
// One feature report; byte 0 of `buffer` is the report ID. Nonzero on success,
// 0 on failure or without an open feature collection (the buffer is then untouched).
int SetFeature(unsigned char* buffer, int length);
int GetFeature(unsigned char* buffer, int length);
// The product ID of the last opened feature collection, 0 before.
int GetMousePID(void);
// Writes one output report to the event collection of device `deviceId`: the
// report ID 0 in byte 0, then `data`, cut or zero-padded to the report length.
void Hid_Write(int deviceId, const unsigned char* data, int length);
// Copies the newest complete input report of device `deviceId` into `buffer`
// (which must hold the device's input report length); untouched when none came.
void Hid_Read(int deviceId, unsigned char* buffer);

typedef int (*Open_DevMonitor_t)(uint32_t, uint32_t, uint32_t);
typedef int (*Close_DevMonitor_t)(int);
typedef int (*Open_FeatureDevice_t)(void);
typedef int (*Close_FeatureDevice_t)(void);
typedef int (*SetFeature_t)(unsigned char*, int);
typedef int (*GetFeature_t)(unsigned char*, int);
typedef int (*GetMousePID_t)(void);
typedef void (*Hid_Write_t)(int, const unsigned char*, int);
typedef void (*Hid_Read_t)(int, unsigned char*);

#ifdef __cplusplus
}
#endif
