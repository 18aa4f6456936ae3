#pragma once
// Tests never touch a developer's own settings or kept game: the home and
// XDG folders point into a temporary folder, QStandardPaths runs in test mode,
// and both are emptied before every test.

/// Call before the QApplication exists: moves HOME and the XDG folders into a
/// temporary folder for the whole run and names the program as it names itself.
void IsolateUserFiles();

/// Call once the QApplication exists and GoogleTest is initialised: turns on
/// QStandardPaths' test mode and empties the settings and data folders before each test.
void WipeUserFilesBeforeEachTest();
