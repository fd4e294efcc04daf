#include "compiler/CompileCommand.h"

#include "compiler/CompileDriver.h"
#include "compiler/HeadlessCompileHost.h"
#include "compiler/OutputFolder.h"
#include "compiler/OutsideSources.h"
#include "document/ShowFile.h"
#include "platform/FailureKeepingFileSystem.h"
#include "platform/FilePaths.h"
#include "project/ShowLimits.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kProgram = QStringLiteral("pevrano-slideshow");

const char* const kUsage = R"(Usage: pevrano-slideshow [SHOW.json]
       pevrano-slideshow compile SHOW.json
       pevrano-slideshow publish SHOW.json REMOTE:PATH [--address URL]
       pevrano-slideshow --help
       pevrano-slideshow --version

Without arguments the tool opens its main window; with a show file, the
window opens with that show.

Commands:
  compile SHOW.json   compile the slide show described in SHOW.json, without
                      any window (see "pevrano-slideshow compile --help")
  publish SHOW.json REMOTE:PATH
                      compile it and send it to a web server or cloud storage
                      with rclone (see "pevrano-slideshow publish --help")
  --help              show this text
  --version           print the version

Qt's own window options (-style, -platform, -reverse ...) are passed to the
window.
)";

// The one line a command line the program does not know gets.
const char* const kUsageLine =
    "usage: pevrano-slideshow [SHOW.json | compile SHOW.json | --help | --version]\n";

const char* const kCompileUsage = R"(Usage: pevrano-slideshow compile SHOW.json

Compiles the slide show described in SHOW.json as the "Make HTML File" button
does, without any window or display: the show folder gets the opening page and
a "pix" folder with the pictures, the song, the script library and the pages.

SHOW.json uses the tool's own names. Every key is optional except each slide's
PicturePath:

  { "slides":   [ { "PicturePath": "a.jpg", "Caption": "...",
                    "PicBackColor": "&HC100FF", "CapBackColor": "&HFFFF80",
                    "CapForeColor": "&H000000", "BkPicture": "..." } ],
    "settings": { "FontInUse": "Arial", "FontSizeInUse": "16",
                  "NumSecDelay": 3, "AmountOfSlidesFFRev": 3,
                  "UseColTrueUsePicFalse": true, "SameBkColorEverySlide": true,
                  "optIntBkImgOptionForm": 0, "Flashing": 1, "SongPath": "",
                  "OpenPgBkPic": "{program}/wood.gif",
                  "CaptionFrameColor": "&HFF99CC",
                  "ButtonColors": ["&H000000", "&HFF0000", "&H00FF00",
                                   "&HFF0000", "&H000000"],
                  "FitPictures": false, "FitWidth": 1920, "FitHeight": 1080,
                  "PictureSizes": false, "Player": false },
    "compile":  { "FirstPageName": "...", "ShowFolderName": "...",
                  "Directory": "...", "TitleMessage": "..." } }

- Colours are "&H" and six hexadecimal digits in blue-green-red order.
- NumSecDelay is 3 to 99 seconds and AmountOfSlidesFFRev 1 to 32767, as the
  settings hold them.
- "{program}/wood.gif", "{program}/clouds.jpg" and "{program}/film.gif" are the
  program's own pictures.
- Missing slide fields take a new slide's values, missing settings those of a
  first start, missing names what the name prompts propose; a missing or
  empty Directory is the current directory.
- Relative paths start in the folder of SHOW.json.
- Pictures may be BMP, GIF, JPEG, PNG, WebP, TIFF, HEIC/HEIF or AVIF, as
  their content says, whatever their names. WebP, TIFF, HEIC and AVIF
  pictures go into the show as JPEG (pic1.jpg, ...), upright and without
  transparency; an animated one as its first picture.
- With FitPictures, slide pictures larger than FitWidth x FitHeight (100 to
  9999 pixels) are copied scaled down to fit, in their own format (JPEG for
  those above).
- With PictureSizes, every slide picture also gets a thumbnail
  pix/thumbs/picK.jpg within 240 x 180 and, when larger than 1280 x 1280, a
  phone size pix/phone/picK.jpg within 1280 x 1280 (JPEG quality 85).
- With Player, index.html in the show folder is a player page for phones and
  today's browsers (script and style in pix), beside the classic pages; it
  turns PictureSizes on.
- FirstPageName and ShowFolderName are taken as if typed into the name
  prompt: the characters ? \ : * < > | . / and control characters are
  dropped, the rest lower-cased.

