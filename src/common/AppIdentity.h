#pragma once
// The program's fixed names. The title doubles as the single-instance mutex
// name and the last part of the settings key, so all of them are spelled once.

#include <string_view>

namespace vistrel {

// Spelled once for both kinds of text: our own (ANSI, the compiler's code
// page) and the UTF-16 in which other programs' titles are compared with it.
#define VISTREL_APP_TITLE "Vistrel α"
constexpr const char* kAppTitle = VISTREL_APP_TITLE;
constexpr const char16_t* kAppTitle16 = u"" VISTREL_APP_TITLE;

// Shown after the title when another instance already runs.
constexpr const char* kAlreadyRunningSuffix = " は実行中です。";

// Under HKEY_CURRENT_USER, without a leading backslash; the title follows.
constexpr const char* kSettingsKeyPrefix = "Software\\Quillon\\";
constexpr const char* kSettingsKey = "Software\\Quillon\\Vistrel α";
static_assert(std::string_view(kSettingsKey).starts_with(kSettingsKeyPrefix) &&
                  std::string_view(kSettingsKey).ends_with(kAppTitle) &&
                  std::string_view(kSettingsKey).size() ==
                      std::string_view(kSettingsKeyPrefix).size() + std::string_view(kAppTitle).size(),
              "the settings key is the prefix followed by the title");

constexpr const char* kVersionText = "[ 1.0.3.5 ]";

// The maker, as the version box credits it and links to its home page.
constexpr const char* kMakerName = "Quillon";
constexpr const char* kMakerHomePage = "https://quillon.example/";
constexpr const char* kProgrammerName = "Quillon";
constexpr const char* kCopyrightLine = "(C) 2026 Quillon";

// Main window titles of the maker's other tools. Those tools float thumbnail
// or capture windows of their own over the desktop; listing them here would
// only picture one tool inside another.
constexpr const char16_t* kSiblingToolTitle1 = u"Quillon Capture";
constexpr const char16_t* kSiblingToolTitle2 = u"Quillon Clipper";

}  // namespace vistrel
