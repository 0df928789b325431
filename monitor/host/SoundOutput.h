#pragma once
// Where a feedback sound goes: its number and the loudness to scale it to.

namespace monitor::host {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(int number, float loudness) = 0;
};

}  // namespace monitor::host
