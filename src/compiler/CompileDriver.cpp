#include "compiler/CompileDriver.h"

#include "compiler/AppletPage.h"
#include "compiler/CatalogPages.h"
#include "compiler/CompileHost.h"
#include "compiler/OutputFolder.h"
#include "compiler/PageFile.h"
#include "compiler/PixNames.h"
#include "compiler/PlayerPage.h"
#include "compiler/ScriptLibrary.h"
#include "compiler/SlidePages.h"
#include "compiler/TitlePage.h"
#include "platform/FailureKeepingFileSystem.h"
#include "platform/FilePaths.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "project/ShowLimits.h"
#include "project/SlideShowProject.h"

#include <array>

namespace {
const QString kCrLf2 = QStringLiteral("\r\n\r\n");
const QString kGoBackNote = QStringLiteral("Note: To Go Back Select 'No' Or 'Cancel'");

// The list of slide numbers as the check shows it: ", 2, 5" without its
// first character, so " 2, 5".
QString MissingList(const SlideShowProject& p, bool (*missing)(const Slide&)) {
    QString list;
    for (int k = 1; k <= p.SlideCount(); ++k)
        if (missing(p.slide(k)))
            list += QStringLiteral(", ") + QString::number(k);
    return list.mid(1);
}

// Writes the pages of one run and remembers the first failure, after which
// nothing more is written.
class PageWriter {
public:
    PageWriter(FileSystem& fs, Prompter& ui) : fs(fs), ui(ui) {}

    bool write(const QString& path, const QString& text, bool utf8 = false) {
        return report(path, failed ? FsResult{} : WritePageFile(fs, path, text, utf8));
    }

    // A file written as these bytes, with no line end or mark added.
    bool writeBytes(const QString& path, const QByteArray& bytes) {
        return report(path, failed ? FsResult{} : fs.writeFile(path, bytes));
    }

private:
    bool report(const QString& path, const FsResult& r) {
        if (failed)
            return false;
        if (r.ok())
            return true;
        failed = true;
        ui.messageBox(
            {QStringLiteral("The file \"") + path + QStringLiteral("\" could not be written: ") +
                 r.reason + QStringLiteral("\r\nThe slide show was not finished."),
             QStringLiteral("File Error!"), MsgButtons::Ok, MsgIcon::Critical, std::nullopt});
        return false;
    }

    FileSystem& fs;
    Prompter& ui;
    bool failed = false;
};

// Steps 8 to 14: every page text, built and written in the order of the run.
bool WriteAllPages(SlideShowProject& p, Prompter& ui, FileSystem& fs, const QDateTime& now) {
    PageWriter out(fs, ui);
    const QString folder = p.names.OutputFolder;
    const QString pix = InFolder(folder, QStringLiteral("pix"));
    const QString head = PageHead(p, now);
    std::array<QString, 6> texts;
    texts[0] = head + SlidePage(p, true, true);
    texts[1] = head + SlidePage(p, true, false);
    texts[2] = head + KeyboardSlidePage(p);
    texts[3] = AllCode(p);
    texts[4] = head + NetscapePage(p);
    const QString title = TitlePage(p, ui);
    if (!out.write(InFolder(folder, p.names.FirstPageName + QStringLiteral(".htm")), title))
        return false;
    texts[5] = AppletPage(p, now);
    // A browser reads a script without a byte-order mark in the encoding of
    // the page that loads it; when one of those pages is UTF-8, so is the
    // script, or its captions would come out garbled there.
    const bool scriptUtf8 = !FitsWindows1252(title) || !FitsWindows1252(texts[0]) ||
                            !FitsWindows1252(texts[1]) || !FitsWindows1252(texts[2]) ||
                            !FitsWindows1252(texts[4]);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!out.write(InFolder(pix, QLatin1String(kPageTableFiles[i])), texts[i],
                       i == 3 && scriptUtf8))
            return false;
        texts[i].clear();
    }
    if (!out.write(InFolder(pix, QStringLiteral("catalog.htm")), CatalogPage(p)))
        return false;
    {
        const FramePageTexts frames = FramePages(p);
        if (!out.write(InFolder(pix, QStringLiteral("frmleft.htm")), frames.left) ||
            !out.write(InFolder(pix, QStringLiteral("frmright.htm")), frames.right))
            return false;
    }
    if (!out.write(InFolder(pix, QStringLiteral("thumbpic.htm")), ThumbPage(p)))
        return false;
    if (!p.settings.Player)
        return true;
    const PlayerFiles player = PlayerPage(p, pix);
    return out.writeBytes(InFolder(folder, QStringLiteral("index.html")), player.page) &&
           out.writeBytes(InFolder(pix, QStringLiteral("player.js")), player.script) &&
           out.writeBytes(InFolder(pix, QStringLiteral("player.css")), player.style);
}