Every question gets a fixed answer: Yes to "Compile your Slide Show Now?" and
to the check for missing captions or pictures (printed as a warning), No to
viewing the show. Every message is printed to standard error with its title,
and so is the progress of the copies. On success standard output receives the
path of the opening page. Pictures, backgrounds and the song taken from outside
the folder of SHOW.json (links followed) are listed at the end as a warning.

A show file name that begins with "-" follows "--":
  pevrano-slideshow compile -- -show.json

Exit status:
  0  the show was compiled
  1  the compile stopped (fewer than 3 slides, an existing show folder, a
     refused drive, a page that could not be written), or files could not be
     copied into the show (a missing picture, or one that could not be read
     to write it as JPEG); the show is written without them; or standard
     output could not be written
  2  a wrong command line, or a show file that cannot be read or used
)";

const FailureKeepingFileSystem::Failure* LastFailure(const FailureKeepingFileSystem& fs,
                                                     const QString& operation) {
    const auto& all = fs.failures();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (it->operation == operation)
            return &*it;
    return nullptr;
}

// One line saying why a cancelled run stopped.
QString CancelledReason(const HeadlessCompileHost& host, const FailureKeepingFileSystem& fs) {
    if (!host.folderAskedAgain())
        return host.stopReason();
    const auto* f = LastFailure(fs, QStringLiteral("create"));
    if (!f) {
        // Refused before anything was created (a source without extension).
        QString box = host.lastMessage().text;
        return QStringLiteral("the show folder could not be made: ") +
               box.replace(QLatin1String("\r\n"), QLatin1String(" "));
    }
    if (f->result.error == FsError::AlreadyExists)
        return QStringLiteral("the show folder ") + f->path +
               QStringLiteral(" already exists; choose another ShowFolderName or Directory");
    return QStringLiteral("cannot create the show folder ") + f->path + QStringLiteral(": ") +
           f->result.reason;
}

int Compile(const QString& showPath, CommandContext& c) {
    const QString path = QDir(c.currentDirectory).absoluteFilePath(showPath);
    auto loaded = LoadShowFile(path, {c.programFolder, c.homeFolder, c.currentDirectory});
    if (const QString* bad = std::get_if<QString>(&loaded)) {
        c.err << "error: " << *bad << '\n';
        return kBadArguments;
    }
    LoadedShow& show = std::get<LoadedShow>(loaded);
    for (const QString& w : show.warnings)
        c.err << "warning: " << w << '\n';
    c.err.flush();

    const QString directory = show.answers.Directory;
    HeadlessCompileHost host(show.answers, c.now.date(), c.err);
    host.answerCompileQuestions();
    ConsolePrompter& ui = host.consolePrompter();
    ui.answer(QStringLiteral("View your Slide Show now?"), MsgResult::No);
    ui.answerFolder(directory);

    const SlideShowProject& p = show.project;
    FailureKeepingFileSystem fs(c.fs);
    CompileResult result;
    try {
        result = CompileShow(p, host, fs, c.programFolder, c.now);
    } catch (const RepeatedQuestion&) {
        c.err << "error: the directory " << directory
              << " can not hold the show: " << ui.lastMessage().text << '\n';
        return kCompileFailed;
    }

    switch (result.outcome) {
    case CompileOutcome::Compiled:
    case CompileOutcome::Incomplete:
        break;
    case CompileOutcome::TooFewSlides:
        c.err << "error: a slide show needs at least " << kMinSlidesToCompile << " slides; "
              << showPath << " has " << p.SlideCount() << '\n';
        return kCompileFailed;
    case CompileOutcome::Cancelled:
        c.err << "error: " << CancelledReason(host, fs) << '\n';
        return kCompileFailed;
    case CompileOutcome::WriteFailed:
        if (const auto* f = LastFailure(fs, QStringLiteral("write")))
            c.err << "error: cannot write " << f->path << ": " << f->result.reason << '\n';
        return kCompileFailed;
    case CompileOutcome::NotConfirmed:
    case CompileOutcome::WentBack:
        c.err << "error: the compile was not confirmed\n";
        return kCompileFailed;
    }

    int missing = 0;
    for (const auto& f : fs.failures()) {
        // A write that failed in a compiled show is a fitted picture's.
        if (f.operation == u"write")
            c.err << "error: cannot write " << f.path << ": " << f.result.reason << '\n';
        else if (f.operation == u"copy")
            c.err << "error: cannot copy " << f.source << " to " << f.path << ": "
                  << f.result.reason << '\n';
        else
            continue;
        ++missing;
    }
    for (const QString& source : host.picturesLeftOut()) {
        c.err << "error: cannot read " << source << "; it is not in the show\n";
        ++missing;
    }
    // Said last, where the person who compiles a show received from someone
    // else sees it: which of its files came from elsewhere on this computer.
    const QStringList outside = OutsideSources(p, QFileInfo(path).absolutePath(), c.programFolder);
    if (!outside.isEmpty()) {
        c.err << "warning: these files were taken from outside the folder of " << showPath << ":\n";
        for (const QString& line : outside)
            c.err << "    " << line << '\n';
    }
    c.out << InFolder(result.answers.OutputFolder,
                      result.answers.FirstPageName + QStringLiteral(".htm"))
          << '\n';
    return missing == 0 ? kCompiled : kCompileFailed;
}

