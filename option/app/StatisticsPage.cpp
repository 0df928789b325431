#include "option/app/StatisticsPage.h"

#include <utility>

#include "option/app/NoticeDialog.h"
#include "option/app/HoverHelpLabel.h"
#include "option/app/LayoutRows.h"
#include "option/app/ShareRequest.h"
#include "option/app/SystemDialogs.h"
#include "option/core/StatisticsReset.h"
#include "option/core/TextIds.h"
#include "option/core/TrophyShare.h"
#include "option/layout/LayoutEntry.h"
#include "option/layout/NoticeDialogsLayout.h"
#include "option/layout/SkinPictures.h"
#include "option/layout/StatisticsPageLayout.h"
#include "option/skin/AnimationControl.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinFonts.h"
#include "platform/system/DebugOutput.h"
#include "settings/StartTime.h"

namespace option::app {
namespace {

namespace table = layout::statistics_page;

const QString kArt = QStringLiteral("statistics");
const QColor kValueColour(240, 240, 240);
constexpr char kNarrowFace[] = "Arial Narrow";
constexpr int kCountHeight = 14;
constexpr int kLevelHeight = 15;
constexpr int kDescriptionHeight = 13;

// The rows of the counters, in the order StatisticsTexts and shownTexts() use.
constexpr const char* kCountRows[] = {"Clicks 1", "Clicks 2", "Clicks 3", "Clicks 4", "Clicks 5", "Clicks total",
                                      "Scrolls 1", "Scrolls 2", "Scrolls total", "Events A", "Events B", "Distance"};
constexpr bool isTotal(std::size_t row) { return row == 5 || row == 8; }

QString pictureName(std::string_view list, std::size_t index)
{
    const std::vector<std::string_view> names = layout::splitPictureList(list);
    if (index >= names.size())
        return {};
    return QString::fromUtf8(names[index].data(), static_cast<qsizetype>(names[index].size()));
}

void paintWith(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

StatisticsPage::StatisticsPage(QWidget* parent, PageHost& host, WebServices web)
    : Page(parent, host), web_(std::move(web)), request_(new ShareRequest(web_.http, this))
{
    loadSkin(kArt, skin::ShapeMethod::Rectangle);
    createControls();
    connect(request_, &ShareRequest::finished, this, &StatisticsPage::onShareFinished, Qt::QueuedConnection);
}

StatisticsPage::~StatisticsPage() = default;

QLabel* StatisticsPage::addText(const char* row, const QFont& font, Qt::Alignment alignment)
{
    auto* label = new QLabel(this);
    label->setGeometry(layoutRect(layoutRow(table::kControls, row)));
    label->setFont(font);
    label->setAlignment(alignment);
    paintWith(label, kValueColour);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void StatisticsPage::createControls()
{
    const std::pair<const char*, Command> buttons[] = {
        {"BUTTON_PreStat", PreviousView},     {"BUTTON_NextStat", NextView}, {"BUTTON_PreTrophy", PreviousTrophy},
        {"BUTTON_NextTrophy", NextTrophy},    {"BUTTON_ShareTrophy", Share}, {"BUTTON_TrophyReset", Reset},
    };
    for (const auto& [name, command] : buttons) {
        const std::optional<layout::LayoutEntry> entry = layout::parseLayoutEntry(layoutRow(table::kControls, name).text);
        if (!entry)
            continue;
        auto* button = skin::SkinButton::fromLayout(this, *entry, command, stateImages());
        connect(button, &skin::SkinButton::command, this, &StatisticsPage::onCommand);
        if (command == Share)
            shareButton_ = button;
    }

    const QFont single = skin::skinFont(QString::fromLatin1(kNarrowFace), kCountHeight);
    const QFont total = skin::skinFont(QString::fromLatin1(skin::kArialFace), kCountHeight, 0, skin::kBoldWeight);
    for (std::size_t i = 0; i < counts_.size(); ++i)
        counts_[i] = addText(kCountRows[i], isTotal(i) ? total : single, Qt::AlignRight | Qt::AlignVCenter);
    const QFont bold = skin::skinFont(QString::fromLatin1(skin::kArialFace), kLevelHeight, 0, skin::kBoldWeight);
    trophyNumber_ = addText("Trophy number", bold, Qt::AlignCenter);
    levelText_ = addText("Level text", bold, Qt::AlignLeft | Qt::AlignVCenter);
    unlockedText_ = addText("Unlocked text", bold, Qt::AlignLeft | Qt::AlignVCenter);

    viewTitle_ = new QLabel(this);
    viewTitle_->setGeometry(layoutRect(layoutRow(table::kControls, "View title")));
    viewTitle_->setAttribute(Qt::WA_TransparentForMouseEvents);

    levelAnimation_ = new skin::AnimationControl(this);
    levelAnimation_->setGeometry(layoutRect(layoutRow(table::kControls, "Progress bar", 0)));
    levelAnimation_->hide();

    const layout::ControlLayout& barRow = layoutRow(table::kControls, "Progress bar", 1);
    levelBar_ = new QLabel(this);
    levelBar_->setGeometry(layoutRect(barRow));
    levelBar_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    levelBarPicture_ = QPixmap::fromImage(skin::loadWindowPicture(kArt, pictureName(barRow.picture, 0)));

    trophyPicture_ = new HoverHelpLabel(this);
    trophyPicture_->setGeometry(layoutRect(layoutRow(table::kControls, "Trophy picture")));
    trophyDescription_ = new HoverHelpLabel(this);
    trophyDescription_->setGeometry(layoutRect(layoutRow(table::kControls, "Trophy description")));
    trophyDescription_->setWordWrap(true);
    trophyDescription_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    trophyDescription_->setTextFormat(Qt::RichText);
    trophyDescription_->setFont(skin::skinFont(QString::fromLatin1(skin::kArialFace), kDescriptionHeight));
    paintWith(trophyDescription_, kValueColour);

    // A disabled button reports no hover, so the reason sharing is off sits
    // over it (painting nothing) while it is.
    shareHint_ = new HoverHelpLabel(this);
    shareHint_->setGeometry(layoutRect(layoutRow(table::kControls, "BUTTON_ShareTrophy")));
    shareHint_->hide();
}

QString StatisticsPage::text(core::TextId id)
{
    const std::optional<std::string_view> found = host().texts().text(id);
    return found ? QString::fromUtf8(found->data(), static_cast<qsizetype>(found->size())) : QString();
}

void StatisticsPage::reloadTexts(const core::TextLibrary&)
{
    trophyPicture_->setStatusText(text(core::TextId::TrophyPicture));
    trophyDescription_->setStatusText(text(core::TextId::TrophyDescription));
    shareHint_->setStatusText(text(core::TextId::ShareNotConfigured));
    showTrophy();
}

void StatisticsPage::refresh()
{
    info_ = host().core().blocks.working->InfoData;
    elapsed_ = core::elapsedSince(settings::readFirstStart(host().core().folder), settings::localTimeNow());
    addresses_ = core::readWebAddresses(host().core().folder);
    showLevel(core::trophyLevel(info_));
    showView();
    showTrophy();
    update();
}

void StatisticsPage::onCommand(int command)
{
    switch (command) {
    case PreviousView:
        browsing_.previousView();
        showView();
        break;
    case NextView:
        browsing_.nextView();
        showView();
        break;
    case PreviousTrophy:
        browsing_.previousTrophy();
        showTrophy();
        break;
    case NextTrophy:
        browsing_.nextTrophy();
        showTrophy();
        break;
    case Share:
        share();
        break;
    case Reset:
        resetCounters();
        break;
    default:
        break;
    }
}

void StatisticsPage::showView()
{
    const auto view = static_cast<std::size_t>(browsing_.view());
    viewTitle_->setPixmap(QPixmap::fromImage(
        skin::loadWindowPicture(kArt, pictureName(layoutRow(table::kControls, "View title").picture, view))));
    showCounts();
}

void StatisticsPage::showCounts()
{
    const core::StatisticsTexts texts = core::statisticsTexts(info_, browsing_.view(), elapsed_);
    const std::string* values[] = {&texts.clicks[0], &texts.clicks[1],  &texts.clicks[2],   &texts.clicks[3],
                                   &texts.clicks[4], &texts.clickTotal, &texts.scrolls[0],  &texts.scrolls[1],
                                   &texts.scrollTotal, &texts.eventsA,  &texts.eventsB,     &texts.distance};
    for (std::size_t i = 0; i < counts_.size(); ++i)
        counts_[i]->setText(QString::fromStdString(*values[i]));
}

void StatisticsPage::showTrophy()
{
    const int trophy = browsing_.trophy();
    const bool unlocked = core::trophyUnlocked(info_, trophy);
    const std::string_view pictures = layoutRow(table::kControls, "Trophy picture").picture;
    const std::size_t lockedPicture = layout::splitPictureList(pictures).size() - 1;
    const std::size_t picture = unlocked ? static_cast<std::size_t>(trophy) : lockedPicture;
    trophyPicture_->setPixmap(QPixmap::fromImage(skin::loadWindowPicture(kArt, pictureName(pictures, picture))));
    const auto index = static_cast<std::size_t>(trophy);
    trophyDescription_->setText(QStringLiteral("<b>%1</b><br>%2")
                                    .arg(text(core::kTrophyNameTexts[index]).toHtmlEscaped(),
                                         text(core::kTrophyAwardTexts[index]).toHtmlEscaped()));
    trophyNumber_->setText(QString::fromStdString(core::trophyPositionText(trophy)));
    updateShareButton();
}

void StatisticsPage::showLevel(int level)
{
    if (level != level_) {
        levelAnimation_->stop();
        levelAnimation_->hide();
        if (level > 0 && levelAnimation_->load(QString::asprintf("Gif/%02d.gif", level))) {
            levelAnimation_->show();
            if (isVisible())
                levelAnimation_->start();
        }
        level_ = level;
    }
    const int pixels = core::levelBarPixels(levelBar_->width(), level);
    levelBar_->setPixmap(pixels > 0 ? levelBarPicture_.copy(0, 0, pixels, levelBarPicture_.height()) : QPixmap());
    levelText_->setText(QString::fromStdString(core::levelText(level)));
    unlockedText_->setText(QString::fromStdString(core::unlockedText(level)));
}

void StatisticsPage::updateShareButton()
{
    if (!shareButton_)
        return;
    const bool configured = core::shareRequestAddress(addresses_.share, core::ShareValues{}).has_value();
    shareButton_->setEnabled(configured && core::trophyUnlocked(info_, browsing_.trophy()) && !shareRunning());
    shareHint_->setVisible(!configured);
    if (!configured)
        shareHint_->raise();
}

bool StatisticsPage::shareRunning() const
{
    return request_->isRunning();
}

void StatisticsPage::share()
{
    const core::RandomNumber random = [this](std::uint32_t low, std::uint32_t high) {
        return std::uniform_int_distribution<std::uint32_t>(low, high)(random_);
    };
    const std::optional<std::string> address =
        core::shareRequestAddress(addresses_.share, core::shareValues(browsing_.trophy(), level_, random));
    if (!address || !core::trophyUnlocked(info_, browsing_.trophy()))
        return;
    platform::debugPrintf("StatisticsPage: sharing trophy %d\n", browsing_.trophy() + 1);
    request_->start(*address, platform::HttpLimits{core::kShareTimeoutSeconds, core::kMaxShareAnswerBytes});
    updateShareButton();
}

void StatisticsPage::onShareFinished(bool transferred, const QByteArray& body, const QString& error)
{
    updateShareButton();
    if (!transferred) {
        host().systemDialogs().showFailure(this, text(core::TextId::ShareFailed), error);
    } else {
        const core::ShareAnswer answer =
            core::classifyShareAnswer(std::string_view(body.constData(), static_cast<std::size_t>(body.size())));
        if (answer.kind == core::ShareAnswer::Kind::OpenAddress) {
            if (!web_.openAddress(answer.text))
                platform::debugPrintf("StatisticsPage: no program opened the shared trophy's page\n");
        } else {
            // Never handed to the shell: only shown.
            host().systemDialogs().showFailure(this, text(core::TextId::ShareAnswerNotAddress),
                                               QString::fromStdString(answer.text));
        }
    }
    emit shareHandled();
}

void StatisticsPage::resetCounters()
{
    if (!NoticeDialog::confirm(this, layout::notice_dialogs::kResetStatistics))
        return;
    const core::StatisticsResetOutcome outcome = core::resetStatistics(host().core());
    if (!outcome.written)
        host().systemDialogs().showFailure(this, text(core::TextId::ApplyNotSaved), {});
    if (!outcome.copiedOut || !outcome.requestSent)
        platform::debugPrintf("StatisticsPage: the monitor did not take the reset counters\n");
    refresh();
}

QStringList StatisticsPage::shownTexts() const
{
    QStringList texts;
    for (const QLabel* label : counts_)
        texts << label->text();
    texts << trophyNumber_->text() << levelText_->text() << unlockedText_->text();
    return texts;
}

void StatisticsPage::showEvent(QShowEvent* event)
{
    Page::showEvent(event);
    if (levelAnimation_->isVisibleTo(this))
        levelAnimation_->start();
}

void StatisticsPage::hideEvent(QHideEvent* event)
{
    Page::hideEvent(event);
    levelAnimation_->stop();
}

}  // namespace option::app
