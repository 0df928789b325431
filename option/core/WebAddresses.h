#pragma once
// The web addresses of an installation, kept in config.ini under [Web]:
//   ShareAddress  where trophies are shared (http or https); empty by default,
//                 and sharing is off until it is set;
//   SupportSite   the site the update page's links lie on, "Support/Downloads",
//                 "Support/" and "Support/Support/Support-Form/" below it;
//   SupportMail   the support mailbox the mail buttons write to.
// A missing or empty SupportSite or SupportMail takes its default.
#include <optional>
#include <string>

#include "settings/InstallFolder.h"

namespace option::core {

inline constexpr char kWebSection[] = "Web";
inline constexpr char kShareAddressKey[] = "ShareAddress";
inline constexpr char kSupportSiteKey[] = "SupportSite";
inline constexpr char kSupportMailKey[] = "SupportMail";
inline constexpr char kDefaultSupportSite[] = "https://www.vantro.example/";
inline constexpr char kDefaultSupportMail[] = "support@vantro.example";

struct WebAddresses {
    std::string share;
    std::string supportSite = kDefaultSupportSite;
    std::string supportMail = kDefaultSupportMail;
};

WebAddresses readWebAddresses(const settings::InstallFolder& folder);

// The update page's links.
enum class SupportLink { Downloads, SupportPage, SupportForm, Mail };

// The address a link opens: a page below the support site, or "mailto:" and
// the mailbox. nullopt when the configured site is not an http or https
// address, or the mailbox is not a plain address (nothing is handed to the
// shell then).
std::optional<std::string> supportAddress(SupportLink link, const WebAddresses& addresses);

// One '@' between a name and a domain, of the characters addresses are made of.
bool isPlainMailbox(const std::string& mailbox);

}  // namespace option::core
