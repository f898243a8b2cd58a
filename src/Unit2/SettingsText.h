// The text of the settings file and of the directory file: bytes in, bytes out.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Unit2/Settings.h"

namespace varno {

// Both files hold Windows-1252 bytes; nothing here converts code pages (the platform edge turns
// the bytes into the windows' text and back). Lines end in CR LF when written; a reader takes
// CR LF, LF alone and CR alone each as one line end.

// The items of the settings file, one a line, in the file's order. Reading stops at the first
// item that cannot be read (the end of the file, a word that is no boolean, a number that is
// no 32-bit whole number, an angle that is no finite number): that item and every later one
// keep their start-up defaults, so the window is always usable. Booleans read "true", "false",
// "1" and "0". White space after every number and boolean is skipped up to the start of the
// next line's first character that is not a blank, so a text loses its leading blanks, keeps
// its trailing ones, and a text of blanks alone reads as the empty text. A corner text "null"
// reads as the empty text. Lines are read whole, however long; bytes above 0x7F stay as they
// are. Takes time linear in the size of the file, whatever it holds.
Settings ReadSettingsText(std::string_view bytes);

// The 27 lines of the settings file, each ended by CR LF, the last one empty. An empty corner
// text is written "null"; a line end inside a text is written as a blank so that it cannot
// shift the later items. The colours are written "White" when the word held is "White" and
// "Black" otherwise: the window turns its packed colour into the word before it writes. The
// angle is written with six significant digits and "." whatever the locale; the interpolation
// as "1" when it is 1 and "2" otherwise.
std::string SettingsText(const Settings& settings);

// The directory file: line 1 the open directory, line 2 the save directory, each read whole
// and as it stands; a line the file does not hold reads as the empty text.
Directories ReadDirectoryText(std::string_view bytes);

// The three lines of the directory file (the third empty), or nothing when either directory is
// empty: the file is then not written and keeps what it held.
std::optional<std::string> DirectoryText(const Directories& directories);

}  // namespace varno
