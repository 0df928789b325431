#pragma once
// The statistics page: the usage counters as totals, per hour or per day, the
// trophies one at a time with their pictures and descriptions, the level with
// its animation and bar, resetting the counters and sharing an unlocked trophy.
// The rules are option/core's StatisticsView, StatisticsReset and TrophyShare.
#include <QByteArray>
#include <QLabel>

#include <array>
#include <random>

#include "option/app/Page.h"
#include "option/app/WebServices.h"
#include "option/core/StatisticsView.h"
#include "option/core/WebAddresses.h"

namespace option::skin {
class AnimationControl;
class SkinButton;
}  // namespace option::skin

namespace option::app {

class HoverHelpLabel;
class ShareRequest;

class StatisticsPage final : public Page {
    Q_OBJECT
public:
    StatisticsPage(QWidget* parent, PageHost& host, WebServices web);
    ~StatisticsPage() override;

    void refresh() override;
    void reloadTexts(const core::TextLibrary& texts) override;

    const core::StatisticsBrowsing& browsing() const { return browsing_; }
    // The texts the page shows now, for tests: counters in painting order
    // (clicks 1-5, clicks total, scrolls 1-2, scrolls total, events A, events
    // B, distance), then the trophy number, level and unlocked texts.
    QStringList shownTexts() const;
    int shownLevel() const { return level_; }
    bool shareRunning() const;

signals:
    // A share request was answered and handled (for tests).
    void shareHandled();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum Command { PreviousView = 1, NextView, PreviousTrophy, NextTrophy, Share, Reset };

    void createControls();
    QLabel* addText(const char* row, const QFont& font, Qt::Alignment alignment);
    void onCommand(int command);
    void showView();
    void showCounts();
    void showTrophy();
    void showLevel(int level);
    void updateShareButton();
    void share();
    void onShareFinished(bool transferred, const QByteArray& body, const QString& error);
    void resetCounters();
    QString text(core::TextId id);

    WebServices web_;
    core::WebAddresses addresses_;
    ShareRequest* request_ = nullptr;
    std::mt19937 random_{std::random_device{}()};

    settings::InfoData info_{};
    core::ElapsedTime elapsed_;
    core::StatisticsBrowsing browsing_;
    int level_ = -1;  // none shown yet

    std::array<QLabel*, 12> counts_{};
    QLabel* viewTitle_ = nullptr;
    QLabel* trophyNumber_ = nullptr;
    QLabel* levelText_ = nullptr;
    QLabel* unlockedText_ = nullptr;
    QLabel* levelBar_ = nullptr;
    QPixmap levelBarPicture_;
    skin::AnimationControl* levelAnimation_ = nullptr;
    HoverHelpLabel* trophyPicture_ = nullptr;
    HoverHelpLabel* trophyDescription_ = nullptr;
    HoverHelpLabel* shareHint_ = nullptr;  // over the share button while sharing is off
    skin::SkinButton* shareButton_ = nullptr;
};

}  // namespace option::app
