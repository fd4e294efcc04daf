#pragma once

#include <QString>

// The folder that holds the program's data files (colour files, default
// pictures, view images, photo.jar, help). Run from a build tree it is the
// executable's folder; installed, the executable lives in <prefix>/bin and
// its data in <prefix>/share/pevrano-slideshow.
QString ProgramFolder();

// The folder for the data files the tool rewrites (user colours, colour
// schemes, caption style sets, the caption sample page). Run from a build
// tree it is the program folder itself; installed, it is a per-user copy in
// the user's data folder, filled from the program folder's files on first
// use (files already there are kept).
QString WritableProgramFolder();

// The same for a given executable folder and per-user data folder.
QString ProgramFolderFor(const QString& executableFolder);
QString WritableProgramFolderFor(const QString& executableFolder, const QString& userDataFolder);
