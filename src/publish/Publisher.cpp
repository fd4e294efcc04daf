#include "publish/Publisher.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// rclone's exit status for a folder that does not exist (a first publish).
constexpr int kDirectoryNotFound = 3;
// A record of a thousand slides with their sizes takes well under a
// megabyte; a larger one was not written by this tool and is not read.
constexpr qint64 kMaxRecordBytes = 16LL << 20;

QString Joined(const QString& a, const QString& b) {
    if (a.isEmpty())
        return b;
    return a.endsWith(QLatin1Char('/')) ? a + b : a + QLatin1Char('/') + b;
}

QByteArray Lines(const QStringList& paths) {
    return paths.join(QLatin1Char('\n')).toUtf8() + '\n';
}

const QString kPartly =
    QStringLiteral("The remote holds part of the show; publish again to finish it.");
} // namespace

QString RemoteShowFolder(const PublishRequest& request) {
    const QString name = QFileInfo(QDir::cleanPath(request.showFolder)).fileName();
    return request.remote + QLatin1Char(':') + Joined(request.path, name);
}

Publisher::Publisher(RcloneProgram program, PublishRequest request, QObject* parent)
    : QObject(parent), program(std::move(program)), request(std::move(request)) {}

void Publisher::start() {
    clock.start();
    remoteFolder = RemoteShowFolder(request);
    QString error;
    auto scanned = ScanFolder(request.showFolder, &error);
    if (!scanned) {
        finish(PublishEnd::Failed, QStringLiteral("The compiled show cannot be read: ") + error);
        return;
    }
    local = std::move(*scanned);
    run(QStringLiteral("Looking at %1...").arg(remoteFolder),
        {QStringLiteral("lsjson"), QStringLiteral("-R"), QStringLiteral("--files-only"),
         QStringLiteral("--no-mimetype"), QStringLiteral("--no-modtime"), remoteFolder},
        &Publisher::listed);
}

void Publisher::cancel() {
    stopped = true;
    if (call)
        call->cancel();
}

void Publisher::run(const QString& text, const QStringList& arguments, Next next,
                    const QByteArray& input) {
    if (stopped) {
        finish(PublishEnd::Cancelled);
        return;
    }
    stepText = text;
    emit stepChanged(text);
    if (call)
        call->deleteLater();
    call = new RcloneCall(program, this);
    connect(call, &RcloneCall::stats, this, &Publisher::stats);
    connect(call, &RcloneCall::finished, this,
            [this, next](const RcloneResult& r) { (this->*next)(r); });
    call->start(arguments, input);
}

bool Publisher::failed(const RcloneResult& r) {
    if (r.ok())
        return false;
    finish(r.cancelled || stopped ? PublishEnd::Cancelled : PublishEnd::Failed, {}, &r);
    return true;
}

void Publisher::listed(const RcloneResult& r) {
    const bool firstTime = r.started && !r.cancelled && r.exitCode == kDirectoryNotFound &&
                           r.error.contains(QLatin1String("directory not found"));
    if (!firstTime && failed(r))
        return;
    remoteFiles.clear();
    bool hasRecord = false;
    if (!firstTime)
        for (const QJsonValue& v : QJsonDocument::fromJson(r.output).array()) {
            const QString path = v.toObject().value(u"Path").toString();
            remoteFiles << path;
            hasRecord = hasRecord || (path == kRecordName &&
                                      v.toObject().value(u"Size").toInteger() <= kMaxRecordBytes);
        }
    if (!hasRecord) {
        record.reset();
        recordRead(RcloneResult{});
        return;
    }
    run(QStringLiteral("Reading what was published before..."),
        {QStringLiteral("cat"), QStringLiteral("--count"), QString::number(kMaxRecordBytes + 1),
         Joined(remoteFolder, kRecordName)},
        &Publisher::recordRead);
}

