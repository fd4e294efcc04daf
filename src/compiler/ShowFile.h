#pragma once

#include "project/SlideShowProject.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// A show described in a JSON file, for the headless compile command. Keys are
// the model's own names; every key but a slide's PicturePath is optional.

// The answers the name prompts and the folder browser would get. Names are
// already filtered and lower-cased as if typed; nullopt means "take what the
// prompt proposes".
struct CompileAnswers {
    std::optional<QString> FirstPageName;
    std::optional<QString> ShowFolderName;
    std::optional<QString> TitleMessage;
    QString Directory; // absolute
};

struct LoadedShow {
    SlideShowProject project;
    CompileAnswers answers;
    QStringList warnings; // keys that were ignored
};

// Where relative paths and defaults come from.
struct ShowFileContext {
    QString programFolder;    // default pictures
    QString homeFolder;       // first start's music folder
    QString currentDirectory; // Directory when the file names none
};

// The show, or one line saying what is wrong with the file (with the line and
// column of a JSON syntax error).
std::variant<LoadedShow, QString> LoadShowFile(const QString& path, const ShowFileContext& where);
// The same from the file's bytes; `showFolder` resolves relative paths and
// `fileLabel` names the file in messages.
std::variant<LoadedShow, QString> ParseShow(const QByteArray& json, const QString& showFolder,
                                            const QString& fileLabel, const ShowFileContext& where);
