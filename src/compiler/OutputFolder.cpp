#include "compiler/OutputFolder.h"

#include "compiler/ClipCopies.h"
#include "compiler/CompileHost.h"
#include "compiler/PageText.h"
#include "compiler/PictureCopies.h"
#include "compiler/PixNames.h"
#include "compiler/SizeCache.h"
#include "platform/FilePaths.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "project/SlideShowProject.h"
#include "video/ClipPlan.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <vector>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The thumbnail and the phone size, counted by the progress bar whether or not
// the phone size turns out to be needed.
constexpr int kSizesPerPicture = 2;

// The view images and the applet archive, in the order they are copied.
constexpr std::array<const char*, 6> kViewImages{"fraright.jpg", "fraleft.jpg", "catalog.jpg",
                                                 "ssnobnoc.jpg", "ssbnoc.jpg",  "ssbc.jpg"};

void Critical(Prompter& ui, const QString& text, const QString& title) {
    ui.messageBox({text, title, MsgButtons::Ok, MsgIcon::Critical, std::nullopt});
}

// Shows the folder browser until it returns a directory on an acceptable
// drive; there is no way out but a directory.
QString ChooseDirectory(Prompter& ui, FileSystem& fs) {
    const QString title = QStringLiteral("Please select another path...");
    for (;;) {
        const QString dir =
            ui.browseForFolder(QStringLiteral("Please select a Directory to store your folder."));
        if (dir.isEmpty())
            continue;
        switch (fs.driveType(dir)) {
        case DriveType::CdRom:
            Critical(ui, QStringLiteral("You Can Not Select a CD Rom Drive!"), title);
            break;
        case DriveType::Removable:
            Critical(ui, QStringLiteral("You Can Not Select a Foppy Drive!"), title);
            break;
        default:
            return dir;
        }
    }
}

FsResult MakeShowFolder(const SlideShowProject& p, FileSystem& fs) {
    const QString& folder = p.names.OutputFolder;
    FsResult r = fs.createDirectory(folder);
    if (r.ok())
        r = fs.createDirectory(folder + QStringLiteral("pix"));
    if (r.ok() && WantsPictureSizes(p.settings))
        for (const char* sub : {"pix/thumbs", "pix/phone"})
            if (r.ok())
                r = fs.createDirectory(folder + QLatin1String(sub));
    return r;
}

void ReportFolderError(Prompter& ui, const FsResult& r) {
    if (r.error == FsError::AlreadyExists || r.error == FsError::PathNotFound)
        Critical(ui,
                 QStringLiteral("A folder with this name in this Directory already exist! ") +
                     kCrLf + QStringLiteral("Please type (select) a different Name file path."),
                 QStringLiteral("Need a New File Path Name or Directory."));
    else
        Critical(ui,
                 QString::number(r.code) + u' ' + r.reason +
                     QStringLiteral(" Error has occured please try again!"),
                 QStringLiteral("File Error!"));
}

