#pragma once

#include "ScriptedPrompter.h"
#include "compiler/CompileHost.h"
#include "compiler/OutputFolder.h"
#include "platform/LocalFileSystem.h"
#include "project/SlideShowProject.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace movefiles_test {

// A compile host for tests: names come from a queue (nullopt = Cancel), and
// the progress bar and pointer are recorded.
class RecordingHost : public CompileHost {
public:
    ScriptedPrompter ui;
    std::deque<std::optional<QString>> folderNames;
    int folderNameQuestions = 0;
    std::optional<int> progressMaximum;
    std::vector<int> progressValues;
    bool progressVisible = false;
    std::vector<bool> busyChanges;

    Prompter& prompter() override { return ui; }
    void AskPageName(SlideShowProject&) override { throw UnscriptedQuestion("page name"); }
    void GetFolderName(SlideShowProject& p) override {
        ++folderNameQuestions;
        if (folderNames.empty())
            throw UnscriptedQuestion("folder name");
        std::optional<QString> name = folderNames.front();
        folderNames.pop_front();
        p.names.ShowFolderName.clear();
        if (name)
            p.names.ShowFolderName = name->toLower();
        else
            p.flags.CompileCancelled = true;
    }
    void stopSongPreview() override {}
    void showProgress(int maximum) override {
        progressMaximum = maximum;
        progressVisible = true;
    }
    void setProgress(int value) override { progressValues.push_back(value); }
    void hideProgress() override { progressVisible = false; }
    void setBusy(bool busy) override { busyChanges.push_back(busy); }
    void openDocument(const QString&) override {}

    bool busy() const { return !busyChanges.empty() && busyChanges.back(); }
};

// The real file system, with chosen calls made to fail and drive types faked.
class RiggedFileSystem : public FileSystem {
public:
    LocalFileSystem real;
    std::map<QString, FsResult> failCreate; // by directory path
    std::map<QString, DriveType> drives;    // by chosen directory
    std::function<void(const QString& to)> beforeCopy;
    std::vector<QString> created;
    std::vector<std::pair<QString, QString>> copies;

    FsResult createDirectory(const QString& path) override {
        created.push_back(path);
        if (auto it = failCreate.find(path); it != failCreate.end())
            return it->second;
        return real.createDirectory(path);
    }
    FsResult copyFile(const QString& from, const QString& to) override {
        copies.emplace_back(from, to);
        if (beforeCopy)
            beforeCopy(to);
        return real.copyFile(from, to);
    }
    FsResult makeOwnerWritable(const QString& path) override {
        return real.makeOwnerWritable(path);
    }
    DriveType driveType(const QString& directory) override {
        auto it = drives.find(directory);
        return it == drives.end() ? DriveType::Fixed : it->second;
    }
    FsResult writeFile(const QString& path, const QByteArray& bytes) override {
        return real.writeFile(path, bytes);
    }
};

inline const QString kBrowsePrompt =
    QStringLiteral("Please select a Directory to store your folder.");
inline const QStringList kProgramFiles{"fraright.jpg", "fraleft.jpg", "catalog.jpg", "ssnobnoc.jpg",
                                       "ssbnoc.jpg",   "ssbc.jpg",    "photo.jar"};

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A temporary world: source pictures, a program folder with its assets and a
// directory that receives the show; a project of three JPEG slides on colour
// backgrounds without a song.
class MoveFilesTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString sources, program, target;
    RecordingHost host;
    RiggedFileSystem fs;
    SlideShowProject p;

    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        const QDir root(tmp.path());
        for (const char* d : {"sources", "program", "target"})
            ASSERT_TRUE(root.mkdir(QString::fromLatin1(d)));
        sources = tmp.filePath("sources") + '/';
        program = tmp.filePath("program");
        target = tmp.filePath("target");
        for (const QString& name : kProgramFiles)
            WriteBytes(program + '/' + name, "asset " + name.toLatin1());
        WriteBytes(program + "/wood.gif", "GIF89a wood");
        p.GrowSlots();
        p.settings = ShowSettings::FirstStart(program, QDir::homePath());
        for (const char* name : {"Beach.JPG", "hill.jpg", "sea.jpeg"})
            addSlide(QString::fromLatin1(name));
    }

    // Adds a slide whose picture is a new source file holding its own name.
    void addSlide(const QString& name) {
        const QString path = sources + name;
        if (!QFile::exists(path))
            WriteBytes(path, "picture " + name.toUtf8());
        p.AppendPicture(path);
    }
    QString source(const QString& name) const {
        WriteBytes(sources + name, "picture " + name.toUtf8());
        return sources + name;
    }
    // One compile's answers: a folder name and the directory.
    void answer(const QString& folderName, const QString& directory) {
        host.folderNames.push_back(folderName);
        host.ui.queueFolder(directory);
    }
    QString pix() const { return p.names.OutputFolder + "pix"; }
    // File names as standard strings, so a failed comparison prints them.
    std::set<std::string> pixFiles() const {
        std::set<std::string> out;
        for (const QString& n : QDir(pix()).entryList(QDir::Files | QDir::Hidden))
            out.insert(n.toStdString());
        return out;
    }
    // The given names and the program folder's view images and applet archive.
    static std::set<std::string> With(std::set<std::string> names) {
        for (const QString& n : kProgramFiles)
            names.insert(n.toStdString());
        return names;
    }
    std::vector<MessageBoxRequest> messages() const { return host.ui.messages(); }
    void run() { MoveFiles(p, host, fs, program); }
};

} // namespace movefiles_test