void Publisher::recordRead(const RcloneResult& r) {
    if (failed(r))
        return;
    // A record that cannot be read (or grew past its bound since it was
    // listed) leaves every file there someone else's.
    if (!r.output.isEmpty() && r.output.size() <= kMaxRecordBytes)
        record = ReadRecord(r.output);
    plan = MakePublishPlan(local, record, remoteFiles, request.openingPage);
    if (!plan.clashes.isEmpty()) {
        result.clashes = plan.clashes;
        finish(PublishEnd::Clash,
               QStringLiteral("%1 already holds files that were not published from here, with "
                              "the names of files of this show:\n%2\nNothing was sent. Choose "
                              "another path, or remove those files from the remote.")
                   .arg(remoteFolder, plan.clashes.join(QLatin1Char('\n'))));
        return;
    }
    shown.totalFiles = plan.filesToSend();
    shown.totalBytes = plan.bytesToSend;
    emit progress(shown);
    if (plan.filesToSend() == 0 && plan.removals.isEmpty() && record == plan.finished) {
        finish(PublishEnd::Published);
        return;
    }
    batches.clear();
    for (const QStringList* batch : {&plan.assets, &plan.pages, &plan.openingPages})
        if (!batch->isEmpty())
            batches << *batch;
    if (record == plan.claim) {
        claimed(RcloneResult{});
        return;
    }
    changing = true;
    run(QStringLiteral("Preparing %1...").arg(remoteFolder),
        {QStringLiteral("rcat"), Joined(remoteFolder, kRecordName)}, &Publisher::claimed,
        RecordJson(plan.claim));
}

void Publisher::claimed(const RcloneResult& r) {
    if (failed(r))
        return;
    changing = true;
    sendNext(RcloneResult{});
}

void Publisher::sendNext(const RcloneResult& r) {
    if (failed(r))
        return;
    // The batch that ended arrived whole.
    shown.files = result.filesSent += batchFiles;
    shown.bytes = result.bytesSent += batchBytes;
    batchFiles = 0;
    batchBytes = 0;
    emit progress(shown);
    if (batches.isEmpty()) {
        if (plan.removals.isEmpty()) {
            removed(RcloneResult{});
            return;
        }
        run(QStringLiteral("Removing what the show no longer has..."),
            {QStringLiteral("delete"), remoteFolder, QStringLiteral("--files-from-raw"),
             QStringLiteral("-")},
            &Publisher::removed, Lines(plan.removals));
        return;
    }
    const QStringList batch = batches.takeFirst();
    batchFiles = static_cast<int>(batch.size());
    for (const QString& path : batch)
        batchBytes += local.value(path).size;
    const bool openingPages = batches.isEmpty() && batch == plan.openingPages;
    const bool pages = !openingPages && batch == plan.pages;
    run(openingPages ? QStringLiteral("Sending the opening page...")
        : pages      ? QStringLiteral("Sending the pages...")
                     : QStringLiteral("Sending the pictures and scripts..."),
        {QStringLiteral("copy"), request.showFolder, remoteFolder,
         QStringLiteral("--files-from-raw"), QStringLiteral("-"), QStringLiteral("--no-check-dest"),
         QStringLiteral("--use-json-log"), QStringLiteral("--stats"), QStringLiteral("1s"),
         QStringLiteral("-v")},
        &Publisher::sendNext, Lines(batch));
}

void Publisher::removed(const RcloneResult& r) {
    if (failed(r))
        return;
    result.filesRemoved = static_cast<int>(plan.removals.size());
    run(QStringLiteral("Writing the record..."),
        {QStringLiteral("rcat"), Joined(remoteFolder, kRecordName)}, &Publisher::recorded,
        RecordJson(plan.finished));
}

void Publisher::recorded(const RcloneResult& r) {
    if (failed(r))
        return;
    finish(PublishEnd::Published);
}

void Publisher::stats(const TransferStats& s) {
    PublishProgress now = shown;
    now.files = shown.files + qMin(s.transfers, batchFiles);
    now.bytes = shown.bytes + qMin(s.bytes, batchBytes);
    now.speed = s.speed;
    if (s.speed > 0)
        now.secondsLeft = static_cast<qint64>((now.totalBytes - now.bytes) / s.speed);
    emit progress(now);
}

void Publisher::finish(PublishEnd end, const QString& message, const RcloneResult* r) {
    result.end = end;
    result.message = message;
    // Something may have changed on the remote once the claim went out.
    const bool begun = changing;
    if (end == PublishEnd::Cancelled)
        result.message = begun ? QStringLiteral("The publish was cancelled. ") + kPartly
                               : QStringLiteral("The publish was cancelled; nothing was sent.");
    else if (r) {
        const RcloneTrouble trouble =
            r->started ? ClassifyRcloneError(r->error) : RcloneTrouble::Missing;
        result.rcloneSaid = r->error;
        result.message = TroubleText(trouble, request.remote);
        if (begun && trouble != RcloneTrouble::Missing)
            result.message += QLatin1Char(' ') + kPartly;
    }
    if (call)
        call->deleteLater();
    emit finished(result);
}
