#include "platform/shared/SharedSection.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/platform/shared/ForkedChild.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using platform::SharedSection;
using testsupport::ForkedChild;
using testsupport::ParentLink;

constexpr const char* kName = "VANTRO_ZuroNoxa_Mouse_Share_Data";
constexpr std::size_t kBlockSize = 314424;

std::uint8_t* bytes(SharedSection& section)
{
    return static_cast<std::uint8_t*>(section.data());
}

bool allBytesAre(SharedSection& section, std::uint8_t value)
{
    return std::all_of(bytes(section), bytes(section) + section.size(),
                       [value](std::uint8_t b) { return b == value; });
}

int countSectionFiles(const std::string& folder)
{
    int count = 0;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        if (entry.path().extension() == ".section") ++count;
    }
    return count;
}

class SharedSectionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(runtime_.valid()); }
    testsupport::TemporaryRuntimeFolder runtime_;
};

// --- Within one process -------------------------------------------------------

TEST_F(SharedSectionTest, CreatesPrivateZeroFilledSectionOfTheExactSize)
{
    bool existed = true;
    auto section = SharedSection::create(kName, kBlockSize, &existed);
    ASSERT_NE(section, nullptr);
    EXPECT_FALSE(existed);
    EXPECT_EQ(section->size(), kBlockSize);
    EXPECT_TRUE(allBytesAre(*section, 0));

    ASSERT_EQ(countSectionFiles(runtime_.objectFolder()), 1);
    for (const auto& entry : std::filesystem::directory_iterator(runtime_.objectFolder())) {
        if (entry.path().extension() != ".section") continue;
        struct stat st {};
        ASSERT_EQ(lstat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        EXPECT_EQ(st.st_size, static_cast<off_t>(kBlockSize));
    }
}

TEST_F(SharedSectionTest, OwnerDestructionRemovesTheSection)
{
    auto owner = SharedSection::create(kName, kBlockSize);
    ASSERT_NE(owner, nullptr);
    owner.reset();
    EXPECT_EQ(SharedSection::open(kName, kBlockSize), nullptr);
    EXPECT_EQ(countSectionFiles(runtime_.objectFolder()), 0);
}

TEST_F(SharedSectionTest, OpenerDestructionLeavesTheSectionToItsOwner)
{
    auto owner = SharedSection::create(kName, kBlockSize);
    ASSERT_NE(owner, nullptr);
    auto opener = SharedSection::open(kName, kBlockSize);
    ASSERT_NE(opener, nullptr);
    bytes(*opener)[kBlockSize - 1] = 0x5A;
    opener.reset();

    EXPECT_EQ(bytes(*owner)[kBlockSize - 1], 0x5A);
    auto again = SharedSection::open(kName, kBlockSize);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(bytes(*again)[kBlockSize - 1], 0x5A);
}

TEST_F(SharedSectionTest, SecondCreateOpensTheLiveSection)
{
    auto owner = SharedSection::create(kName, kBlockSize);
    ASSERT_NE(owner, nullptr);
    bytes(*owner)[0] = 0x11;

    bool existed = false;
    auto second = SharedSection::create(kName, kBlockSize, &existed);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(existed);
    EXPECT_EQ(bytes(*second)[0], 0x11);
    second.reset();
    EXPECT_NE(SharedSection::open(kName, kBlockSize), nullptr) << "only the owner removes it";
}

TEST_F(SharedSectionTest, ASizeOtherThanTheOwnersIsRefused)
{
    auto owner = SharedSection::create(kName, 4096);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(SharedSection::open(kName, 4097), nullptr);
    EXPECT_EQ(SharedSection::open(kName, 4095), nullptr);
    EXPECT_EQ(SharedSection::create(kName, 8192), nullptr);
    EXPECT_NE(SharedSection::open(kName, 4096), nullptr);
}

TEST_F(SharedSectionTest, EmptySectionsAndMissingOwnersAreRefused)
{
    EXPECT_EQ(SharedSection::create(kName, 0), nullptr);
    EXPECT_EQ(SharedSection::open(kName, kBlockSize), nullptr);
}

TEST_F(SharedSectionTest, DifferentNamesAreDifferentSections)
{
    auto first = SharedSection::create("Section one", 64);
    auto second = SharedSection::create("Section/one", 64);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    bytes(*first)[0] = 1;
    EXPECT_EQ(bytes(*second)[0], 0);
}

// --- Between processes --------------------------------------------------------

TEST_F(SharedSectionTest, DataWrittenByOneProcessIsSeenByTheOther)
{
    static constexpr char kFromChild[] = "written by the owner";
    static constexpr char kFromParent[] = "written by the opener";
    ForkedChild owner([](ParentLink& parent) {
        auto section = SharedSection::create(kName, kBlockSize);
        if (!section) return 1;
        std::memcpy(bytes(*section) + 1000, kFromChild, sizeof kFromChild);
        parent.send('c');
        if (parent.receive() != 'p') return 2;
        return std::memcmp(bytes(*section) + 2000, kFromParent, sizeof kFromParent) == 0 ? 0 : 3;
    });
    ASSERT_TRUE(owner.started());
    ASSERT_EQ(owner.receive(), 'c');

    auto section = SharedSection::open(kName, kBlockSize);
    ASSERT_NE(section, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes(*section) + 1000), kFromChild);
    std::memcpy(bytes(*section) + 2000, kFromParent, sizeof kFromParent);
    owner.send('p');
    EXPECT_EQ(owner.wait(), 0);
}

TEST_F(SharedSectionTest, SectionOfAKilledOwnerIsNotOpenedAndIsReplacedByTheNextCreate)
{
    ForkedChild owner([](ParentLink& parent) {
        auto section = SharedSection::create(kName, kBlockSize);
        if (!section) return 1;
        std::memset(section->data(), 0xAB, section->size());
        parent.send('c');
        pause();
        return 0;
    });
    ASSERT_TRUE(owner.started());
    ASSERT_EQ(owner.receive(), 'c');
    {
        auto whileAlive = SharedSection::open(kName, kBlockSize);
        ASSERT_NE(whileAlive, nullptr);
        EXPECT_TRUE(allBytesAre(*whileAlive, 0xAB));
    }

    owner.kill();
    EXPECT_EQ(SharedSection::open(kName, kBlockSize), nullptr);

    bool existed = true;
    auto fresh = SharedSection::create(kName, kBlockSize, &existed);
    ASSERT_NE(fresh, nullptr);
    EXPECT_FALSE(existed);
    EXPECT_TRUE(allBytesAre(*fresh, 0)) << "the killed owner's data must not come back";
}

TEST_F(SharedSectionTest, ASecondOwnerCanDifferInSizeOnceTheFirstWasKilled)
{
    ForkedChild owner([](ParentLink& parent) {
        auto section = SharedSection::create(kName, 4096);
        if (!section) return 1;
        parent.send('c');
        pause();
        return 0;
    });
    ASSERT_TRUE(owner.started());
    ASSERT_EQ(owner.receive(), 'c');
    owner.kill();

    auto section = SharedSection::create(kName, kBlockSize);
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->size(), kBlockSize);
    EXPECT_NE(SharedSection::open(kName, kBlockSize), nullptr);
}

}  // namespace
