#pragma once
// The mouse's update mode: update commands arrive as report 27, their outcome is
// read as report 28. The image goes to a simulated flash block by block; only a
// finish after every block arrived complete and correct replaces the firmware
// and with it the reported version.
//
// Sequence: start (start signature) -> size (size, transfer signature) ->
// prepare (erases) -> for each block in order: header (index, block sum,
// transfer signature), data -> finish. A command out of this order, a wrong
// signature, a block index other than the next one, or a size of 0 or above
// 200 blocks fails the transfer; only a new start begins another one. Block data
// whose sum differs from its header asks for the data again (status 4), up to
// three times per block, then the transfer fails.
//
// The new version comes from the image: an image that begins with the tag
// "MSFW" carries its version in byte 4; any other image counts as the next
// version after the current one (255 is followed by 1).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace mousesim {

struct FirmwareSignatures {
    std::array<std::uint8_t, 8> start;
    std::array<std::uint8_t, 4> transfer;
};

// The signatures this mouse's update mode expects.
FirmwareSignatures defaultFirmwareSignatures();

inline constexpr std::array<std::uint8_t, 4> kVersionTag = {'M', 'S', 'F', 'W'};
inline constexpr std::size_t kVersionTagVersionOffset = 4;
inline constexpr int kMaxBlockRepeats = 3;

enum class FlashPhase { Idle, Started, Sized, Prepared, HeaderReceived, Failed };

class FirmwareFlash {
public:
    explicit FirmwareFlash(FirmwareSignatures signatures = defaultFirmwareSignatures());

    // False when the report itself is malformed (the set fails); the outcome of a
    // well-formed command is in status(). A completed update yields the new
    // firmware version.
    struct Outcome {
        bool accepted = false;
        std::optional<std::uint8_t> newFirmwareVersion;
    };
    Outcome command(std::span<const std::uint8_t> report, std::uint8_t currentVersion);

    std::uint8_t status() const { return status_; }
    FlashPhase phase() const { return phase_; }
    std::size_t blocksWritten() const { return nextBlock_; }
    std::size_t blockCount() const { return blockCount_; }

    // The flash write of this block fails once, on the next transfer that gets there.
    void failWriteAtBlock(std::uint16_t block) { failAtBlock_ = block; }
    std::optional<std::uint16_t> pendingWriteFailure() const { return failAtBlock_; }

    // Power loss: leaves update mode, keeps the installed firmware.
    void reset();

private:
    void fail();
    void onStart(std::span<const std::uint8_t> r);
    void onSize(std::span<const std::uint8_t> r);
    void onPrepare(std::span<const std::uint8_t> r);
    void onBlockHeader(std::span<const std::uint8_t> r);
    void onBlockData(std::span<const std::uint8_t> r);
    std::optional<std::uint8_t> onFinish(std::uint8_t currentVersion);
    bool transferSignatureAt(std::span<const std::uint8_t> r, std::size_t offset) const;

    FirmwareSignatures signatures_;
    FlashPhase phase_ = FlashPhase::Idle;
    std::uint8_t status_;
    std::uint32_t imageSize_ = 0;
    std::size_t blockCount_ = 0;
    std::size_t nextBlock_ = 0;
    std::uint16_t headerChecksum_ = 0;
    int repeatsOfBlock_ = 0;
    std::optional<std::uint16_t> failAtBlock_;
    std::vector<std::uint8_t> flash_;
};

}  // namespace mousesim
