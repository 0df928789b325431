#pragma once
// Giving a button slot a new function, as the button page's menu and dialogs do,
// from a function written as text: a caption ("DPI Up") or a code number for the
// plain functions, or "shortcut KEYS", "launch PATH", "macro SET NAME",
// "timer NAME", "parley DEVICE [lock]", "pinpoint LEVEL".
#include <string>
#include <vector>

#include "option/core/ApplicationCore.h"
#include "settings/ButtonAssignmentSteps.h"

namespace platform {
class KeyboardLayout;
}

namespace option::core {

// Reads a function and its arguments into a choice, looking macros, timers and
// Parley devices up in the stores of `core`. False with a one-line reason for a
// function that is unknown, needs other arguments, or names nothing stored.
bool parseFunctionChoice(const ApplicationCore& core, const std::vector<std::string>& words,
                         const platform::KeyboardLayout& layout, settings::FunctionChoice& choice,
                         std::string& refusal);

// Whether the button page lets the user give `slot` this code: not slots 0 and 1,
// not the slots without a control, not the free partner of a Dualkey key, and only
// codes the slot's menu offers (Pinpoint on the normal layer, Dualkey and Parley
// keys on slots 3 and 4).
bool slotAccepts(const settings::ProfileRecord& profile, int slot, std::uint8_t code, std::string& refusal);

// Checks the slot, then assigns the choice to the working block with the
// assignment steps and the shifted-partner rule; the slot's change flag is set.
bool assignButton(ApplicationCore& core, int profile, int slot, const settings::FunctionChoice& choice,
                  std::string& refusal);

// "Ctrl+Alt+T": modifiers Ctrl, Shift, Alt, Win or None, then one key by its
// shown name. False for an unknown modifier or key.
bool parseShortcut(const std::string& text, const platform::KeyboardLayout& layout, std::uint8_t& key,
                   std::uint8_t& modifiers);

}  // namespace option::core
