#pragma once
#include <QString>

// Folder of the executable, without a trailing separator.
QString ProgramFolder();
// Replaces the program folder for tests; an empty text goes back to the real one.
void SetProgramFolderForTests(const QString& folder);
