#pragma once
// Recording keys into a macro. While a recording runs, the key source delivers
// every keystroke here: a key message that repeats the previous one (a held
// key's auto-repeat) is ignored, keys outside the key code table are ignored,
// the others are inserted at the insertion point and, while delays are on, the
// time since the previous captured key becomes the delay before them (at most
// 65535 ms). At 500 events the recording stops by itself.
#include <cstdint>
#include <optional>
#include <vector>

#include "option/core/KeyCapture.h"
#include "settings/MacroRecord.h"

namespace option::core {

class MacroRecording : public KeyListener {
public:
    explicit MacroRecording(KeySource& keys) : keys_(keys) {}
    ~MacroRecording() override { stop(); }

    // Starts recording into a copy of `macro`'s events, inserting at event
    // `insertAt` (clamped to the events; "Start Record" empties the macro first
    // and passes 0). `delays`: the delay button is on. The recording runs even
    // when the keyboard cannot be taken; it then captures nothing.
    void start(const settings::MacroRecord& macro, int insertAt, bool delays);
    // "Start Record": the macro's events are replaced by what is recorded.
    void startEmpty(bool delays);
    // Removes the key source; the events recorded stay in events().
    void stop();

    bool recording() const { return recording_; }
    // The keyboard was taken for this recording.
    bool capturing() const { return capturing_; }
    int insertionPoint() const { return insertAt_; }
    // The event last inserted, for the list to keep in view; -1 before any.
    int lastInserted() const { return lastInserted_; }
    const std::vector<settings::MacroEvent>& events() const { return events_; }
    // The events recorded so far as the macro's events (count and all 500 slots).
    void writeTo(settings::MacroRecord& macro) const;

    void keyMessage(const KeyMessage& message) override;

private:
    KeySource& keys_;
    std::vector<settings::MacroEvent> events_;
    bool recording_ = false;
    bool capturing_ = false;
    bool delays_ = false;
    int insertAt_ = 0;
    int lastInserted_ = -1;
    std::optional<KeyMessage> previousMessage_;
    std::optional<std::uint32_t> previousCaptureTime_;
};

}  // namespace option::core
