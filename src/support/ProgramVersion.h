#pragma once

#include <QString>

// The program's version as major.minor.revision.
QString ProgramVersion();

// The platforms this build of the program runs on, as the splash window
// names them.
QString PlatformText();
