#pragma once
// The character an X keysym types, as a key's name shows it: letters as
// capitals, a dead key as its accent alone.

#include <string>

namespace platform {

// UTF-8; "" for keysyms that type no character (function keys, modifiers).
std::string keysymCapitalText(unsigned long keysym);

}  // namespace platform
