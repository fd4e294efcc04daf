#pragma once

#include <QString>

// The folder that holds the executable and its data files (colour files,
// default pictures, view images, photo.jar, help).
QString ProgramFolder();
