#include "platform/keyboard/KeysymText.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <utility>

namespace platform {
namespace {

// Keysyms of the older character sets and their Unicode characters, from the
// X11 headers (generated at configure time).
constexpr std::pair<unsigned, char32_t> kLegacyKeysyms[] = {
#include "KeysymCharacters.inc"
    {0, 0},
};

// A dead key names the accent it adds; as a key name it shows the accent alone.
constexpr std::pair<unsigned, char32_t> kDeadKeys[] = {
    {XK_dead_grave, U'`'}, {XK_dead_acute, U'\u00B4'}, {XK_dead_circumflex, U'^'},
    {XK_dead_tilde, U'~'}, {XK_dead_macron, U'\u00AF'}, {XK_dead_breve, U'\u02D8'},
    {XK_dead_abovedot, U'\u02D9'}, {XK_dead_diaeresis, U'\u00A8'}, {XK_dead_abovering, U'\u02DA'},
    {XK_dead_doubleacute, U'\u02DD'}, {XK_dead_caron, U'\u02C7'}, {XK_dead_cedilla, U'\u00B8'},
    {XK_dead_ogonek, U'\u02DB'},
};

std::string utf8(char32_t c)
{
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c <= 0x10FFFF) {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}

char32_t lookUp(const std::pair<unsigned, char32_t>* begin, const std::pair<unsigned, char32_t>* end, KeySym sym)
{
    const auto* found = std::find_if(begin, end, [sym](const auto& entry) { return entry.first == sym; });
    return found != end ? found->second : 0;
}

// The character a keysym types; 0 for keysyms of function keys and the like.
char32_t characterOf(KeySym sym)
{
    if ((sym >= 0x20 && sym <= 0x7E) || (sym >= 0xA0 && sym <= 0xFF))
        return static_cast<char32_t>(sym);
    if ((sym & 0xFF000000) == 0x01000000)
        return static_cast<char32_t>(sym & 0x00FFFFFF);
    if (const char32_t dead = lookUp(std::begin(kDeadKeys), std::end(kDeadKeys), sym))
        return dead;
    return lookUp(std::begin(kLegacyKeysyms), std::end(kLegacyKeysyms) - 1, sym);
}

}  // namespace

std::string keysymCapitalText(unsigned long keysym)
{
    KeySym lower = NoSymbol;
    KeySym upper = NoSymbol;
    XConvertCase(keysym, &lower, &upper);
    // Xlib gives some capitals (of sharp s) as bare code points, not keysyms:
    // the small letter is shown then.
    char32_t character = characterOf(upper);
    if (character == 0)
        character = characterOf(keysym);
    return character != 0 ? utf8(character) : std::string();
}

}  // namespace platform
