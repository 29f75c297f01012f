#pragma once

class QObject;

// Installs Qt's German translation, so that the standard dialogs (files, messages) speak German like the
// rest of the program whatever the system's language, and so does the search of the handbook. False when a
// translation is not installed.
bool QtDeutschLaden(QObject* eltern);