// Qt's own options for the window, with whether each takes a value.
bool IsWindowOption(const QString& argument, bool& takesValue) {
    static const QStringList withValue =
        QStringLiteral("-style -stylesheet -platform -platformpluginpath -platformtheme -plugin "
                       "-session -display -geometry -qwindowgeometry -qwindowtitle -qwindowicon "
                       "-qmljsdebugger -name -title")
            .split(QLatin1Char(' '));
    static const QStringList flags =
        QStringLiteral("-reverse -widgetcount -nograb -dograb -sync").split(QLatin1Char(' '));
    const QString name = argument.section(QLatin1Char('='), 0, 0);
    if (withValue.contains(name)) {
        takesValue = !argument.contains(QLatin1Char('='));
        return true;
    }
    takesValue = false;
    return flags.contains(argument);
}

// True when every argument is one of Qt's window options, but for at most
// one show for the window to open: an existing file, or a name ending in
// ".json" (a show that has gone is then reported by the window).
bool AreWindowArguments(const QStringList& arguments) {
    bool showGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool takesValue = false;
        if (IsWindowOption(arguments[i], takesValue)) {
            if (takesValue && ++i >= arguments.size())
                return false;
            continue;
        }
        // A command or an option the tool does not know is not a show, even
        // when a file of that name happens to lie in the current folder.
        const QString& a = arguments[i];
        const bool show =
            a.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) || QFileInfo(a).isFile();
        if (showGiven || a.startsWith(QLatin1Char('-')) || a == u"compile" || !show)
            return false;
        showGiven = true;
    }
    return true;
}
} // namespace

bool IsCommandLine(const QStringList& arguments) {
    return arguments.size() >= 2 && !AreWindowArguments(arguments.mid(1));
}

namespace {
// The compile command's arguments: options before a "--", then show files.
int RunCompile(const QStringList& rest, CommandContext& context) {
    const qsizetype dashes = rest.indexOf(QStringLiteral("--"));
    const QStringList options = dashes < 0 ? rest : rest.first(dashes);
    if (options.contains(u"--help") || options.contains(u"-h")) {
        context.out << kCompileUsage;
        return kCompiled;
    }
    QStringList shows = dashes < 0 ? QStringList() : rest.mid(dashes + 1);
    bool unknownOption = false;
    for (const QString& a : options) {
        unknownOption = unknownOption || a.startsWith(QLatin1Char('-'));
        shows << a;
    }
    // An empty name would read the current folder.
    if (unknownOption || shows.size() != 1 || shows[0].isEmpty()) {
        context.err << "error: compile takes one show file; see \"" << kProgram
                    << " compile --help\"\n";
        return kBadArguments;
    }
    return Compile(shows[0], context);
}

int RunCommand(const QStringList& arguments, CommandContext& context) {
    const QString command = arguments.value(1);
    if (command == u"--help" || command == u"-h") {
        context.out << kUsage;
        return kCompiled;
    }
    if (command == u"--version") {
        context.out << kProgram << ' ' << PEVRANO_VERSION << '\n';
        return kCompiled;
    }
    if (command != u"compile") {
        context.err << kUsageLine;
        return kBadArguments;
    }
    return RunCompile(arguments.mid(2), context);
}
} // namespace

int RunCommandLine(const QStringList& arguments, CommandContext& context) {
    int status = RunCommand(arguments, context);
    // What was asked for is on standard output; a full disk or a closed pipe
    // there is a failure, whatever the command did.
    context.out.flush();
    if (context.out.status() != QTextStream::Ok && status != kBadArguments) {
        context.err << "error: cannot write to standard output\n";
        status = kCompileFailed;
    }
    context.err.flush();
    return status;
}
