#include "document/ShowFile.h"

#include "platform/RegularFile.h"
#include "project/ColorText.h"
#include "project/CompileChoices.h"
#include "project/FileNameText.h"
#include "project/ShowLimits.h"
#include "project/ShowValues.h"
#include "project/ToolPreferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace {
// The first thing wrong with the file; caught by ParseShow.
struct BadShow {
    QString message;
};

// Columns count characters, as an editor shows them: the bytes that continue
// a UTF-8 character add nothing.
QString LineAndColumn(const QByteArray& json, qsizetype offset) {
    qsizetype line = 1;
    qsizetype column = 1;
    for (qsizetype i = 0; i < offset && i < json.size(); ++i) {
        const auto byte = static_cast<unsigned char>(json[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++column;
        }
    }
    return QStringLiteral("%1:%2").arg(line).arg(column);
}

class Reader {
public:
    Reader(const QString& showFolder, const QString& programFolder, QStringList& warnings)
        : showFolder(showFolder), programFolder(programFolder), warnings(warnings) {}

    QString text(const QJsonValue& v, const QString& key) const {
        if (!v.isString())
            throw BadShow{key + QStringLiteral(": expected a text")};
        return v.toString();
    }

    // A number or a text, kept as text (the font size is typed text).
    QString textOrNumber(const QJsonValue& v, const QString& key) const {
        if (v.isDouble())
            return QString::number(v.toDouble());
        return text(v, key);
    }

    qint16 number(const QJsonValue& v, const QString& key, int low, int high) const {
        const double d = v.toDouble(NAN);
        if (!v.isDouble() || d != std::floor(d) || d < low || d > high)
            throw BadShow{
                key + QStringLiteral(": expected a whole number from %1 to %2").arg(low).arg(high)};
        return static_cast<qint16>(d);
    }

    bool boolean(const QJsonValue& v, const QString& key) const {
        if (!v.isBool())
            throw BadShow{key + QStringLiteral(": expected true or false")};
        return v.toBool();
    }

    // Colour text "&H" + six hexadecimal digits, blue-green-red; kept in the
    // upper case the tool writes.
    ColorValue color(const QJsonValue& v, const QString& key) const {
        static const QRegularExpression form(QStringLiteral("^&[Hh][0-9A-Fa-f]{6}$"));
        const QString t = v.isString() ? v.toString() : QString();
        if (!form.match(t).hasMatch())
            throw BadShow{key + QStringLiteral(": expected a colour such as \"&HC100FF\"")};
        return StoredColorValue(t);
    }

    // A relative path starts in the show file's folder; the program's own
    // pictures are found in this install's program folder. A path is taken as
    // written when that file exists (a "\\" is a letter of a Linux file
    // name); only otherwise "\\" separates folders too. An empty path stays
    // empty.
    QString path(const QJsonValue& v, const QString& key) const {
        QString p = text(v, key);
        if (p.isEmpty())
            return p;
        if (p.startsWith(kProgramFolderMark) && IsProgramPicture(p.mid(kProgramFolderMark.size())))
            return QDir::toNativeSeparators(
                QDir(programFolder).filePath(p.mid(kProgramFolderMark.size())));
        const QString asWritten = QDir::cleanPath(QDir(showFolder).absoluteFilePath(p));
        if (!p.contains(QLatin1Char('\\')) || QFileInfo::exists(asWritten))
            return QDir::toNativeSeparators(asWritten);
        p.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QDir::toNativeSeparators(QDir::cleanPath(QDir(showFolder).absoluteFilePath(p)));
    }

    QJsonObject object(const QJsonValue& v, const QString& key) const {
        if (!v.isObject())
            throw BadShow{key + QStringLiteral(": expected an object")};
        return v.toObject();
    }

    // Kept and written back when the show is saved, but not used here.
    void unknown(const QString& key) { warnings << key + QStringLiteral(": unknown key, kept"); }

private:
    QString showFolder;
    QString programFolder;
    QStringList& warnings;
};

// One show value from its key's JSON value.
void ReadShowValue(const ShowValue& value, const QJsonValue& v, const QString& key, ShowSettings& s,
                   const Reader& r) {
    switch (value.kind) {
    case ShowValueKind::Text:
        s.*std::get<QString ShowSettings::*>(value.field) = r.text(v, key);
        break;
    case ShowValueKind::TextOrNumber:
        s.*std::get<QString ShowSettings::*>(value.field) = r.textOrNumber(v, key);
        break;
    case ShowValueKind::Path:
        s.*std::get<QString ShowSettings::*>(value.field) = r.path(v, key);
        break;
    case ShowValueKind::Number:
        s.*std::get<qint16 ShowSettings::*>(value.field) = r.number(v, key, value.low, value.high);
        break;
    case ShowValueKind::OnOff:
        s.*std::get<qint16 ShowSettings::*>(value.field) =
            v.isBool() ? qint16(v.toBool() ? 1 : 0) : r.number(v, key, value.low, value.high);
        break;
    case ShowValueKind::Boolean:
        s.*std::get<bool ShowSettings::*>(value.field) = r.boolean(v, key);
        break;
    case ShowValueKind::Color:
        s.*std::get<ColorValue ShowSettings::*>(value.field) = r.color(v, key);
        break;
    }
}

const ShowValue* FindShowValue(QStringView name) {
    for (const ShowValue& value : kShowValues)
        if (name == QLatin1String(value.name))
            return &value;
    return nullptr;
}

void ReadSettings(const QJsonObject& o, ShowSettings& s, QJsonObject& others, Reader& r) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString& k = it.key();
        const QJsonValue v = it.value();
        const QString key = QStringLiteral("settings.") + k;
        if (const ShowValue* value = FindShowValue(k))
            ReadShowValue(*value, v, key, s, r);
        else if (IsToolPreferenceName(k))
            continue; // the tool's own, never taken from a show
        else if (const CompileChoice* choice = FindCompileChoice(k)) {
            if (const auto* flag = std::get_if<bool ShowSettings::*>(&choice->field))
                s.** flag = r.boolean(v, key);
            else
                s.*std::get<qint16 ShowSettings::*>(choice->field) =
                    r.number(v, key, choice->low, choice->high);
        } else if (k == u"ButtonColors") {
            const QJsonArray a = v.toArray();
            if (!v.isArray() || a.size() != 5)
                throw BadShow{key + QStringLiteral(": expected a list of 5 colours")};
            for (int i = 0; i < 5; ++i)
                s.ButtonColors[i] = r.color(a[i], key + QStringLiteral("[%1]").arg(i));
        } else {
            others.insert(k, v);
            r.unknown(key);
        }
    }
}

