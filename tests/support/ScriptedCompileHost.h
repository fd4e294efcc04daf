#pragma once

#include "ScriptedPrompter.h"
#include "compiler/CompileHost.h"
#include "project/SlideShowProject.h"

#include <QStringList>
#include <deque>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

// A compile host for tests: the name prompts take queued names (nullopt is
// the confirmed Cancel), and everything the run does to the window is logged.
class ScriptedCompileHost : public CompileHost {
public:
    ScriptedPrompter ui;
    std::deque<std::optional<QString>> pageNames;
    std::deque<std::optional<QString>> folderNames;
    QStringList events;

    Prompter& prompter() override { return ui; }
    void AskPageName(SlideShowProject& p) override {
        events << "page prompt";
        answer(pageNames, p.names.FirstPageName, p);
    }
    void GetFolderName(SlideShowProject& p) override {
        events << "folder prompt";
        answer(folderNames, p.names.ShowFolderName, p);
    }
    void stopSongPreview() override { events << "stop song"; }
    void showProgress(int maximum) override {
        events << QStringLiteral("progress 0..%1").arg(maximum);
    }
    void setProgress(int value) override { progress.push_back(value); }
    void hideProgress() override { events << "progress hidden"; }
    void setBusy(bool busy) override { events << (busy ? "busy" : "not busy"); }
    void openDocument(const QString& path) override { events << "open " + path; }
    void setClipProgress(int value, double seconds, double) override {
        clipProgress.push_back({value, seconds});
    }
    bool cancelRequested() override {
        return cancelAfterClipReports && clipProgress.size() >= *cancelAfterClipReports;
    }

    std::vector<int> progress;
    std::vector<std::pair<int, double>> clipProgress;  // the step, and the seconds encoded
    std::optional<std::size_t> cancelAfterClipReports; // Cancel pressed after this many

private:
    static void answer(std::deque<std::optional<QString>>& queue, QString& name,
                       SlideShowProject& p) {
        if (queue.empty())
            throw UnscriptedQuestion("no scripted name");
        std::optional<QString> given = queue.front();
        queue.pop_front();
        if (given)
            name = given->toLower();
        else
            p.flags.CompileCancelled = true;
    }
};
