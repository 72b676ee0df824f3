// The interface language, switched for all windows together. Every module
// embeds its compiled translations as ":/i18n/<module>_<language>.qm"; a text
// without a stored translation shows its English source text. Switching
// makes Qt send LanguageChange to every window, which re-labels itself.
#pragma once

#include <QLocale>
#include <QString>

namespace vn::ui {

// 1 English, 2 Traditional Chinese, 3 Simplified Chinese, 4 Japanese,
// 5 Korean; slot 6 exists without a name or translations.
constexpr int kEnglish = 1;
constexpr int kNamedLanguages = 5;
constexpr int kLanguageSlots = 6;

int ActiveLanguage();
bool IsEnglish();

// Installs every module's translation for the language and re-labels all
// windows before returning. A number outside 1..6 changes nothing (false).
bool SetActiveLanguage(int language);

// A named language in its own words ("日本語"); empty for the unnamed slot.
QString LanguageName(int language);

// The language of the windows closest to a locale's: Chinese in the
// traditional script (or of Taiwan, Hong Kong and Macao) 2, other Chinese 3,
// Japanese 4, Korean 5, any other language English.
int LanguageOfLocale(const QLocale& locale);

// The translation files' suffix of a language ("zh_TW"); empty for English
// and the unnamed slot.
QString LanguageSuffix(int language);

}  // namespace vn::ui