void ReadSlide(const QJsonObject& o, int k, SlideShowProject& p, Reader& r) {
    const QString at = QStringLiteral("slides[%1]").arg(k - 1);
    if (!o.contains(u"PicturePath"))
        throw BadShow{at + QStringLiteral(": PicturePath is missing")};
    const QString picture = r.path(o.value(u"PicturePath"), at + QStringLiteral(".PicturePath"));
    if (picture.isEmpty())
        throw BadShow{at + QStringLiteral(".PicturePath: expected a picture file")};
    p.AppendPicture(picture);
    Slide& s = p.slide(k);
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString& f = it.key();
        const QString key = at + QLatin1Char('.') + f;
        if (f == u"PicturePath")
            continue;
        if (f == u"Caption")
            s.Caption = r.text(it.value(), key);
        else if (f == u"PicBackColor")
            s.PicBackColor = StoredColorText(r.color(it.value(), key));
        else if (f == u"CapBackColor")
            s.CapBackColor = StoredColorText(r.color(it.value(), key));
        else if (f == u"CapForeColor")
            s.CapForeColor = StoredColorText(r.color(it.value(), key));
        else if (f == u"BkPicture")
            s.BkPicture = r.path(it.value(), key);
        else {
            s.OtherKeys.insert(f, it.value());
            r.unknown(key);
        }
    }
}

// A name as the prompt would keep it once typed.
QString TypedName(const QJsonValue& v, const QString& key, Reader& r) {
    return FilterNameText(r.text(v, key)).toLower();
}

void ReadCompile(const QJsonObject& o, CompileAnswers& a, QJsonObject& others, Reader& r) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString& k = it.key();
        const QString key = QStringLiteral("compile.") + k;
        if (k == u"FirstPageName")
            a.FirstPageName = TypedName(it.value(), key, r);
        else if (k == u"ShowFolderName")
            a.ShowFolderName = TypedName(it.value(), key, r);
        else if (k == u"TitleMessage")
            a.TitleMessage = r.text(it.value(), key);
        else if (k == u"Directory") {
            // An empty directory is the current one, as a missing one is.
            const QString directory = r.path(it.value(), key);
            if (!directory.isEmpty())
                a.Directory = directory;
        } else {
            others.insert(k, it.value());
            r.unknown(key);
        }
    }
}

