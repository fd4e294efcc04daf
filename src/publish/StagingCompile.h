#pragma once

#include "compiler/CompileDriver.h"
#include "compiler/CompileHost.h"
#include "platform/Prompter.h"

#include <QDateTime>
#include <QString>
#include <optional>

class FileSystem;
class SlideShowProject;

// The compiled show a publish sends.
struct StagedShow {
    QString folder;      // the show folder in the staging area
    QString openingPage; // the opening page's file name
};

// A compile host that puts the show into `directory` (a staging folder) and
// asks everything else of the host it wraps, as Make HTML File asks it: the
// names, the title message, the confirmations. The boxes that name the folder
// it was put in and the offer to view it are not shown: that folder is the
// tool's own.
class StagingCompileHost : public CompileHost, private Prompter {
public:
    StagingCompileHost(CompileHost& inner, QString directory);

    Prompter& prompter() override { return *this; }
    void AskPageName(SlideShowProject& p) override { inner.AskPageName(p); }
    void GetFolderName(SlideShowProject& p) override { inner.GetFolderName(p); }
    void stopSongPreview() override { inner.stopSongPreview(); }
    void showProgress(int maximum) override { inner.showProgress(maximum); }
    void setProgress(int value) override { inner.setProgress(value); }
    void hideProgress() override { inner.hideProgress(); }
    void setBusy(bool busy) override { inner.setBusy(busy); }
    void openDocument(const QString&) override {}

private:
    MsgResult messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> inputBox(const InputBoxRequest& r) override;
    QStringList openFiles(const FileDialogRequest& r) override;
    QString saveFile(const FileDialogRequest& r) override;
    QString browseForFolder(const QString& prompt) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

    CompileHost& inner;
    Prompter& ui;
    QString directory;
};

// A fresh, empty staging folder below the user's cache folder
// (`cacheFolder`/publish/), or "" when none can be made. Folders left there
// more than a day ago by a publish that was killed are removed.
QString MakeStagingFolder(const QString& cacheFolder);

// What compiling for a publish ended with: the compile's result (the answers
// with the show's own OutputFolder, not the staging folder) and, when it
// finished, the compiled show.
struct StagingResult {
    CompileResult compile;
    std::optional<StagedShow> staged;
};

// Compiles the show into `staging` through the compile driver; the show is
// read only.
StagingResult CompileForPublish(const SlideShowProject& show, CompileHost& host, FileSystem& fs,
                                const QString& programFolder, const QDateTime& now,
                                const QString& staging);
