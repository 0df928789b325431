#pragma once
// The mouse's memory kept across restarts of the simulator, as a text file:
//
//   mousesim-state 1
//   firmware <0-255>
//   active-profile <0-4>
//   padtune <0-3>
//   track-control <0-255>
//   settings <profile> <28 bytes as hex>      one line per profile
//   buttons <profile> <54 bytes as hex>       one line per profile
//   macro <profile> <button> <2075 bytes>     one line per stored macro
//   check <FNV-1a 32 of all text before this line, 8 hex digits>
//
// Loading checks every line; a file that fails any check counts as damaged and
// the mouse starts factory-fresh.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "mousesim/MouseMemory.h"

namespace mousesim {

std::string serializeState(const MouseMemory& memory);
std::optional<MouseMemory> parseState(std::string_view text);

enum class StateLoadOutcome { Loaded, Missing, Damaged };

struct LoadedState {
    MouseMemory memory;
    StateLoadOutcome outcome = StateLoadOutcome::Missing;
};

// Missing or damaged files give the factory state.
LoadedState loadStateFile(const std::filesystem::path& path);
// Written to a temporary file beside it, then renamed over it.
bool saveStateFile(const std::filesystem::path& path, const MouseMemory& memory);

class StateStore {
public:
    virtual ~StateStore() = default;
    virtual bool save(const MouseMemory& memory) = 0;
};

class FileStateStore : public StateStore {
public:
    explicit FileStateStore(std::filesystem::path path) : path_(std::move(path)) {}
    bool save(const MouseMemory& memory) override { return saveStateFile(path_, memory); }

private:
    std::filesystem::path path_;
};

}  // namespace mousesim
