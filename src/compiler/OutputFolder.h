#pragma once

#include <QString>

class CompileHost;
class FileSystem;
class SlideShowProject;

// Asks for the show folder's name and a directory (optical and removable
// drives refused), creates the folder and its pix sub-folder and copies every
// slide picture, background, the song and the program folder's view images,
// applet archive and opening-page picture into pix under the names the pages
// use. On return either p.flags.CompileCancelled is set or
// p.names.OutputFolder names the folder this call created. Every name the
// run writes is checked against the file system's limits before anything is
// created. Folder errors and names too long show a box and ask the questions
// again (the opening page's name too when it was too long); a failed copy
// shows a box and the run goes on.
void MoveFiles(SlideShowProject& p, CompileHost& host, FileSystem& fs,
               const QString& programFolder);