// Where the show was last published: its remote, path and public address.
void ReadPublish(const QJsonObject& o, PublishTarget& t, QJsonObject& others, Reader& r) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString& k = it.key();
        const QString key = QStringLiteral("publish.") + k;
        if (k == u"remote")
            t.remote = r.text(it.value(), key);
        else if (k == u"path")
            t.path = r.text(it.value(), key);
        else if (k == u"address")
            t.address = r.text(it.value(), key);
        else {
            others.insert(k, it.value());
            r.unknown(key);
        }
    }
}

LoadedShow Read(const QJsonObject& top, const QString& showFolder, const ShowFileContext& where) {
    LoadedShow show;
    Reader r(showFolder, where.programFolder, show.warnings);
    SlideShowProject& p = show.project;
    ShowSettings& s = p.settings;
    s = ShowSettings::FirstStart(where.programFolder);
    // A first start takes its caption font from the caption style window's
    // recommended default pair.
    const CaptionFont font = DefaultCaptionFont();
    s.FontInUse = font.name;
    s.FontSizeInUse = font.size;
    show.answers.Directory = QDir::toNativeSeparators(where.currentDirectory);

    for (auto it = top.begin(); it != top.end(); ++it) {
        const QString& k = it.key();
        if (k == u"settings")
            ReadSettings(r.object(it.value(), k), s, show.kept.settings, r);
        else if (k == u"format") {
            show.kept.format = r.number(it.value(), k, 1, 32767);
            if (show.kept.format > kShowFileFormat)
                show.warnings << QStringLiteral(
                    "format: written by a newer version; keys it added are kept, not used");
        } else if (k == u"compile")
            ReadCompile(r.object(it.value(), k), show.answers, show.kept.compile, r);
        else if (k == u"publish")
            ReadPublish(r.object(it.value(), k), p.publish, show.kept.publish, r);
        else if (k != u"slides") {
            show.kept.top.insert(k, it.value());
            r.unknown(k);
        }
    }

    // Fresh slots take the settings' colours and background picture.
    p.Clear();
    const QJsonValue slides = top.value(u"slides");
    if (slides.isUndefined())
        return show;
    if (!slides.isArray())
        throw BadShow{QStringLiteral("slides: expected a list of slides")};
    const QJsonArray list = slides.toArray();
    if (list.size() > SlideShowProject::kMaxSlides)
        throw BadShow{QStringLiteral("slides: %1 slides; a show holds at most %2")
                          .arg(list.size())
                          .arg(SlideShowProject::kMaxSlides)};
    for (int i = 0; i < list.size(); ++i)
        ReadSlide(r.object(list[i], QStringLiteral("slides[%1]").arg(i)), i + 1, p, r);
    return show;
}
} // namespace

bool IsProgramPicture(const QString& fileName) {
    return fileName == u"wood.gif" || fileName == u"clouds.jpg" || fileName == u"film.gif";
}

std::variant<LoadedShow, QString> ParseShow(const QByteArray& json, const QString& showFolder,
                                            const QString& fileLabel,
                                            const ShowFileContext& where) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return fileLabel + QLatin1Char(':') + LineAndColumn(json, error.offset) +
               QStringLiteral(": ") + error.errorString();
    if (!doc.isObject())
        return fileLabel + QStringLiteral(": expected an object with \"slides\"");
    return ReadShow(doc.object(), showFolder, fileLabel, where);
}

std::variant<LoadedShow, QString> ReadShow(const QJsonObject& top, const QString& showFolder,
                                           const QString& fileLabel, const ShowFileContext& where) {
    try {
        return Read(top, showFolder, where);
    } catch (const BadShow& bad) {
        return fileLabel + QStringLiteral(": ") + bad.message;
    }
}

std::variant<LoadedShow, QString> LoadShowFile(const QString& path, const ShowFileContext& where) {
    // Opening a FIFO would wait for a writer; a folder has no text.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return path + QStringLiteral(": cannot read the show file: not a regular file");
    // The size is checked before anything is read.
    QString error;
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxShowFileBytes, &error);
    if (!bytes) {
        if (IsRegularFile(path) && QFileInfo(path).size() > kMaxShowFileBytes)
            return path + QStringLiteral(": cannot read the show file: it is larger than %1 MB")
                              .arg(kMaxShowFileBytes / (1024 * 1024));
        return path + QStringLiteral(": cannot read the show file: ") + error;
    }
    const QString folder = QFileInfo(path).absolutePath();
    return ParseShow(*bytes, folder, path, where);
}
