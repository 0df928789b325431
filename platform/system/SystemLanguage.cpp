#include "platform/system/SystemLanguage.h"

#include <array>
#include <cstdlib>
#include <string>

namespace platform {
namespace {

constexpr std::uint16_t kEnglishUnitedStates = 0x0409;

struct LocaleLanguage {
    std::string_view language;   // ISO 639 code, lower case
    std::string_view territory;  // ISO 3166 code, upper case; "" is the language's default
    std::uint16_t languageId;
};

// Spanish without a territory and es_ES give 0x0C0A, the modern-sort identifier
// Windows uses for Spain; 0x040A (traditional sort) has no locale name of its own.
constexpr std::array kLocaleLanguages{
    LocaleLanguage{"en", "", 0x0409}, LocaleLanguage{"en", "US", 0x0409},
    LocaleLanguage{"en", "GB", 0x0809}, LocaleLanguage{"en", "AU", 0x0C09},
    LocaleLanguage{"en", "CA", 0x1009}, LocaleLanguage{"en", "NZ", 0x1409},
    LocaleLanguage{"en", "IE", 0x1809}, LocaleLanguage{"en", "ZA", 0x1C09},
    LocaleLanguage{"en", "JM", 0x2009}, LocaleLanguage{"en", "BZ", 0x2809},
    LocaleLanguage{"en", "TT", 0x2C09}, LocaleLanguage{"en", "ZW", 0x3009},
    LocaleLanguage{"en", "PH", 0x3409}, LocaleLanguage{"en", "IN", 0x4009},
    LocaleLanguage{"en", "MY", 0x4409}, LocaleLanguage{"en", "SG", 0x4809},

    LocaleLanguage{"da", "", 0x0406}, LocaleLanguage{"fi", "", 0x040B},

    LocaleLanguage{"fr", "", 0x040C}, LocaleLanguage{"fr", "FR", 0x040C},
    LocaleLanguage{"fr", "BE", 0x080C}, LocaleLanguage{"fr", "CA", 0x0C0C},
    LocaleLanguage{"fr", "CH", 0x100C}, LocaleLanguage{"fr", "LU", 0x140C},
    LocaleLanguage{"fr", "MC", 0x180C},

    LocaleLanguage{"de", "", 0x0407}, LocaleLanguage{"de", "DE", 0x0407},
    LocaleLanguage{"de", "CH", 0x0807}, LocaleLanguage{"de", "AT", 0x0C07},
    LocaleLanguage{"de", "LU", 0x1007}, LocaleLanguage{"de", "LI", 0x1407},

    LocaleLanguage{"it", "", 0x0410}, LocaleLanguage{"it", "CH", 0x0810},
    LocaleLanguage{"ja", "", 0x0411}, LocaleLanguage{"ko", "", 0x0412},
    LocaleLanguage{"pl", "", 0x0415}, LocaleLanguage{"ru", "", 0x0419},

    LocaleLanguage{"zh", "", 0x0804}, LocaleLanguage{"zh", "CN", 0x0804},
    LocaleLanguage{"zh", "TW", 0x0404}, LocaleLanguage{"zh", "HK", 0x0C04},
    LocaleLanguage{"zh", "SG", 0x1004}, LocaleLanguage{"zh", "MO", 0x1404},

    LocaleLanguage{"es", "", 0x0C0A}, LocaleLanguage{"es", "ES", 0x0C0A},
    LocaleLanguage{"es", "MX", 0x080A}, LocaleLanguage{"es", "GT", 0x100A},
    LocaleLanguage{"es", "CR", 0x140A}, LocaleLanguage{"es", "PA", 0x180A},
    LocaleLanguage{"es", "DO", 0x1C0A}, LocaleLanguage{"es", "VE", 0x200A},
    LocaleLanguage{"es", "CO", 0x240A}, LocaleLanguage{"es", "PE", 0x280A},
    LocaleLanguage{"es", "AR", 0x2C0A}, LocaleLanguage{"es", "EC", 0x300A},
    LocaleLanguage{"es", "CL", 0x340A}, LocaleLanguage{"es", "UY", 0x380A},
    LocaleLanguage{"es", "PY", 0x3C0A}, LocaleLanguage{"es", "BO", 0x400A},
    LocaleLanguage{"es", "SV", 0x440A}, LocaleLanguage{"es", "HN", 0x480A},
    LocaleLanguage{"es", "NI", 0x4C0A}, LocaleLanguage{"es", "PR", 0x500A},
    LocaleLanguage{"es", "US", 0x540A},

    LocaleLanguage{"sv", "", 0x041D}, LocaleLanguage{"sv", "FI", 0x081D},
    LocaleLanguage{"th", "", 0x041E}, LocaleLanguage{"tr", "", 0x041F},
    LocaleLanguage{"vi", "", 0x042A},

    LocaleLanguage{"ar", "", 0x0401}, LocaleLanguage{"bg", "", 0x0402},
    LocaleLanguage{"ca", "", 0x0403}, LocaleLanguage{"cs", "", 0x0405},
    LocaleLanguage{"el", "", 0x0408}, LocaleLanguage{"he", "", 0x040D},
    LocaleLanguage{"hu", "", 0x040E}, LocaleLanguage{"is", "", 0x040F},
    LocaleLanguage{"nl", "", 0x0413}, LocaleLanguage{"nl", "BE", 0x0813},
    LocaleLanguage{"nb", "", 0x0414}, LocaleLanguage{"no", "", 0x0414},
    LocaleLanguage{"nn", "", 0x0814},
    LocaleLanguage{"pt", "", 0x0816}, LocaleLanguage{"pt", "BR", 0x0416},
    LocaleLanguage{"ro", "", 0x0418}, LocaleLanguage{"hr", "", 0x041A},
    LocaleLanguage{"sk", "", 0x041B}, LocaleLanguage{"id", "", 0x0421},
    LocaleLanguage{"uk", "", 0x0422}, LocaleLanguage{"sl", "", 0x0424},
    LocaleLanguage{"et", "", 0x0425}, LocaleLanguage{"lv", "", 0x0426},
    LocaleLanguage{"lt", "", 0x0427}, LocaleLanguage{"hi", "", 0x0439},
    LocaleLanguage{"ms", "", 0x043E},
};

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Splits "ll_TT.codeset@modifier" (or "ll-TT") into its language and territory.
void splitLocale(std::string_view locale, std::string& language, std::string& territory)
{
    const std::size_t end = locale.find_first_of(".@");
    locale = locale.substr(0, end);
    const std::size_t separator = locale.find_first_of("_-");
    for (char c : locale.substr(0, separator)) language += lowerAscii(c);
    if (separator != std::string_view::npos)
        for (char c : locale.substr(separator + 1)) territory += upperAscii(c);
}

}  // namespace

std::uint16_t languageIdFromLocale(std::string_view locale)
{
    std::string language;
    std::string territory;
    splitLocale(locale, language, territory);
    if (language.empty()) return kEnglishUnitedStates;

    const LocaleLanguage* languageDefault = nullptr;
    for (const LocaleLanguage& entry : kLocaleLanguages) {
        if (entry.language != language) continue;
        if (entry.territory == territory) return entry.languageId;
        if (entry.territory.empty()) languageDefault = &entry;
    }
    // A territory we do not know ("de_BE") still tells the language.
    return languageDefault ? languageDefault->languageId : kEnglishUnitedStates;
}

std::uint16_t systemLanguageId()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && value[0] != '\0') return languageIdFromLocale(value);
    }
    return kEnglishUnitedStates;
}

}  // namespace platform
