#pragma once

#include "project/SlideShowProject.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// A show described in a JSON file: what the window saves and opens and what the
// headless compile command reads. Keys are the model's own names; every key
// but a slide's PicturePath is optional. Reading lives here, writing in
// ShowFileWriter.h, so the two keep the same keys.

// The version of the file layout written into "format". Files without the key
// are read as version 1.
constexpr int kShowFileFormat = 1;

// Paths to the program's own pictures (the default backgrounds) are stored
// as this mark and the file name, so that the show finds them in the program
// folder of whichever install opens it.
inline const QString kProgramFolderMark = QStringLiteral("{program}/");
// Whether the file name is one of the pictures that come with the program.
bool IsProgramPicture(const QString& fileName);

// What a show file holds that this version does not know: a higher "format"
// and unknown keys at the top, in "settings", "compile" and "publish". Saving the
// show again writes them back unchanged. (Unknown keys of a slide travel with
// the slide, in Slide::OtherKeys.)
struct KeptKeys {
    int format = kShowFileFormat;
    QJsonObject top;
    QJsonObject settings;
    QJsonObject compile;
    QJsonObject publish;

    friend bool operator==(const KeptKeys&, const KeptKeys&) = default;
};

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
    QStringList warnings; // keys this version does not know, kept unused
    KeptKeys kept;
};

// Where relative paths and defaults come from.
struct ShowFileContext {
    QString programFolder;    // default pictures
    QString homeFolder;       // first start's music folder
    QString currentDirectory; // Directory when the file names none (may be empty)
};

// The show, or one line saying what is wrong with the file (with the line and
// column of a JSON syntax error).
std::variant<LoadedShow, QString> LoadShowFile(const QString& path, const ShowFileContext& where);
// The same from the file's bytes; `showFolder` resolves relative paths and
// `fileLabel` names the file in messages.
std::variant<LoadedShow, QString> ParseShow(const QByteArray& json, const QString& showFolder,
                                            const QString& fileLabel, const ShowFileContext& where);
// The same from a parsed top-level object.
std::variant<LoadedShow, QString> ReadShow(const QJsonObject& top, const QString& showFolder,
                                           const QString& fileLabel, const ShowFileContext& where);
