#pragma once

#include "publish/PublishPlan.h"
#include "publish/RcloneCall.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

// Where a compiled show folder goes: `remote`:`path`/<show folder name>/.
struct PublishRequest {
    QString showFolder;  // the compiled show, on disk
    QString openingPage; // its opening page's file name ("trip.htm")
    QString remote;      // without the colon
    QString path;        // may be empty: the remote's top
};

// The remote show folder as rclone names it.
QString RemoteShowFolder(const PublishRequest& request);

struct PublishProgress {
    int files = 0;
    int totalFiles = 0;
    qint64 bytes = 0;
    qint64 totalBytes = 0;
    double speed = 0; // bytes a second
    std::optional<qint64> secondsLeft;
};

enum class PublishEnd { Published, Cancelled, Clash, Failed };

struct PublishResult {
    PublishEnd end = PublishEnd::Failed;
    QString message;     // in plain words; empty when published
    QString rcloneSaid;  // rclone's own message, as plain text
    QStringList clashes; // files on the remote that are not this tool's
    int filesSent = 0;
    int filesRemoved = 0;
    qint64 bytesSent = 0;
};

// Sends a compiled show folder to a remote with rclone, only what changed
// since the last publish (by the record kept in the remote show folder),
// pictures and scripts before pages, the opening pages last and the record at
// the very end. Files on the remote that the record does not list are never
// removed or overwritten. Runs on the event loop; cancel() stops it.
class Publisher : public QObject {
    Q_OBJECT
public:
    Publisher(RcloneProgram program, PublishRequest request, QObject* parent = nullptr);

    void start();
    void cancel();

    // The text of what the publish is doing now ("Sending pictures...").
    const QString& step() const { return stepText; }

signals:
    void stepChanged(const QString& text);
    void progress(const PublishProgress& progress);
    void finished(const PublishResult& result);

private:
    using Next = void (Publisher::*)(const RcloneResult&);
    void run(const QString& text, const QStringList& arguments, Next next,
             const QByteArray& input = {});
    void listed(const RcloneResult& r);
    void recordRead(const RcloneResult& r);
    void claimed(const RcloneResult& r);
    void sendNext(const RcloneResult& r);
    void removed(const RcloneResult& r);
    void recorded(const RcloneResult& r);
    void stats(const TransferStats& s);
    // Stops with `end`; a failed rclone run gives the plain words.
    void finish(PublishEnd end, const QString& message = {}, const RcloneResult* r = nullptr);
    bool failed(const RcloneResult& r);

    RcloneProgram program;
    PublishRequest request;
    QString remoteFolder;
    PublishRecord local;
    std::optional<PublishRecord> record;
    QStringList remoteFiles;
    PublishPlan plan;
    QList<QStringList> batches; // what is still to send, in order
    QPointer<RcloneCall> call;
    PublishResult result;
    PublishProgress shown;
    int batchFiles = 0;
    qint64 batchBytes = 0;
    bool stopped = false;
    bool changing = false; // the remote may differ from its record now
    QString stepText;
    QElapsedTimer clock;
};
