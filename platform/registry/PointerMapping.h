#pragma once
// How the Windows pointer parameters translate to what an X server offers.
//
// Windows accelerates in two steps: with speed 1 motion is doubled above
// threshold 1; with speed 2 it is also quadrupled above threshold 2. The X server
// has one ratio applied above one threshold, so:
//   speed 0  ->  ratio 1/1 (no acceleration; the threshold is left as it is)
//   speed 1  ->  ratio 2/1 above threshold 1
//   speed 2  ->  ratio 4/1 above threshold 2 (the doubling between the two
//                thresholds has no place in X and is dropped)
// The pointer speed 1-20 (10 = unchanged) becomes libinput's speed -1..1.
// Desktops that speak libinput's profiles get "flat" for speed 0 and
// "adaptive" for 1 and 2; the thresholds have no place there.

namespace platform {

struct XPointerAcceleration {
    int numerator = 1;
    int denominator = 1;
    int threshold = 0;
    bool setsThreshold = false;
};

XPointerAcceleration xPointerAcceleration(int threshold1, int threshold2, int speed);

// (speed - 10) / 10, clamped to -1..1.
float libinputAccelSpeed(int pointerSpeed);

enum class AccelerationProfile { Flat, Adaptive };

AccelerationProfile accelerationProfile(int accelerationSpeed);

}  // namespace platform
