#pragma once
// The statistics page: usage counters in three views, the trophies one at a
// time, the level animation and bar, sharing and the counter reset.

#include "option/layout/ControlLayout.h"

namespace option::layout::statistics_page {

using enum ControlKind;

inline constexpr std::string_view kLevelAnimations =
    "Gif/01.gif|Gif/02.gif|Gif/03.gif|Gif/04.gif|Gif/05.gif|Gif/06.gif|Gif/07.gif|Gif/08.gif|Gif/09.gif|"
    "Gif/10.gif|Gif/11.gif|Gif/12.gif|Gif/13.gif";

// The trophies' own pictures by index 0-12, then the one every locked trophy shows.
inline constexpr std::string_view kTrophyPictures =
    "trophy_01|trophy_02|trophy_03|trophy_04|trophy_05|trophy_06|trophy_07|trophy_08|trophy_09|trophy_10|"
    "trophy_11|trophy_12|trophy_13|trophy_locked";

inline constexpr ControlLayout kControls[] = {
    {"BUTTON_PreStat,17,12,20,20,", PushButton},
    {"BUTTON_NextStat,214,12,20,20,", PushButton},
    {"BUTTON_PreTrophy,264,131,36,36,", PushButton},
    {"BUTTON_NextTrophy,473,131,36,36,", PushButton},
    {"BUTTON_ShareTrophy,320,277,233,22,", PushButton},
    {"BUTTON_TrophyReset,666,277,91,22,", PushButton},
    {"Progress bar,537,34,220,34,", Animation, kLevelAnimations},  // file number = level
    {"Progress bar,540,70,230,20,", Picture, "level_bar"},  // drawn over width x level / 13
    // Where the page shows the view's title (one picture per view: totals, per
    // hour, per day), the counts in painting order, the trophy with its number
    // and description, and the level texts.
    {"View title,40,12,171,20,", Picture, "view_total|view_hour|view_day"},
    {"Clicks 1,118,40,116,20,", Text},
    {"Clicks 2,118,61,116,20,", Text},
    {"Clicks 3,118,82,116,20,", Text},
    {"Clicks 4,118,103,116,20,", Text},
    {"Clicks 5,118,124,116,20,", Text},
    {"Clicks total,118,145,116,20,", Text},
    {"Scrolls 1,118,166,116,20,", Text},
    {"Scrolls 2,118,187,116,20,", Text},
    {"Scrolls total,118,208,116,20,", Text},
    {"Events A,118,229,116,20,", Text},
    {"Events B,118,250,116,20,", Text},
    {"Distance,118,271,116,20,", Text},
    {"Trophy number,300,40,173,18,", Text},
    {"Trophy picture,327,80,120,120,", Picture, kTrophyPictures},
    {"Trophy description,300,204,173,64,", Area},
    {"Level text,540,96,115,20,", Text},
    {"Unlocked text,655,96,115,20,", Text},
};

// Pages fill the main window's page position rectangle, 774 x 312.
inline constexpr WindowDescription kWindow{"statistics", 774, 312, WindowShape::Rectangle, kControls};

}  // namespace option::layout::statistics_page
