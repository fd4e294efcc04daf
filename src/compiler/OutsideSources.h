#pragma once

#include <QString>
#include <QStringList>

class SlideShowProject;

// The files a compile would take from outside the show file's folder, one
// line each saying what the file is for and where it is ("slide 2's picture
// /home/x/a.jpg"). A show received from someone else may name any file the
// person compiling it can read; the command line lists them so that person
// sees it. A link inside the folder that points outside counts as outside;
// the program's own pictures do not.
QStringList OutsideSources(const SlideShowProject& p, const QString& showFolder,
                           const QString& programFolder);
