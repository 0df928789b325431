#include "platform/system/ProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace platform {
namespace {

TEST(ProgramFolderTest, IsTheFolderOfTheRunningBinaryWithATrailingSlash)
{
    const std::string folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder, std::filesystem::canonical(ZURO_TEST_BINARY_FOLDER).string() + "/");
    EXPECT_TRUE(std::filesystem::is_regular_file(folder + ZURO_TEST_BINARY_NAME));
}

}  // namespace
}  // namespace platform
