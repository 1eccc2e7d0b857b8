#pragma once

// The program's own texts and Qt's (the file dialog, the message box buttons,
// --help) in the user's language: the first of LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG that names one we have, English otherwise.
namespace Translations {

// Installs the translators on the application object that exists now; they
// belong to it and go with it, so a second application object needs a second call.
void install();

} // namespace Translations
