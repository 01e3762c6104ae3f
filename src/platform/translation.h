#pragma once

#include <string>

// Marks a text in a table for the catalogue; it is translated with Tr where it is shown.
#define N_(text) text

namespace tintara {

// The user's language for every text the program shows, from one gettext catalogue for the
// window and the command line. Texts that files and scripts read are never passed through here.

// Chooses the catalogue's language from the user's settings (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
// and finds the catalogues: in locale/ beside the program when it is there (a build folder), else
// in the installed tree's share/locale. Only messages and the character set follow the locale:
// numbers that files and scripts read are written as the C locale writes them.
void StartTranslations(const std::string& programFolder);

// The text in the user's language; the English text itself without a catalogue for it.
std::string Tr(const char* text);

// The singular or plural text for a count, as the user's language chooses between its forms.
std::string TrN(const char* singular, const char* plural, unsigned long count);

// The language of the catalogue in use, as in "de"; empty when the texts stay English.
std::string TranslationLanguage();

}  // namespace tintara
