#include "option/app/UpdatePage.h"

#include <utility>

#include "option/app/LayoutRows.h"
#include "option/core/FirmwareVersionText.h"
#include "option/core/MainWindowTexts.h"
#include "option/core/TextIds.h"
#include "option/layout/LayoutEntry.h"
#include "option/layout/UpdatePageLayout.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinFonts.h"
#include "platform/system/DebugOutput.h"
#include "settings/ConfigKeys.h"

namespace option::app {
namespace {

namespace table = layout::update_page;

const QColor kVersionColour(240, 240, 240);
constexpr int kVersionHeight = 12;

struct LinkRow {
    const char* name;
    int occurrence;
    core::SupportLink link;
    core::TextId statusText;
};
constexpr LinkRow kLinkRows[] = {
    {"BUTTON_update", 0, core::SupportLink::Downloads, core::TextId::UpdateDownloads},
    {"BUTTON_help", 0, core::SupportLink::SupportPage, core::TextId::UpdateSupportPage},
    {"BUTTON_Email_Request", 0, core::SupportLink::Mail, core::TextId::UpdateEmailRequest},
    {"BUTTON_Support_Form", 0, core::SupportLink::SupportForm, core::TextId::UpdateSupportForm},
    {"BUTTON_Support_Form", 1, core::SupportLink::Mail, core::TextId::UpdateSupportMail},
};

}  // namespace

UpdatePage::UpdatePage(QWidget* parent, PageHost& host, WebServices web) : Page(parent, host), web_(std::move(web))
{
    loadSkin(QStringLiteral("update"), skin::ShapeMethod::Rectangle);
    for (const LinkRow& row : kLinkRows) {
        const std::optional<layout::LayoutEntry> entry =
            layout::parseLayoutEntry(layoutRow(table::kControls, row.name, row.occurrence).text);
        if (!entry)
            continue;
        auto* button = skin::SkinButton::fromLayout(this, *entry, static_cast<int>(links_.size()) + 1, stateImages());
        button->setHandCursor(true);
        connect(button, &skin::SkinButton::command, this, [this, link = row.link] { open(link); });
        links_.push_back({button, row.link, row.statusText});
    }
    // "V" and the version, from the left of their rows, on the line of their labels.
    const QFont font = skin::skinFont(QString::fromLatin1(skin::kArialFace), kVersionHeight);
    for (auto [label, name] : {std::pair{&software_, "Software version"}, std::pair{&firmware_, "Firmware version"}}) {
        *label = new QLabel(this);
        (*label)->setGeometry(layoutRect(layoutRow(table::kControls, name)));
        (*label)->setFont(font);
        (*label)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QPalette palette = (*label)->palette();
        palette.setColor(QPalette::WindowText, kVersionColour);
        (*label)->setPalette(palette);
        (*label)->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void UpdatePage::refresh()
{
    software_->setText(QStringLiteral("V") + QString::fromLatin1(core::kSoftwareVersionText));
    firmware_->setText(QStringLiteral("V") + QString::fromStdString(core::firmwareVersionText(
                                                 settings::readFirmwareVersion(host().core().folder))));
}

void UpdatePage::reloadTexts(const core::TextLibrary& texts)
{
    for (const Link& link : links_) {
        const std::optional<std::string_view> text = texts.text(link.statusText);
        link.button->setStatusText(text ? QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size()))
                                        : QString());
    }
}

void UpdatePage::open(core::SupportLink link)
{
    // Read at every click, so an edited config.ini counts at once.
    const std::optional<std::string> address =
        core::supportAddress(link, core::readWebAddresses(host().core().folder));
    if (!address) {
        platform::debugPrintf("UpdatePage: the configured support address is not usable\n");
        return;
    }
    // As the shell call it replaces, the outcome is not the user's concern.
    if (!web_.openAddress(*address))
        platform::debugPrintf("UpdatePage: no program opened %s\n", address->c_str());
}

}  // namespace option::app
