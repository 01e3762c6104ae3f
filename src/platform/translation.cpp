#include "platform/translation.h"

#include <libintl.h>

#include <clocale>
#include <filesystem>

namespace tintara {
namespace {

constexpr char kDomain[] = "tintara";

}  // namespace

void StartTranslations(const std::string& programFolder) {
  // Translations reach the terminal and Qt in UTF-8, whatever the locale's character set.
  bind_textdomain_codeset(kDomain, "UTF-8");
  std::setlocale(LC_MESSAGES, "");
  std::setlocale(LC_CTYPE, "");
  // Without its folder the program looks where gettext was built to look.
  if (programFolder.empty()) return;
  const std::filesystem::path folder(programFolder);
  std::error_code error;
  const std::filesystem::path beside = folder / "locale";
  const std::filesystem::path catalogues =
      std::filesystem::is_directory(beside, error) ? beside : folder / ".." / "share" / "locale";
  bindtextdomain(kDomain, catalogues.c_str());
}

std::string Tr(const char* text) { return dgettext(kDomain, text); }

std::string TrN(const char* singular, const char* plural, unsigned long count) {
  return dngettext(kDomain, singular, plural, count);
}

std::string TranslationLanguage() {
  // A catalogue in use translates the empty text to its header, which names its language.
  const std::string header = dgettext(kDomain, "");
  constexpr std::string_view kField = "Language: ";
  const std::size_t start = header.find(kField);
  if (start == std::string::npos) return {};
  const std::size_t from = start + kField.size();
  return header.substr(from, header.find('\n', from) - from);
}

}  // namespace tintara