// The hourglass for as long as the copies run, however they end.
class BusyPointer {
public:
    explicit BusyPointer(CompileHost& h) : host(h) { host.setBusy(true); }
    ~BusyPointer() { host.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    CompileHost& host;
};

// The progress bar of the copies: shown with its range, advanced after each
// step, hidden again however the copies end.
class ProgressBar {
public:
    ProgressBar(CompileHost& h, int maximum) : host(h) { host.showProgress(maximum); }
    ~ProgressBar() { host.hideProgress(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void advance(int by = 1) {
        done += by;
        host.setProgress(done);
    }
    int value() const { return done; }

private:
    CompileHost& host;
    int done = 0;
};

// Copies one file into pix under a fixed name and leaves it writable by its
// owner. A failure is reported and the run goes on without the file.
class PixCopier {
public:
    PixCopier(Prompter& ui, FileSystem& fs, QString pixFolder)
        : ui(ui), fs(fs), pix(std::move(pixFolder)) {}

    bool copy(const QString& from, const QString& name) {
        if (from.isEmpty() || name.isEmpty())
            return false;
        return place(fs.copyFile(from, pix + name), pix + name);
    }

    // Puts a file no one writes again (a clip from the cache) into pix.
    bool link(const QString& from, const QString& name) {
        return place(fs.linkOrCopyFile(from, pix + name), pix + name);
    }

    QString pathOf(const QString& name) const { return pix + name; }

    // Writes a copy the engine made.
    bool write(const QByteArray& bytes, const QString& name) {
        return place(fs.writeFile(pix + name, bytes), pix + name);
    }

private:
    bool place(const FsResult& result, const QString& to) {
        if (!result.ok()) {
            ui.inform(QStringLiteral("Error occurred!"), QStringLiteral("File Copy Error"));
            return false;
        }
        // The copy is ours and new; should its mode not change, it is still
        // in the show, so there is nothing to report.
        fs.makeOwnerWritable(to);
        return true;
    }

    Prompter& ui;
    FileSystem& fs;
    QString pix;
};

QString InProgramFolder(const QString& programFolder, const QString& name) {
    return WithTrailingSeparator(programFolder) + name;
}

// The opening page's file name.
QString PageFileName(const SlideShowProject& p) {
    return p.names.FirstPageName + QStringLiteral(".htm");
}

// What the picture and clip copies of one run share: the memory of the
// decodes in flight, the cache of sizes and the clip tools, looked for once.
struct PictureWork {
    DecodeBudget budget;
    std::optional<SizeCache> cache;
    std::optional<ClipTools> tools;
    ClipRequest clips;
};

// One file of the copies: its source, its name in pix and how far the
// progress bar moves after it. An entry without a source only moves the bar.
struct PixCopy {
    QString from;
    QString name;
    int advance = 1;
    bool picture = false; // a slide, background or opening-page picture
    bool clip = false;    // a slide's video clip: `name` is its poster's
};

// Every copy of a run, in order, under the names settled in p.names.pix.
std::vector<PixCopy> CopyPlan(const SlideShowProject& p, const QString& programFolder) {
    const ShowSettings& s = p.settings;
    const PixFiles& names = p.names.pix;
    const int count = p.SlideCount();
    std::vector<PixCopy> plan;
    for (int k = 1; k <= count; ++k)
        plan.push_back(
            {p.slide(k).PicturePath, PixPictureName(p, k), 1, true, !PixClipName(p, k).isEmpty()});
    const bool pictureBackgrounds = !s.UseColTrueUsePicFalse;
    if (pictureBackgrounds && s.optIntBkImgOptionForm == 1) {
        for (int k = 1; k <= count; ++k)
            plan.push_back({p.slide(k).BkPicture, PixSlideBackgroundName(p, k), 1, true});
    } else {
        plan.push_back({{}, {}, count - 1});
    }
    if (pictureBackgrounds && s.optIntBkImgOptionForm == 0)
        plan.push_back({p.slot(0).BkPicture, names.sharedBackground, 0, true});
    plan.push_back({{}, {}, 1});
    // A song that is not what it claims has no name: it is not copied.
    if (!s.SongPath.isEmpty())
        plan.push_back({names.song.isEmpty() ? QString() : s.SongPath, names.song});
    for (const char* image : kViewImages) {
        const QString name = QString::fromLatin1(image);
        plan.push_back({InProgramFolder(programFolder, name), name});
    }
    plan.push_back(
        {InProgramFolder(programFolder, QStringLiteral("photo.jar")), QStringLiteral("photo.jar")});
    plan.push_back({s.OpenPgBkPic, names.openingPicture, 1, true});
    return plan;
}

// The first name of the run that does not fit the file system of
// `directory`: a name longer than its names may be, or whose path is longer
// than its paths. Checked before anything is created, so a long name
// is not found only after every picture was copied. The pages written into
// pix later have names no longer than the view images ("fraright.jpg").
std::optional<QString> TooLongName(const SlideShowProject& p, FileSystem& fs,
                                   const QString& directory, const QString& programFolder) {
    const NameLimits limits = fs.nameLimits(directory);
    const QString& folder = p.names.OutputFolder;
    const QString pix = folder + QStringLiteral("pix/");
    auto fits = [&](const QString& name, const QString& path) {
        return QFile::encodeName(name).size() <= limits.nameMax &&
               QFile::encodeName(path).size() < limits.pathMax;
    };
    QStringList names = {p.names.ShowFolderName, PageFileName(p)};
    QStringList paths = {folder, folder + PageFileName(p)};
    for (const PixCopy& c : CopyPlan(p, programFolder))
        if (!c.from.isEmpty() && !c.name.isEmpty()) {
            names << c.name;
            paths << pix + c.name;
        }
    for (const QString& clip : p.names.pix.clips)
        if (!clip.isEmpty()) {
            names << clip;
            paths << pix + clip;
        }
    // The smaller sizes: "picK.jpg" one folder further down.
    if (WantsPictureSizes(p.settings) && p.SlideCount() > 0) {
        const QString thumb = PixThumbName(p.SlideCount());
        names << thumb.section(u'/', -1);
        paths << pix + thumb;
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        if (!fits(names[i], paths[i]))
            return names[i];
    return std::nullopt;
}

// What the copies could not take as they are, for the messages after them.
struct PictureReport {
    QStringList unfitted;    // could not be decoded to fit or size: copied as they are
    QStringList leftOut;     // not a picture the engine reads, or not decodable to convert
    QStringList firstFrames; // several pictures in one file: the first was written
};

// Puts one picture's copies into pix (`slide`: its number, for the smaller
// sizes and the pages' table; 0 for other pictures). A picture left out is
// never copied.
void PlacePicture(const PixCopy& c, const PictureCopies& made, int slide, PixCopier& pix,
                  CompileHost& host, PictureReport& report, PixFiles& names) {
    const QString shown = QDir::toNativeSeparators(c.from);
    if (made.leftOut || c.name.isEmpty()) {
        report.leftOut << shown + QStringLiteral(" (") + made.refusal + u')';
        host.pictureLeftOut(c.from);
        return;
    }
    const bool placed =
        made.copyAsItIs ? pix.copy(c.from, c.name) : pix.write(made.full.bytes, c.name);
    if (made.firstFrameOnly)
        report.firstFrames << shown;
    if (made.sizesFailed)
        report.unfitted << shown;
    if (slide <= 0)
        return;
    const int i = slide - 1;
    if (placed)
        names.fullSizes[i] = made.copyAsItIs ? made.fullSize : made.full.size;
    if (made.thumb.made() && pix.write(made.thumb.bytes, PixThumbName(slide)))
        names.thumbSizes[i] = made.thumb.size;
    if (made.phone.made() && pix.write(made.phone.bytes, PixPhoneName(slide)))
        names.phoneSizes[i] = made.phone.size;
}

// Makes one slide's clip and puts it into pix under its name, its poster
// under the slide picture's and the poster's sizes as a picture's. False
// when the run was cancelled while it encoded.
bool PlaceClip(const PixCopy& c, int slide, PictureWork& work, CompileHost& host, PixCopier& pix,
               const ProgressBar& bar, PictureReport& report, PixFiles& names) {
    const int i = slide - 1;
    const ClipCopies made =
        MakeClipCopies(work.tools, c.from, pix.pathOf(names.clips[i]), work.clips, work.budget,
                       work.cache ? &*work.cache : nullptr, [&](double seconds, double duration) {
                           host.setClipProgress(bar.value(), seconds, duration);
                           return !host.cancelRequested();
                       });
    if (made.cancelled)
        return false;
    if (made.leftOut) {
        report.leftOut << QDir::toNativeSeparators(c.from) + QStringLiteral(" (") + made.refusal +
                              u')';
        host.pictureLeftOut(c.from);
    }
    if (made.leftOut || !(made.placed || pix.link(made.clipFile, names.clips[i]))) {
        // Neither the player nor a page shows what is not there.
        names.clips[i].clear();
        return true;
    }
    names.clipSounds[i] = made.sound;
    if (pix.write(made.poster.bytes, c.name))
        names.fullSizes[i] = made.poster.size;
    if (made.thumb.made() && pix.write(made.thumb.bytes, PixThumbName(slide)))
        names.thumbSizes[i] = made.thumb.size;
    if (made.phone.made() && pix.write(made.phone.bytes, PixPhoneName(slide)))
        names.phoneSizes[i] = made.phone.size;
    return true;
}

// Copies [first, last) of the plan (`slides`: the slide pictures, which lead
// it). Every picture goes through the engine on worker threads, which checks
// its content and makes what the show needs of it; each is placed as soon as
// it is ready, in the plan's order. The slide pictures are fitted and sized
// as `request` asks. Clips are made one at a time as their turn comes, while
// the workers go on with the pictures after them. False when the run was
// cancelled.
bool CopyRange(std::vector<PixCopy>::const_iterator first,
               std::vector<PixCopy>::const_iterator last, bool slides,
               const PictureRequest& request, PictureWork& work, CompileHost& host, PixCopier& pix,
               ProgressBar& bar, PictureReport& report, PixFiles& names) {
    QStringList sources;
    for (auto it = first; it != last; ++it)
        sources << (it->picture && !it->clip ? it->from : QString());
    bool cancelled = false;
    // The smaller sizes are steps of their own, made or not.
    const int sizeSteps = slides && request.sizes ? kSizesPerPicture : 0;
    const auto finish = [&](int i, const PictureCopies& made) {
        const PixCopy& c = first[i];
        if (c.clip)
            cancelled = !PlaceClip(c, i + 1, work, host, pix, bar, report, names);
        else if (!c.picture)
            pix.copy(c.from, c.name);
        else if (!c.from.isEmpty())
            PlacePicture(c, made, slides ? i + 1 : 0, pix, host, report, names);
        if (!cancelled && c.advance + sizeSteps != 0)
            bar.advance(c.advance + sizeSteps);
        return !cancelled;
    };
    CopiesInOrder(sources, slides ? request : PictureRequest{}, work.budget,
                  work.cache ? &*work.cache : nullptr, finish);
    return !cancelled;
}

// False when the run was cancelled.
bool CopyEverything(SlideShowProject& p, CompileHost& host, FileSystem& fs,
                    const QString& programFolder) {
    const int count = p.SlideCount();
    const ShowSettings& s = p.settings;
    PictureRequest request;
    if (s.FitPictures)
        request.fitBox = QSize(s.FitWidth, s.FitHeight);
    request.sizes = WantsPictureSizes(s);
    // The smaller sizes are steps of their own.
    const int sizeSteps = request.sizes ? kSizesPerPicture * count : 0;
    ProgressBar bar(host, 2 * count + 23 + sizeSteps);
    BusyPointer busy(host);
    Prompter& ui = host.prompter();
    PixCopier pix(ui, fs, p.names.OutputFolder + QStringLiteral("pix/"));
    const std::vector<PixCopy> plan = CopyPlan(p, programFolder);
    PictureReport report;
    const bool clips =
        std::any_of(plan.begin(), plan.end(), [](const PixCopy& c) { return c.clip; });
    PictureWork work{DecodeBudget(), SizeCache::inUserCache(qint64(s.SizesCacheMB) << 20),
                     clips ? FindClipTools() : std::nullopt,
                     ClipRequest{request.fitBox.value_or(kDefaultClipBox), request.sizes}};
    PixFiles& names = p.names.pix;
    // The slide pictures lead the plan; only they are fitted and sized.
    if (!CopyRange(plan.begin(), plan.begin() + count, true, request, work, host, pix, bar, report,
                   names)) {
        if (work.cache)
            work.cache->trim();
        return false;
    }
    if (!report.unfitted.isEmpty()) {
        const QString list = kCrLf + report.unfitted.join(kCrLf);
        if (request.fitBox)
            ui.messageBox({QStringLiteral("These pictures could not be read to fit them, so "
                                          "they were copied as they are:") +
                               list,
                           QStringLiteral("Fit pictures for the web"), MsgButtons::Ok,
                           MsgIcon::Exclamation, std::nullopt});
        else
            ui.messageBox({QStringLiteral("These pictures could not be read to make their "
                                          "thumbnails and phone sizes, so they were copied as "
                                          "they are:") +
                               list,
                           QStringLiteral("Write thumbnails and a phone size"), MsgButtons::Ok,
                           MsgIcon::Exclamation, std::nullopt});
    }
    CopyRange(plan.begin() + count, plan.end(), false, request, work, host, pix, bar, report,
              names);
    if (work.cache)
        work.cache->trim();

    QStringList told;
    if (!report.leftOut.isEmpty())
        told << QStringLiteral("These pictures could not be read, so they are not in the show:") +
                    kCrLf + report.leftOut.join(kCrLf);
    if (!s.SongPath.isEmpty() && p.names.pix.song.isEmpty()) {
        told << QStringLiteral("The song is not an MP3, WAV or MIDI file, so it is not in the "
                               "show:") +
                    kCrLf + QDir::toNativeSeparators(s.SongPath);
        host.pictureLeftOut(s.SongPath);
    }
    if (!report.firstFrames.isEmpty())
        told << QStringLiteral("These pictures hold an animation or several pages; the show has "
                               "the first picture of each:") +
                    kCrLf + report.firstFrames.join(kCrLf);
    if (!told.isEmpty())
        ui.messageBox({told.join(kCrLf + kCrLf), QStringLiteral("Pictures for the web"),
                       MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt});
    return true;
}

} // namespace

void MoveFiles(SlideShowProject& p, CompileHost& host, FileSystem& fs,
               const QString& programFolder) {
    Prompter& ui = host.prompter();
    // A failed attempt asks every question again, as a loop rather than a
    // nested run.
    bool askPageName = false;
    // Names by content, settled once before anything is copied.
    SettlePixFiles(p);
    for (;;) {
        if (askPageName) {
            // The opening page's name did not fit: it is asked again too.
            host.AskPageName(p);
            if (p.flags.CompileCancelled)
                return;
        }
        host.GetFolderName(p);
        if (p.flags.CompileCancelled)
            return;
        const QString directory = WithTrailingSeparator(ChooseDirectory(ui, fs));
        p.names.OutputFolder = directory + p.names.ShowFolderName + u'/';
        // Sources and names are checked before anything is created.
        FsResult made;
        const std::optional<QString> tooLong = TooLongName(p, fs, directory, programFolder);
        askPageName = tooLong == PageFileName(p);
        if (tooLong)
            made = {FsError::Other, QStringLiteral("File name too long: ") + *tooLong,
                    ENAMETOOLONG};
        else
            made = MakeShowFolder(p, fs);
        if (!made.ok()) {
            ReportFolderError(ui, made);
            continue;
        }
        ui.messageBox({QStringLiteral("        Please take Note:") + kCrLf +
                           QStringLiteral("Your Directory and folder is: ") + p.names.OutputFolder,
                       QStringLiteral("Pevrano Slide Show"), MsgButtons::Ok, MsgIcon::Exclamation,
                       std::nullopt});
        if (!CopyEverything(p, host, fs, programFolder))
            p.flags.CompileCancelled = true;
        return;
    }
}
