#pragma once

#include "publish/PublishRecord.h"

#include <QStringList>
#include <optional>

// What a publish does, decided before anything is sent.
struct PublishPlan {
    // Files to send, in the order of sending: pictures, scripts and every
    // other asset first; then the pages in pix; then the opening page and
    // index.html, so a viewer never opens a page whose pictures are missing.
    QStringList assets;
    QStringList pages;
    QStringList openingPages;
    // Files the last publish sent that the show no longer has.
    QStringList removals;
    // Files on the remote that the record does not list (someone else's)
    // and that have the name of a file to send. Non-empty: nothing is sent.
    QStringList clashes;
    qint64 bytesToSend = 0;
    // Written before anything is sent: the old record with every file about
    // to be sent claimed unconfirmed, so a publish that stops half way leaves
    // files the next one knows as its own.
    PublishRecord claim;
    // Written at the very end: the show as it now stands on the remote.
    PublishRecord finished;

    int filesToSend() const {
        return static_cast<int>(assets.size() + pages.size() + openingPages.size());
    }
};

// `local`: the compiled show; `record`: the remote's record (nullopt: none,
// a first publish); `remoteFiles`: every file now in the remote show folder;
// `openingPage`: the opening page's file name. Files whose size and SHA-256
// match the record and that are still on the remote are not sent.
PublishPlan MakePublishPlan(const PublishRecord& local, const std::optional<PublishRecord>& record,
                            const QStringList& remoteFiles, const QString& openingPage);
