#pragma once
// The media player the profile's media buttons drive: a button opening a menu of
// the players (core::PlayerChoice) that shows the one chosen. The stored value is
// the profile's `MediaOption`, 0-3.
#include "option/app/SkinDialog.h"

namespace option::app {

class PlayerDialog final : public SkinDialog {
    Q_OBJECT
public:
    PlayerDialog(QWidget* parent, int mediaOption);

    int player() const { return player_; }
    skin::SkinButton* playerButton() const { return button_; }
    // What choosing command `command` of the player menu does.
    void choose(int command);

private:
    void openMenu();

    int player_;
    skin::SkinButton* button_;
};

}  // namespace option::app
