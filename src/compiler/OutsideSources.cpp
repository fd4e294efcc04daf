#include "compiler/OutsideSources.h"

#include "compiler/ScriptParts.h"
#include "document/ShowFile.h"
#include "platform/FilePaths.h"
#include "project/SlideShowProject.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <vector>

namespace {
// Where a path really leads, links followed; a file that is not there is
// taken as written.
QString RealPath(const QString& path) {
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : real;
}

bool IsInside(const QString& path, const QString& folder) {
    return path.startsWith(WithTrailingSeparator(folder));
}
} // namespace

QStringList OutsideSources(const SlideShowProject& p, const QString& showFolder,
                           const QString& programFolder) {
    struct Source {
        QString path;
        QString role;
    };
    std::vector<Source> sources;
    for (int k = 1; k <= p.SlideCount(); ++k)
        sources.push_back({p.slide(k).PicturePath, QStringLiteral("slide %1's picture").arg(k)});
    switch (BackgroundModeOf(p.settings)) {
    case BackgroundMode::PicturePerSlide:
        for (int k = 1; k <= p.SlideCount(); ++k)
            sources.push_back(
                {p.slide(k).BkPicture, QStringLiteral("slide %1's background picture").arg(k)});
        break;
    case BackgroundMode::OnePicture:
        sources.push_back({p.slot(0).BkPicture, QStringLiteral("the background picture")});
        break;
    default:
        break;
    }
    sources.push_back({p.settings.SongPath, QStringLiteral("the song")});
    sources.push_back({p.settings.OpenPgBkPic, QStringLiteral("the opening page's picture")});

    const QString folder = RealPath(showFolder);
    const QString program = RealPath(programFolder);
    QStringList lines;
    QSet<QString> listed;
    for (const Source& s : sources) {
        if (s.path.isEmpty())
            continue;
        const QString real = RealPath(s.path);
        const bool programPicture =
            IsInside(real, program) && IsProgramPicture(QFileInfo(real).fileName());
        if (IsInside(real, folder) || programPicture || listed.contains(real))
            continue;
        listed.insert(real);
        lines << s.role + QLatin1Char(' ') + QDir::toNativeSeparators(s.path) +
                     (real == QDir::cleanPath(s.path) ? QString()
                                                      : QStringLiteral(" (") + real + u')');
    }
    return lines;
}
