#include "video/ClipTools.h"

#include <QProcess>
#include <QStandardPaths>

std::optional<ClipTools> FindClipTools(QString* why) {
    ClipTools tools{QStandardPaths::findExecutable(QStringLiteral("ffmpeg")),
                    QStandardPaths::findExecutable(QStringLiteral("ffprobe"))};
    if (tools.ffmpeg.isEmpty() || tools.ffprobe.isEmpty()) {
        if (why)
            *why = MissingClipToolsText();
        return std::nullopt;
    }
    return tools;
}

QString MissingClipToolsText() {
    return QStringLiteral("Video clips need ffmpeg and ffprobe (Debian package ffmpeg), "
                          "which are not installed.");
}

ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs) {
    ToolRun run;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted()) {
        run.err = process.errorString().toUtf8();
        return run;
    }
    run.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        run.timedOut = true;
        process.kill();
        process.waitForFinished();
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    if (!run.timedOut && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    return run;
}

QString ToolMessage(const QByteArray& err) {
    constexpr qsizetype kMaxChars = 600;
    QString text;
    for (const QChar c : QString::fromUtf8(err).trimmed())
        text += (c == u'\n' || (!c.isNonCharacter() && c.isPrint())) ? c : QChar(u' ');
    // The last lines say what went wrong; the first ones are often warnings.
    if (text.size() > kMaxChars)
        text = QStringLiteral("…") + text.right(kMaxChars);
    return text;
}
