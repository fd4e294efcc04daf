#include "compiler/PixNames.h"

#include "compiler/CompileDriver.h"
#include "compiler/ScriptParts.h"
#include "pictures/PictureEngine.h"
#include "platform/FilePaths.h"
#include "platform/RegularFile.h"
#include "video/ClipIdentify.h"

#include <QFile>
#include <QSet>

namespace {
// The extensions that name each format browsers show, as a source may
// carry them.
bool NamesFormat(const QString& ext, PictureFormat format) {
    switch (format) {
    case PictureFormat::Jpeg:
        return ext == u".jpg" || ext == u".jpeg" || ext == u".jpe" || ext == u".jfif";
    case PictureFormat::Png:
        return ext == u".png";
    case PictureFormat::Gif:
        return ext == u".gif";
    case PictureFormat::Bmp:
        return ext == u".bmp" || ext == u".dib";
    default:
        return false;
    }
}

// The file names the compile writes into pix besides the copies.
const QSet<QString>& WrittenNames() {
    static const QSet<QString> names = [] {
        QSet<QString> n{QStringLiteral("catalog.htm"),  QStringLiteral("frmleft.htm"),
                        QStringLiteral("frmright.htm"), QStringLiteral("thumbpic.htm"),
                        QStringLiteral("player.js"),    QStringLiteral("player.css"),
                        QStringLiteral("photo.jar"),    QStringLiteral("thumbs"),
                        QStringLiteral("phone"),        QStringLiteral("fraright.jpg"),
                        QStringLiteral("fraleft.jpg"),  QStringLiteral("catalog.jpg"),
                        QStringLiteral("ssnobnoc.jpg"), QStringLiteral("ssbnoc.jpg"),
                        QStringLiteral("ssbc.jpg")};
        for (const char* page : kPageTableFiles)
            n.insert(QLatin1String(page));
        return n;
    }();
    return names;
}

// A picture's copy name, `stem` + its extension by content, or empty when
// the source is none or no picture the engine reads.
QString PictureCopyName(const QString& stem, const QString& source, QList<LeftOutSource>& leftOut) {
    if (source.isEmpty())
        return {};
    // The content's first bytes name the copy; whether the picture reads is
    // for the copies to find out.
    QString why;
    const std::optional<PictureFormat> format = PictureFormatOfFile(source, &why);
    if (!format) {
        leftOut.push_back({source, why});
        return {};
    }
    return stem + PixPictureExtension(source, *format);
}

// Whether the content of `source` announces a video clip (whether it plays
// is for the clip copies to find out).
bool IsClipSource(const QString& source) {
    QFile file;
    return !source.isEmpty() && OpenRegularFile(file, source, nullptr) &&
           ClipContainerOfHeader(file.read(256)).has_value();
}

QString SongCopyName(const QString& source, QList<LeftOutSource>& leftOut) {
    if (source.isEmpty())
        return {};
    QFile file;
    QString why;
    if (!OpenRegularFile(file, source, &why)) {
        leftOut.push_back({source, why});
        return {};
    }
    const std::optional<SongFormat> format = SongFormatOfContent(file.read(16));
    if (!format) {
        leftOut.push_back({source, QStringLiteral("The file is not a song this program takes "
                                                  "(MP3, WAV or MIDI)")});
        return {};
    }
    return QStringLiteral("thesong") + SongExtension(*format);
}
} // namespace

QString PixPictureExtension(const QString& source, PictureFormat content) {
    if (!BrowsersShow(content))
        return QStringLiteral(".jpg");
    const QString own = FileExtension(source).toLower();
    return NamesFormat(own, content) ? own : FormatExtension(content);
}

std::optional<SongFormat> SongFormatOfContent(QByteArrayView head) {
    const auto at = [&](qsizetype i) { return i < head.size() ? quint8(head[i]) : 0; };
    if (head.startsWith("ID3"))
        return SongFormat::Mp3;
    // An MPEG audio frame: eleven set bits, a version and a layer that exist.
    if (at(0) == 0xFF && (at(1) & 0xE0) == 0xE0 && (at(1) & 0x18) != 0x08 && (at(1) & 0x06) != 0)
        return SongFormat::Mp3;
    if (head.startsWith("RIFF") && head.size() >= 12 && head.sliced(8, 4) == "WAVE")
        return SongFormat::Wav;
    if (head.startsWith("MThd"))
        return SongFormat::Midi;
    return std::nullopt;
}

QString SongExtension(SongFormat format) {
    switch (format) {
    case SongFormat::Mp3:
        return QStringLiteral(".mp3");
    case SongFormat::Wav:
        return QStringLiteral(".wav");
    case SongFormat::Midi:
        return QStringLiteral(".mid");
    }
    return {};
}

QList<LeftOutSource> SettlePixFiles(SlideShowProject& p) {
    QList<LeftOutSource> leftOut;
    PixFiles pix;
    pix.settled = true;
    const ShowSettings& s = p.settings;
    const int count = p.SlideCount();
    const BackgroundMode mode = BackgroundModeOf(s);
    for (int k = 1; k <= count; ++k) {
        const QString stem = QStringLiteral("pic") + IntText(k);
        const QString& source = p.slide(k).PicturePath;
        // A clip shows its poster wherever a picture shows.
        const bool clip = IsClipSource(source);
        pix.clips << (clip ? QStringLiteral("vid") + IntText(k) + QStringLiteral(".mp4")
                           : QString());
        pix.clipSounds << false;
        const QString name =
            clip ? stem + QStringLiteral(".jpg") : PictureCopyName(stem, source, leftOut);
        // The classic pages still name a picture left out.
        pix.pictures << (name.isEmpty() && !source.isEmpty() ? stem + QStringLiteral(".jpg")
                                                             : name);
        pix.backgrounds << (mode == BackgroundMode::PicturePerSlide
                                ? PictureCopyName(QStringLiteral("bkimg") + IntText(k),
                                                  p.slide(k).BkPicture, leftOut)
                                : QString());
    }
    if (mode == BackgroundMode::OnePicture)
        pix.sharedBackground =
            PictureCopyName(QStringLiteral("bgimg"), p.slot(0).BkPicture, leftOut);
    pix.song = SongCopyName(s.SongPath, leftOut);

    // The opening page's picture keeps its own base name where that is safe.
    QSet<QString> taken = WrittenNames();
    for (const QStringList* names : {&pix.pictures, &pix.backgrounds})
        for (const QString& n : *names)
            taken.insert(n);
    taken << pix.sharedBackground << pix.song;
    const QString opening = s.OpenPgBkPic;
    QString name = PictureCopyName(QString(), opening, leftOut);
    if (!name.isEmpty()) {
        const QString ext = name; // the extension alone, as the stem was empty
        QString base = GetJustFileName(opening).toLower();
        base.chop(FileExtension(opening).size());
        name = base + ext;
        for (int n = 1; base.isEmpty() || name.startsWith(u'.') || taken.contains(name); ++n) {
            base = n == 1 ? QStringLiteral("opening") : QStringLiteral("opening") + IntText(n);
            name = base + ext;
        }
    }
    pix.openingPicture = name;
    pix.fullSizes.resize(count);
    pix.thumbSizes.resize(count);
    pix.phoneSizes.resize(count);
    p.names.pix = pix;
    return leftOut;
}
