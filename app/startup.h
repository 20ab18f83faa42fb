#pragma once

#include <QString>

class MainWindow;
class QTranslator;
class RunGuard;

// The whole life of the program, from the application object to its teardown; main() only calls this.
int runVexaUi(int& argc, char** argv);

// The compiled-in resources live in a static library, whose registration objects the linker would otherwise drop.
void initVexaResources();

// The id under which the desktop knows this program: the name of its desktop entry, icons and metainfo, and its
// Wayland app id.
QString applicationId();

// Organisation, name and version from the brand profile, and the desktop entry the windows belong to, so task bars
// and Wayland compositors show the brand's name and icon.
void setApplicationIdentity();

// The single-instance key of a user's windows.
QString instanceKey(const QString& userName);

// Brings the window to the front whenever a second start of the program rings the guard's doorbell with a show
// request, for as long as the window lives.
void answerShowRequests(RunGuard& guard, MainWindow& window);

// Loads the catalogue for the system's user-interface languages into the translator, and Qt's own catalogue for the
// same language into qtTranslator, and installs them; false when no language has a catalogue of ours, and the
// English source texts stay.
bool installTranslation(QTranslator& translator, QTranslator& qtTranslator);
// The language of the catalogue installTranslation() installed, empty while the English source texts stand.
QString installedLanguage();