// A note when the player leaves the song out; empty otherwise.
QString PlayerSongNote(const SlideShowProject& p) {
    const QString song = PixSongName(p);
    if (p.settings.Player && !song.isEmpty() && !PlayerPlaysSong(song))
        return kCrLf2 + QStringLiteral("The player page (index.html) has no song: browsers "
                                       "cannot play MIDI. The classic pages keep it.");
    return {};
}

// One line for each file the copies could not put into the show, with the
// system's reason.
QStringList MissingFiles(const FailureKeepingFileSystem& fs, const CompileHost& host) {
    QStringList lines;
    for (const auto& f : fs.failures()) {
        if (f.operation == u"copy")
            lines << QStringLiteral("Cannot copy ") + f.source + QStringLiteral(" to ") + f.path +
                         QStringLiteral(": ") + f.result.reason;
        else if (f.operation == u"write")
            lines << QStringLiteral("Cannot write ") + f.path + QStringLiteral(": ") +
                         f.result.reason;
    }
    for (const QString& source : host.picturesLeftOut())
        lines << QStringLiteral("Cannot read ") + source +
                     QStringLiteral("; it is not in the show");
    return lines;
}

// The run's closing message: success only when nothing is missing. A long
// list is cut so the box still fits on the screen.
MessageBoxRequest ClosingMessage(const SlideShowProject& p, QStringList missing) {
    constexpr qsizetype kMostListed = 20;
    if (missing.size() > kMostListed) {
        const qsizetype more = missing.size() - kMostListed;
        missing.resize(kMostListed);
        missing << QStringLiteral("and %1 more").arg(more);
    }
    if (missing.isEmpty())
        return {QStringLiteral("Your files were put in the your path \"") + p.names.OutputFolder +
                    QStringLiteral("\" successfully!") + PlayerSongNote(p),
                QStringLiteral("Compiled Successfully"), MsgButtons::Ok, MsgIcon::Information,
                std::nullopt};
    return {QStringLiteral("Your files were put in the your path \"") + p.names.OutputFolder +
                QStringLiteral("\", but these files are missing from the slide show:\r\n") +
                missing.join(QStringLiteral("\r\n")) + PlayerSongNote(p),
            QStringLiteral("Slide Show Not Complete"), MsgButtons::Ok, MsgIcon::Exclamation,
            std::nullopt};
}
} // namespace

