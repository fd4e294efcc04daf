#pragma once

#include "TestFiles.h"
#include "compiler/CompileCommand.h"
#include "platform/LocalFileSystem.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>

// A show of files in `folder`/src (each slide captioned with its name),
// with thumbnails and the player page, compiled by the command line into
// `folder`/out/<showFolder> with `folder`/program as the program folder.
// Its exit status; what it printed goes to `outText` and `errText`.
inline int CompileSourceShow(const QString& folder, const QStringList& slides,
                             const QString& showFolder, QJsonObject settings, QString& outText,
                             QString& errText) {
    QJsonArray list;
    for (const QString& s : slides)
        list.append(QJsonObject{{"PicturePath", "src/" + s}, {"Caption", s}});
    settings.insert("PictureSizes", true);
    settings.insert("Player", true);
    const QJsonObject show{{"slides", list},
                           {"settings", settings},
                           {"compile", QJsonObject{{"FirstPageName", "Show"},
                                                   {"ShowFolderName", showFolder},
                                                   {"Directory", "out"}}}};
    WriteFile(folder + "/show.json", QJsonDocument(show).toJson());
    LocalFileSystem fs;
    outText.clear();
    errText.clear();
    QTextStream out(&outText), err(&errText);
    CommandContext c{fs, folder + "/program", folder, folder, QDateTime::currentDateTime(), out,
                     err};
    return RunCommandLine({"pevrano-slideshow", "compile", folder + "/show.json"}, c);
}
