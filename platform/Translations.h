#pragma once
// The player's language. Tolmir follows the desktop's languages (on Linux
// LANGUAGE, LC_ALL, LC_MESSAGES, LANG; on Windows the display language) and
// offers nothing to choose: the first of them that Tolmir ships is used, and
// English, the language of the sources, when English comes first or none is
// shipped.

#include <QLocale>
#include <QString>
#include <QStringList>

// The shipped languages besides English, as the translation files embedded in
// the program name them: "de", "pt_BR".
QStringList ShippedLanguages();

// The shipped language for ALocale's UI languages; empty for English.
QString ChooseLanguage(const QLocale& ALocale);

// Installs Tolmir's translation and Qt's own (the buttons and dialogs of the
// toolkit) for ALanguage on the running application, points the toolkit-free
// layers' texts and decimal separator at it and makes it the current language.
// An empty ALanguage restores English. The translators belong to the
// application object and go with it.
void InstallLanguage(const QString& ALanguage);

// The language installed last; empty for English.
QString CurrentLanguage();