bool CheckFinishedProduct(const SlideShowProject& p, Prompter& ui) {
    const QString captions = MissingList(p, [](const Slide& s) { return s.Caption.isEmpty(); });
    const QString pictures = MissingList(p, [](const Slide& s) { return s.PicturePath.isEmpty(); });
    QString text;
    if (!captions.isEmpty() && pictures.isEmpty()) {
        text = QStringLiteral("You have  No Captions for side(s) ") + captions + kCrLf2 +
               QStringLiteral("Do You want to Continue and Finish ") + kCrLf2 +
               QStringLiteral("Or Go Back to Put in your Missing Captions ?") + kCrLf2 +
               kGoBackNote;
    } else if (captions.isEmpty() && !pictures.isEmpty()) {
        text = QStringLiteral("You have No Pictures in slide(s) ") + pictures + kCrLf2 +
               QStringLiteral("Do You want to Continue and Finish ?") + kCrLf2 +
               QStringLiteral("Or Go Back to Put in your Missing Pictures ?") + kCrLf2 +
               kGoBackNote;
    } else if (!captions.isEmpty()) {
        text = QStringLiteral("You have No Pictures in slide(s) ") + pictures + kCrLf2 +
               QStringLiteral(" And No Captions for side(s) ") + captions + kCrLf2 + kCrLf2 +
               QStringLiteral("Do You want to Continue and  Finish ?") + kCrLf2 +
               QStringLiteral("Or Go Back to Put in your Missing Pictures and Captions.") + kCrLf2 +
               kGoBackNote;
    } else {
        return true;
    }
    const MsgResult answer =
        ui.messageBox({text, QStringLiteral("To Go Back Select 'No' Or 'Cancel'"),
                       MsgButtons::YesNoCancel, MsgIcon::Critical, MsgResult::Cancel});
    return answer == MsgResult::Yes;
}

CompileResult CompileShow(const SlideShowProject& show, CompileHost& host, FileSystem& fs,
                          const QString& programFolder, const QDateTime& now) {
    const ShowChange::KeptAnswers asked = ShowChange::KeptAnswers::Of(show);
    Prompter& ui = host.prompter();
    if (show.SlideCount() < kMinSlidesToCompile) {
        ui.messageBox({QStringLiteral("Sorry you need at least 3 pictures to make a slide "
                                      "show...\r\n\r\nI'm sure you have some pictures around..."),
                       QStringLiteral("Pevrano Slide Show"), MsgButtons::Ok, MsgIcon::None,
                       std::nullopt});
        return {CompileOutcome::TooFewSlides, asked};
    }
    if (ui.messageBox({QStringLiteral("Are you ready to compile your slide show now?"),
                       QStringLiteral("Compile your Slide Show Now?"), MsgButtons::YesNo,
                       MsgIcon::Question, std::nullopt}) != MsgResult::Yes)
        return {CompileOutcome::NotConfirmed, asked};
    if (!CheckFinishedProduct(show, ui))
        return {CompileOutcome::WentBack, asked};
    host.stopSongPreview();

    // The run's own copy: the prompts answer into it and the copies' names
    // settle in it, whatever the caller's show does meanwhile.
    SlideShowProject p = show;
    p.flags.CompileCancelled = false;
    host.AskPageName(p);
    if (p.flags.CompileCancelled)
        return {CompileOutcome::Cancelled, asked};
    // Kept so the closing message can name every file that failed.
    FailureKeepingFileSystem files(fs);
    MoveFiles(p, host, files, programFolder);
    if (p.flags.CompileCancelled)
        return {CompileOutcome::Cancelled, asked};

    // A run that did not finish keeps nothing: the show's answers stay as
    // they were.
    if (!WriteAllPages(p, ui, files, now))
        return {CompileOutcome::WriteFailed, asked};

    const QString folder = p.names.OutputFolder;
    const QStringList missing = MissingFiles(files, host);
    ui.messageBox(ClosingMessage(p, missing));
    if (ui.messageBox({QStringLiteral("Would you like to see your Slide Show Now?"),
                       QStringLiteral("View your Slide Show now?"), MsgButtons::YesNo,
                       MsgIcon::Question, std::nullopt}) == MsgResult::Yes)
        host.openDocument(InFolder(folder, p.names.FirstPageName + QStringLiteral(".htm")));
    return {missing.isEmpty() ? CompileOutcome::Compiled : CompileOutcome::Incomplete,
            ShowChange::KeptAnswers::Of(p)};
}
