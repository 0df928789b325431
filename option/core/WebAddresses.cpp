#include "option/core/WebAddresses.h"

#include <algorithm>
#include <cctype>

#include "option/core/TrophyShare.h"
#include "platform/ini/PrivateProfile.h"

namespace option::core {
namespace {

std::string valueOr(const settings::InstallFolder& folder, const char* key, const char* fallback)
{
    std::string value = platform::ini::readString(folder.configIni(), kWebSection, key);
    return value.empty() ? fallback : value;
}

const char* pathOf(SupportLink link)
{
    switch (link) {
    case SupportLink::Downloads:
        return "Support/Downloads";
    case SupportLink::SupportPage:
        return "Support/";
    case SupportLink::SupportForm:
        return "Support/Support/Support-Form/";
    case SupportLink::Mail:
        break;
    }
    return "";
}

bool isMailboxCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return std::isalnum(byte) || c == '.' || c == '-' || c == '_' || c == '+';
}

}  // namespace

WebAddresses readWebAddresses(const settings::InstallFolder& folder)
{
    WebAddresses addresses;
    addresses.share = platform::ini::readString(folder.configIni(), kWebSection, kShareAddressKey);
    addresses.supportSite = valueOr(folder, kSupportSiteKey, kDefaultSupportSite);
    addresses.supportMail = valueOr(folder, kSupportMailKey, kDefaultSupportMail);
    return addresses;
}

bool isPlainMailbox(const std::string& mailbox)
{
    const std::size_t at = mailbox.find('@');
    if (at == std::string::npos || at == 0 || at + 1 >= mailbox.size() || mailbox.find('@', at + 1) != std::string::npos)
        return false;
    return std::all_of(mailbox.begin(), mailbox.end(), [](char c) { return c == '@' || isMailboxCharacter(c); });
}

std::optional<std::string> supportAddress(SupportLink link, const WebAddresses& addresses)
{
    if (link == SupportLink::Mail) {
        if (!isPlainMailbox(addresses.supportMail))
            return std::nullopt;
        return "mailto:" + addresses.supportMail;
    }
    if (!isWebAddress(addresses.supportSite))
        return std::nullopt;
    std::string address = addresses.supportSite;
    if (address.back() != '/')
        address += '/';
    return address + pathOf(link);
}

}  // namespace option::core
