#pragma once
// The framework's own dialogs (open, print, page setup, preview, message
// boxes) speak German like the rest of the program.
namespace nivora::app {

// Loads Qt's German translations from Qt's translation folder and installs
// them for the application. False when they are not there (the Debian
// package qt6-translations-l10n is missing); the dialogs then stay English.
bool InstallGermanTranslations();

}  // namespace nivora::app
