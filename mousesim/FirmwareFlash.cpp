#include "mousesim/FirmwareFlash.h"

#include <algorithm>

#include "mousesim/Checksum.h"
#include "mousesim/Protocol.h"

namespace mousesim {
namespace {

constexpr std::size_t kCommandByte = 1;
constexpr std::size_t kStartSignatureOffset = 4;
constexpr std::size_t kSizeOffset = 4;
constexpr std::size_t kSizeSignatureOffset = 8;
constexpr std::size_t kPrepareMarkOffset = 4;
constexpr std::size_t kHeaderIndexOffset = 4;
constexpr std::size_t kHeaderChecksumOffset = 6;
constexpr std::size_t kHeaderSignatureOffset = 8;
constexpr std::size_t kDataOffset = 2;
static_assert(kDataOffset + kFirmwareBlockSize == length::kUpdateCommand);

std::uint16_t read16(std::span<const std::uint8_t> r, std::size_t at) {
    return static_cast<std::uint16_t>(r[at] | (r[at + 1] << 8));
}

std::uint32_t read32(std::span<const std::uint8_t> r, std::size_t at) {
    return static_cast<std::uint32_t>(r[at]) | (static_cast<std::uint32_t>(r[at + 1]) << 8) |
           (static_cast<std::uint32_t>(r[at + 2]) << 16) | (static_cast<std::uint32_t>(r[at + 3]) << 24);
}

std::uint8_t versionAfter(std::uint8_t current) { return current == 255 ? 1 : static_cast<std::uint8_t>(current + 1); }

}  // namespace

FirmwareSignatures defaultFirmwareSignatures() {
    return FirmwareSignatures{{'Z', 'N', 'U', 'P', 'D', 'A', 'T', 'E'}, {0x55, 0xAA, 0x5A, 0xA5}};
}

FirmwareFlash::FirmwareFlash(FirmwareSignatures signatures)
    : signatures_(signatures), status_(updateStatus::kSuccess) {}

void FirmwareFlash::reset() {
    phase_ = FlashPhase::Idle;
    status_ = updateStatus::kSuccess;
    imageSize_ = 0;
    blockCount_ = 0;
    nextBlock_ = 0;
    repeatsOfBlock_ = 0;
    flash_.clear();
}

void FirmwareFlash::fail() {
    phase_ = FlashPhase::Failed;
    status_ = updateStatus::kFailed;
}

bool FirmwareFlash::transferSignatureAt(std::span<const std::uint8_t> r, std::size_t offset) const {
    return std::equal(signatures_.transfer.begin(), signatures_.transfer.end(), r.begin() + offset);
}

FirmwareFlash::Outcome FirmwareFlash::command(std::span<const std::uint8_t> r, std::uint8_t currentVersion) {
    Outcome out;
    if (r.size() != length::kUpdateCommand || r[0] != report::kUpdateCommand) return out;
    out.accepted = true;
    switch (r[kCommandByte]) {
        case updateCommand::kStart: onStart(r); break;
        case updateCommand::kSize: onSize(r); break;
        case updateCommand::kPrepare: onPrepare(r); break;
        case updateCommand::kBlockHeader: onBlockHeader(r); break;
        case updateCommand::kBlockData: onBlockData(r); break;
        case updateCommand::kFinish: out.newFirmwareVersion = onFinish(currentVersion); break;
        default: out.accepted = false; break;
    }
    return out;
}

void FirmwareFlash::onStart(std::span<const std::uint8_t> r) {
    reset();
    if (!std::equal(signatures_.start.begin(), signatures_.start.end(), r.begin() + kStartSignatureOffset)) {
        fail();
        return;
    }
    phase_ = FlashPhase::Started;
}

void FirmwareFlash::onSize(std::span<const std::uint8_t> r) {
    const std::uint32_t size = read32(r, kSizeOffset);
    if (phase_ != FlashPhase::Started || !transferSignatureAt(r, kSizeSignatureOffset) || size == 0 ||
        size > kFirmwareMaxSize) {
        fail();
        return;
    }
    imageSize_ = size;
    blockCount_ = (size + kFirmwareBlockSize - 1) / kFirmwareBlockSize;
    phase_ = FlashPhase::Sized;
    status_ = updateStatus::kSuccess;
}

void FirmwareFlash::onPrepare(std::span<const std::uint8_t> r) {
    if (phase_ != FlashPhase::Sized || r[kPrepareMarkOffset] != updateCommand::kPrepareMark) {
        fail();
        return;
    }
    flash_.assign(blockCount_ * kFirmwareBlockSize, 0xFF);  // erased flash
    nextBlock_ = 0;
    phase_ = FlashPhase::Prepared;
    status_ = updateStatus::kSuccess;
}

void FirmwareFlash::onBlockHeader(std::span<const std::uint8_t> r) {
    if (phase_ != FlashPhase::Prepared || read16(r, kHeaderIndexOffset) != nextBlock_ ||
        nextBlock_ >= blockCount_ || !transferSignatureAt(r, kHeaderSignatureOffset)) {
        fail();
        return;
    }
    headerChecksum_ = read16(r, kHeaderChecksumOffset);
    repeatsOfBlock_ = 0;
    phase_ = FlashPhase::HeaderReceived;
    status_ = updateStatus::kSuccess;
}

void FirmwareFlash::onBlockData(std::span<const std::uint8_t> r) {
    if (phase_ != FlashPhase::HeaderReceived) {
        fail();
        return;
    }
    const auto block = r.subspan(kDataOffset, kFirmwareBlockSize);
    if (byteSum16(block) != headerChecksum_) {
        if (++repeatsOfBlock_ > kMaxBlockRepeats) {
            fail();
        } else {
            status_ = updateStatus::kRepeat;
        }
        return;
    }
    if (failAtBlock_ && *failAtBlock_ == nextBlock_) {
        failAtBlock_.reset();
        fail();
        return;
    }
    std::copy(block.begin(), block.end(), flash_.begin() + static_cast<std::ptrdiff_t>(nextBlock_ * kFirmwareBlockSize));
    ++nextBlock_;
    phase_ = FlashPhase::Prepared;
    status_ = updateStatus::kSuccess;
}

std::optional<std::uint8_t> FirmwareFlash::onFinish(std::uint8_t currentVersion) {
    if (phase_ != FlashPhase::Prepared || nextBlock_ != blockCount_) {
        fail();
        return std::nullopt;
    }
    const bool tagged = imageSize_ > kVersionTagVersionOffset &&
                        std::equal(kVersionTag.begin(), kVersionTag.end(), flash_.begin());
    const std::uint8_t version = tagged ? flash_[kVersionTagVersionOffset] : versionAfter(currentVersion);
    reset();
    return version;
}

}  // namespace mousesim
