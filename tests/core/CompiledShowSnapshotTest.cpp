// Every show of tests/data/shows compiled by the headless command and compared
// file by file with its reviewed snapshot in tests/data/snapshots/<show>/: the
// pages and allcode.js byte for byte, the copies by the source they came from
// (files.txt), and what the command printed (console.txt). The command runs
// with a fixed clock, so every page says it was created on 3/5/2024 2:07:09 PM,
// and the temporary folder reads <work> in console.txt.
//
// After a deliberate change to the generated files, rewrite the snapshots with
//   UPDATE_SNAPSHOTS=1 ctest -R CompiledShow
// and review the diff before committing it.
#include "TestFiles.h"
#include "compiler/CompileCommand.h"
#include "document/ShowFile.h"
#include "platform/LocalFileSystem.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {
using Files = std::map<QString, QByteArray>; // relative path -> bytes

const QStringList kProgramFiles{"ssbc.jpg",    "ssbnoc.jpg",  "ssnobnoc.jpg",
                                "catalog.jpg", "fraleft.jpg", "fraright.jpg",
                                "photo.jar",   "wood.gif",    "clouds.jpg"};

// A source file: a real picture or song of the kind its name says (the
// compile takes them by content), ending in a line with its name, so a copy
// tells where it came from. Other files are that line alone.
QByteArray Source(const QString& name) {
    const QByteArray tag = name.toUtf8();
    const QString ext = QFileInfo(name).suffix().toLower();
    if (ext == u"mp3")
        return "ID3\x03" + QByteArray(6, '\0') + '\n' + tag + '\n';
    if (ext == u"wav")
        return QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) + '\n' + tag + '\n';
    if (ext == u"mid")
        return "MThd\n" + tag + '\n';
    if (QStringList{"jpg", "jpeg", "gif", "bmp", "png"}.contains(ext))
        return TinyPicture('.' + ext, tag);
    return tag + '\n';
}

bool IsPage(const QString& path) {
    return path.endsWith(u".htm") || path.endsWith(u".js");
}

Files ReadTree(const QString& root) {
    Files out;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            out[QDir(root).relativeFilePath(f.fileName())] = f.readAll();
    }
    return out;
}

// Compiles the show in a fresh folder. Its sources and the program folder's
// files hold their own names, so a copy tells where it came from.
Files CompileShow(const QString& showFile) {
    QTemporaryDir work;
    const QString program = work.filePath("program");
    for (const QString& name : kProgramFiles)
        WriteFile(program + '/' + name, Source("program/" + name));
    QDir(work.path()).mkdir("out");
    const QString show = work.filePath("show.json");
    QFile::copy(showFile, show);
    const auto loaded = LoadShowFile(show, {program, work.path(), work.path()});
    if (const QString* bad = std::get_if<QString>(&loaded)) {
        ADD_FAILURE() << bad->toStdString();
        return {};
    }
    const SlideShowProject& p = std::get<LoadedShow>(loaded).project;
    QStringList sources{p.settings.SongPath, p.settings.OpenPgBkPic};
    for (int k = 1; k <= p.SlideCount(); ++k)
        sources << p.slide(k).PicturePath << p.slide(k).BkPicture;
    for (const QString& s : sources)
        if (s.startsWith(work.filePath("media/")) && !QFile::exists(s))
            WriteFile(s, Source(QDir(work.path()).relativeFilePath(s)));

    LocalFileSystem fs;
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    CommandContext c{fs, program, work.path(), work.path(), {{2024, 3, 5}, {14, 7, 9}}, out, err};
    const int status = RunCommandLine({"pevrano-slideshow", "compile", show}, c);

    Files files;
    QByteArray listing;
    for (auto& [path, bytes] : ReadTree(work.filePath("out"))) {
        listing +=
            path.toUtf8() +
            (IsPage(path) ? "\n" : " <- " + bytes.split('\n').value(bytes.count('\n') - 1) + '\n');
        if (IsPage(path))
            files[path] = bytes;
    }
    files["files.txt"] = listing;
    files["console.txt"] = QStringLiteral("exit status %1\n--- standard output\n%2"
                                          "--- standard error\n%3")
                               .arg(status)
                               .arg(outText, errText)
                               .replace(work.path(), "<work>")
                               .toUtf8();
    return files;
}

// Names the first line where two texts part.
std::string FirstDifference(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n'), e = expected.split('\n');
    const auto shown = [](const QByteArray& line) { return line.chopped(line.endsWith('\r')); };
    qsizetype i = 0;
    while (i < a.size() && i < e.size() && a[i] == e[i])
        ++i;
    return "line " + std::to_string(i + 1) + "\n  actual:   " + shown(a.value(i)).toStdString() +
           "\n  expected: " + shown(e.value(i)).toStdString();
}
} // namespace

TEST(CompiledShow, EveryShowMatchesItsReviewedSnapshot) {
    const QString data = qEnvironmentVariable("PEVRANO_SOURCE_DIR") + "/tests/data";
    const QStringList shows = QDir(data + "/shows").entryList({"*.json"}, QDir::Files);
    ASSERT_GE(shows.size(), 4) << "no shows in " << data.toStdString();
    const bool update = qEnvironmentVariableIsSet("UPDATE_SNAPSHOTS");
    for (const QString& name : shows) {
        SCOPED_TRACE(name.toStdString());
        const Files actual = CompileShow(data + "/shows/" + name);
        const QString snapshot = data + "/snapshots/" + QFileInfo(name).completeBaseName();
        if (update) {
            QDir(snapshot).removeRecursively();
            for (const auto& [path, bytes] : actual)
                WriteFile(snapshot + '/' + path, bytes);
            continue;
        }
        const Files expected = ReadTree(snapshot);
        for (const auto& [path, bytes] : actual) {
            const auto it = expected.find(path);
            if (it == expected.end())
                ADD_FAILURE() << path.toStdString() << " is not in the snapshot";
            else if (it->second != bytes)
                ADD_FAILURE() << path.toStdString() << " differs at "
                              << FirstDifference(bytes, it->second);
        }
        for (const auto& [path, bytes] : expected)
            EXPECT_TRUE(actual.count(path)) << path.toStdString() << " was not written";
    }
}
