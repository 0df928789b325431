#include "platform/system/SystemLanguage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace platform {
namespace {

struct LocaleCase {
    const char* locale;
    std::uint16_t languageId;
};

// Every language the programs have texts for, with the variants Windows gives
// identifiers of their own, and what an unknown or neutral locale becomes.
constexpr LocaleCase kLocales[] = {
    {"da_DK.UTF-8", 0x0406}, {"fi_FI.UTF-8", 0x040B},
    {"fr_FR.UTF-8", 0x040C}, {"fr_BE.UTF-8", 0x080C}, {"fr_CA.UTF-8", 0x0C0C},
    {"fr_CH.UTF-8", 0x100C}, {"fr_LU.UTF-8", 0x140C},
    {"de_DE.UTF-8", 0x0407}, {"de_CH.UTF-8", 0x0807}, {"de_AT.UTF-8", 0x0C07},
    {"de_LU.UTF-8", 0x1007}, {"de_LI.UTF-8", 0x1407},
    {"it_IT.UTF-8", 0x0410}, {"it_CH.UTF-8", 0x0810},
    {"ja_JP.UTF-8", 0x0411}, {"ko_KR.UTF-8", 0x0412}, {"pl_PL.UTF-8", 0x0415},
    {"ru_RU.UTF-8", 0x0419}, {"zh_CN.UTF-8", 0x0804}, {"zh_TW.UTF-8", 0x0404},
    {"es_ES.UTF-8", 0x0C0A}, {"es_MX.UTF-8", 0x080A}, {"es_GT", 0x100A}, {"es_CR", 0x140A},
    {"es_PA", 0x180A}, {"es_DO", 0x1C0A}, {"es_VE", 0x200A}, {"es_CO", 0x240A},
    {"es_PE", 0x280A}, {"es_AR", 0x2C0A}, {"es_EC", 0x300A}, {"es_CL", 0x340A},
    {"es_UY", 0x380A}, {"es_PY", 0x3C0A}, {"es_BO", 0x400A}, {"es_SV", 0x440A},
    {"es_HN", 0x480A}, {"es_NI", 0x4C0A}, {"es_PR", 0x500A},
    {"sv_SE.UTF-8", 0x041D}, {"th_TH.UTF-8", 0x041E}, {"tr_TR.UTF-8", 0x041F},
    {"vi_VN.UTF-8", 0x042A},
    {"en_US.UTF-8", 0x0409}, {"en_GB.UTF-8", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009},
    {"en_IE", 0x1809}, {"en_IN", 0x4009},
    {"pt_BR.UTF-8", 0x0416}, {"nl_NL.UTF-8", 0x0413},
    // Spellings: case, hyphen, codeset and modifier, language alone.
    {"DE_ch.utf8", 0x0807}, {"fr-CA", 0x0C0C}, {"de_DE@euro", 0x0407}, {"ja", 0x0411},
    {"zh_TW.Big5@stroke", 0x0404},
    // A known language in a territory without its own identifier keeps the language.
    {"de_BE.UTF-8", 0x0407}, {"fr_SN", 0x040C},
    {"C", 0x0409}, {"POSIX", 0x0409}, {"C.UTF-8", 0x0409}, {"", 0x0409}, {"xx_YY", 0x0409},
    {"_DE", 0x0409}, {".UTF-8", 0x0409},
};

TEST(SystemLanguageTest, LocaleNamesMapToWindowsLanguageIdentifiers)
{
    for (const LocaleCase& entry : kLocales)
        EXPECT_EQ(languageIdFromLocale(entry.locale), entry.languageId) << entry.locale;
}

// Restores the locale variables a test changes.
class LocaleEnvironment : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved_) {
            if (value) setenv(name, value->c_str(), 1);
            else unsetenv(name);
        }
    }

    static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(LocaleEnvironment, FirstNonEmptyVariableDecides)
{
    EXPECT_EQ(systemLanguageId(), 0x0409);

    setenv("LANG", "fi_FI.UTF-8", 1);
    EXPECT_EQ(systemLanguageId(), 0x040B);

    setenv("LC_MESSAGES", "ko_KR.UTF-8", 1);
    EXPECT_EQ(systemLanguageId(), 0x0412);

    setenv("LC_ALL", "", 1);
    EXPECT_EQ(systemLanguageId(), 0x0412);

    setenv("LC_ALL", "tr_TR.UTF-8", 1);
    EXPECT_EQ(systemLanguageId(), 0x041F);

    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(systemLanguageId(), 0x0409);
}

}  // namespace
}  // namespace platform
