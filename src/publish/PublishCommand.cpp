#include "publish/PublishCommand.h"

#include "compiler/HeadlessCompileHost.h"
#include "document/ShowFile.h"
#include "platform/FailureKeepingFileSystem.h"
#include "publish/PublishTexts.h"
#include "publish/Publisher.h"
#include "publish/StagingCompile.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

const char* const kPublishHelp =
    R"(Usage: pevrano-slideshow publish SHOW.json REMOTE:PATH [--address URL]

Compiles the slide show described in SHOW.json as "pevrano-slideshow compile"
does, into a staging folder in the user's cache, and sends it with rclone to
REMOTE:PATH/<show folder name>/. REMOTE is a remote of rclone's configuration
("rclone config" makes one; the window's Publish Show... can too).

Only files whose content changed since the last publish are sent; the record
of what was sent is kept there as publish.json. Files the show no longer has
are removed; files the record does not list are never removed or
overwritten: when one has the name of a file to send, nothing is sent.
Pictures and scripts are sent first, then the pages, the opening page and
index.html last.

  --address URL   the public address under which REMOTE:PATH is served
                  (default: "publish.address" of SHOW.json); the addresses of
                  the opening page and the player page are printed

Exit status:
  0  everything arrived
  1  the compile or the publish stopped (the message says why; a later
     publish finishes what was left)
  2  a wrong command line, or a show file that cannot be read or used
)";

namespace {
struct Arguments {
    QString show;
    QString remote;
    QString path;
    std::optional<QString> address;
};

std::optional<Arguments> Parse(const QStringList& list, QString& error) {
    Arguments a;
    QStringList plain;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i] == u"--address") {
            if (++i >= list.size()) {
                error = QStringLiteral("--address needs a URL");
                return std::nullopt;
            }
            a.address = list[i];
        } else if (list[i].startsWith(QLatin1String("--address="))) {
            a.address = list[i].mid(10);
        } else if (list[i].startsWith(QLatin1Char('-'))) {
            error = QStringLiteral("unknown option ") + list[i];
            return std::nullopt;
        } else
            plain << list[i];
    }
    const qsizetype colon = plain.value(1).indexOf(QLatin1Char(':'));
    if (plain.size() != 2 || colon <= 0 || plain[1].left(colon).contains(QLatin1Char('/'))) {
        error = QStringLiteral("publish takes a show file and REMOTE:PATH");
        return std::nullopt;
    }
    a.show = plain[0];
    a.remote = plain[1].left(colon);
    a.path = plain[1].mid(colon + 1);
    return a;
}

// Removes the staging folder however the command ends.
struct StagingFolder {
    QString path;
    ~StagingFolder() {
        if (!path.isEmpty())
            QDir(path).removeRecursively();
    }
};

int Publish(const Arguments& a, const StagedShow& staged, std::optional<QString> address,
            PublishContext& c) {
    Publisher publisher(c.rclone, {staged.folder, staged.openingPage, a.remote, a.path});
    QString step;
    QString shown; // the figures last printed
    QObject::connect(&publisher, &Publisher::stepChanged, [&](const QString& text) {
        if (c.terminal)
            c.err << "\r\x1b[K";
        c.err << text << (c.terminal ? "" : "\n");
        c.err.flush();
        step = text;
    });
    QObject::connect(&publisher, &Publisher::progress, [&](const PublishProgress& p) {
        if (p.totalFiles == 0)
            return;
        const QString text = ProgressText(p);
        if (text == shown)
            return;
        shown = text;
        if (c.terminal)
            c.err << "\r\x1b[K" << step << ' ' << text;
        else
            c.err << text << '\n';
        c.err.flush();
    });
    PublishResult result;
    QEventLoop loop;
    QObject::connect(&publisher, &Publisher::finished, &loop, [&](const PublishResult& r) {
        result = r;
        loop.quit();
    });
    publisher.start();
    loop.exec();
    if (c.terminal)
        c.err << '\n';
    if (result.end != PublishEnd::Published) {
        c.err << "error: " << result.message << '\n';
        if (!result.rcloneSaid.isEmpty())
            c.err << "rclone: " << result.rcloneSaid << '\n';
        return kNotPublished;
    }
    c.err << "Published to " << RemoteShowFolder({staged.folder, {}, a.remote, a.path}) << ": "
          << result.filesSent << " files sent (" << SizeText(result.bytesSent) << "), "
          << result.filesRemoved << " removed\n";
    const QString folderName = QFileInfo(staged.folder).fileName();
    const bool player =
        QFileInfo::exists(QDir(staged.folder).filePath(QStringLiteral("index.html")));
    if (address && !address->isEmpty()) {
        const auto addresses = AddressesOf(*address, folderName, staged.openingPage, player);
        if (!addresses)
            c.err << "warning: " << *address << " is not an http or https address\n";
        else {
            c.out << addresses->openingPage << '\n';
            if (!addresses->player.isEmpty())
                c.out << addresses->player << '\n';
        }
    }
    return kPublished;
}
} // namespace

int RunPublishCommand(const QStringList& arguments, PublishContext& c) {
    if (arguments.contains(u"--help") || arguments.contains(u"-h")) {
        c.out << kPublishHelp;
        return kPublished;
    }
    QString error;
    const auto a = Parse(arguments, error);
    if (!a) {
        c.err << "error: " << error << "; see \"pevrano-slideshow publish --help\"\n";
        return kPublishUsage;
    }
    const QString path = QDir(c.currentDirectory).absoluteFilePath(a->show);
    auto loaded = LoadShowFile(path, {c.programFolder, c.homeFolder, c.currentDirectory});
    if (const QString* bad = std::get_if<QString>(&loaded)) {
        c.err << "error: " << *bad << '\n';
        return kPublishUsage;
    }
    LoadedShow& show = std::get<LoadedShow>(loaded);
    for (const QString& w : show.warnings)
        c.err << "warning: " << w << '\n';

    StagingFolder staging{MakeStagingFolder(c.cacheFolder)};
    if (staging.path.isEmpty()) {
        c.err << "error: cannot make a staging folder in " << c.cacheFolder << '\n';
        return kNotPublished;
    }
    HeadlessCompileHost host(show.answers, c.now.date(), c.err);
    host.answerCompileQuestions();
    FailureKeepingFileSystem fs(c.fs);
    const std::optional<StagedShow> staged =
        CompileForPublish(show.project, host, fs, c.programFolder, c.now, staging.path).staged;
    QStringList missing = host.picturesLeftOut();
    for (const auto& f : fs.failures())
        if (f.operation == u"copy" || f.operation == u"write")
            missing << (f.source.isEmpty() ? f.path : f.source) + QStringLiteral(": ") +
                           f.result.reason;
    if (!staged || !missing.isEmpty()) {
        // A show with files missing is not sent over a complete one.
        c.err << "error: the show could not be compiled"
              << (host.stopReason().isEmpty() ? QString()
                                              : QStringLiteral(": ") + host.stopReason())
              << (missing.isEmpty() ? QString()
                                    : QStringLiteral(", files are missing: ") +
                                          missing.join(QStringLiteral(", ")))
              << "; nothing was sent\n";
        return kNotPublished;
    }
    const int status = Publish(
        *a, *staged, a->address ? a->address : std::optional(show.project.publish.address), c);
    c.out.flush();
    c.err.flush();
    return status;
}
