#pragma once

#include <QLocale>

// Installs Velmora's translation for the locale, when it has one, for the review's texts and the
// windows around the game; English stays otherwise. The designed window's own words are never
// translated. True when a translation was found.
bool InstallTranslation(const QLocale& locale);
