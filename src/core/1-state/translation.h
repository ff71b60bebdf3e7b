#pragma once

// The texts the user reads go through one look-up, so that a translation can replace them
// without the windows' logic knowing. The core has no translations of its own: the desktop
// program points the look-up at its translator at start-up; the command-line tool, files and
// the tests without a look-up of their own read the English texts unchanged.
//
// Logic never compares a translated text: it keeps the English text or an enum and translates
// only what it hands out to be shown.

#include <string>
#include <string_view>

// Marks a text for the translators' tools where it is only stored (a table of captions) and
// translated later, where it is shown, with `translate` and the same context.
#define LUMIDEX_TRANSLATE_NOOP(context, sourceText) sourceText

namespace lumidex {

// The translation of `sourceText` in `context`, or the text itself when there is none.
using TranslateFunction = std::string (*)(const char *context, const char *sourceText);

// Puts a look-up in force for the whole program; nullptr restores the English texts.
void setTranslateFunction(TranslateFunction function);

// `sourceText` as the user reads it: translated when a look-up is in force.
std::string translate(const char *context, std::string_view sourceText);

// `text` with its first "%1" replaced by `value`: a message is translated as one sentence and
// what it names filled in after.
std::string fillIn(std::string text, std::string_view value);
// The same with "%1" and "%2", for a sentence whose translation may name them in either order.
std::string fillIn(std::string text, std::string_view first, std::string_view second);

} // namespace lumidex
