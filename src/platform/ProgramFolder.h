#pragma once

#include <QString>

// The folder that holds the executable and its data files (colour files,
// default pictures, view images, photo.jar, help).
QString ProgramFolder();

// The folder for the data files the tool rewrites (user colours, colour
// schemes, caption style sets, the caption sample page). Run from a build
// tree it is the program folder itself; installed read-only, it is a per-user
// copy in the user's data folder, filled from the program folder's files on
// first use (files already there are kept).
QString WritableProgramFolder();
