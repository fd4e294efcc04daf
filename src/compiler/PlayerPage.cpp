#include "compiler/PlayerPage.h"

#include "compiler/PageText.h"
#include "compiler/PixNames.h"
#include "compiler/ScriptParts.h"
#include "platform/FilePaths.h"
#include "project/ColorText.h"
#include "project/SlideShowProject.h"

#include <QFile>
#include <QSize>
#include <QUrl>

namespace {
QByteArray Resource(const char* name) {
    QFile f(QStringLiteral(":/player/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString HtmlColor(ColorValue c) {
    bool bgrOrder = false;
    return QLatin1Char('#') + ColorToHex(c, bgrOrder);
}

QString Number(int v) {
    return QString::number(v);
}

// One slide: [picture, width, height, caption, background, caption colour,
// caption background, background picture, thumbnail width, phone width],
// the field order the player reads.
QString SlideEntry(const SlideShowProject& p, int k) {
    const Slide& s = p.slide(k);
    const ShowSettings& settings = p.settings;
    // The upright sizes of what the compile wrote; a picture left out has none.
    const QSize full = p.names.pix.fullSizes.value(k - 1);
    const QSize thumb = p.names.pix.thumbSizes.value(k - 1);
    const QSize phone = p.names.pix.phoneSizes.value(k - 1);
    const BackgroundMode mode = BackgroundModeOf(settings);
    // A clip left out has no poster either.
    const QString clip = full.isValid() ? PixClipName(p, k) : QString();
    const QString back = StoredColorToHtml(
        mode == BackgroundMode::ColorPerSlide ? s.PicBackColor : p.slot(0).PicBackColor);
    const QString backPicture = mode == BackgroundMode::PicturePerSlide && !s.BkPicture.isEmpty()
                                    ? PixSlideBackgroundName(p, k)
                                    : QString();
    const QStringList fields{
        ScriptLiteral(full.isValid() ? PixPictureName(p, k) : QString()),
        Number(full.isValid() ? full.width() : 0), Number(full.isValid() ? full.height() : 0),
        ScriptLiteral(s.Caption), ScriptLiteral(back),
        ScriptLiteral(StoredColorToHtml(s.CapForeColor)),
        ScriptLiteral(StoredColorToHtml(s.CapBackColor)), ScriptLiteral(backPicture),
        Number(thumb.isValid() ? thumb.width() : 0), Number(phone.isValid() ? phone.width() : 0),
        // A clip: its name in pix (the fields above
        // describe its poster) and whether it has sound.
        ScriptLiteral(clip),
        Number(!clip.isEmpty() && p.names.pix.clipSounds.value(k - 1) ? 1 : 0)};
    return QLatin1Char('[') + fields.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString ShowData(const SlideShowProject& p) {
    const ShowSettings& s = p.settings;
    const QString song = PlayerPlaysSong(PixSongName(p)) ? PixSongName(p) : QString();
    const QString background =
        BackgroundModeOf(s) == BackgroundMode::OnePicture && !p.slot(0).BkPicture.isEmpty()
            ? PixSharedBackgroundName(p)
            : QString();
    QString out = QStringLiteral("var pevranoShow = {\"delay\":") + Number(s.NumSecDelay) +
                  QStringLiteral(",\"song\":") + ScriptLiteral(song) +
                  QStringLiteral(",\"font\":") + ScriptLiteral(s.FontInUse) +
                  QStringLiteral(",\"size\":") + ScriptLiteral(s.FontSizeInUse) +
                  QStringLiteral(",\"frame\":") + ScriptLiteral(HtmlColor(s.CaptionFrameColor)) +
                  QStringLiteral(",\"background\":") + ScriptLiteral(background) +
                  QStringLiteral(",\"slides\":[\n");
    for (int k = 1; k <= p.SlideCount(); ++k) {
        out += SlideEntry(p, k);
        out += k < p.SlideCount() ? QStringLiteral(",\n") : QStringLiteral("\n");
    }
    return out + QStringLiteral("]};\n");
}
} // namespace

QString ScriptLiteral(const QString& text) {
    QString out = QStringLiteral("\"");
    out.reserve(text.size() + 2);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'"')
            out += QLatin1Char('\\') + c;
        else if (u == u'\n')
            out += QLatin1String("\\n");
        else if (u < 0x20 || u >= 0x7F || u == u'<' || u == u'>' || u == u'&' || u == u'\'')
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

bool PlayerPlaysSong(const QString& songPath) {
    const QString ext = FileExtension(songPath).toLower();
    return ext == u".mp3" || ext == u".wav";
}

PlayerFiles PlayerPage(const SlideShowProject& p, const QString& pixFolder) {
    Q_UNUSED(pixFolder);
    const QString title = p.names.FirstPageName.toHtmlEscaped();
    const QString classic =
        QString::fromLatin1(QUrl::toPercentEncoding(p.names.FirstPageName + QStringLiteral(".htm")))
            .toHtmlEscaped();
    QString page = QString::fromUtf8(Resource("index.html"));
    page.replace(QStringLiteral("@TITLE@"), title);
    page.replace(QStringLiteral("@CLASSIC@"), classic);
    return {page.toUtf8(), ShowData(p).toUtf8() + Resource("player.js"), Resource("player.css")};
}
