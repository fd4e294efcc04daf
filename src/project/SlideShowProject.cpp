#include "project/SlideShowProject.h"

#include "project/ColorText.h"

#include <utility>

GrowOutcome SlideShowProject::GrowSlots() {
    const qint16 n = count;
    if (n == kMaxSlides)
        return GrowOutcome::Full;
    if (n % kBlockSize != 0 || n < 0 || n > kMaxSlides - kBlockSize || capacity != n)
        return GrowOutcome::Unchanged;
    capacity = static_cast<qint16>(n + kBlockSize);
    table.resize(static_cast<std::size_t>(capacity) + 1);
    InitSlots(n == 0 ? 0 : n + 1);
    return GrowOutcome::Grown;
}

void SlideShowProject::InitSlots(int first) {
    const QString capBack = StoredColorText(settings.CaptionBackColor);
    const QString capFore = StoredColorText(settings.CaptionForeColor);
    const QString picBack = StoredColorText(settings.NewSlideBackColor);
    for (int i = first; i <= capacity; ++i) {
        Slide& s = slot(i);
        s.Caption = kFreshCaption;
        s.PicBackColor = picBack;
        s.CapBackColor = capBack;
        s.CapForeColor = capFore;
        s.BkPicture = settings.NewBkPicture;
    }
}

GrowOutcome SlideShowProject::AppendPicture(const QString& path) {
    slot(count).PicturePath = path;
    count = static_cast<qint16>(count + 1);
    current = count;
    const GrowOutcome grown = GrowSlots();
    Slide& next = slot(count);
    if (next.BkPicture.isEmpty())
        next.BkPicture = settings.NewBkPicture;
    return grown;
}

void SlideShowProject::StoreCaption(const QString& caption, ColorValue backColor,
                                    ColorValue foreColor) {
    Slide& s = slot(current == 0 ? 0 : current - 1);
    s.Caption = caption;
    s.CapBackColor = StoredColorText(backColor);
    s.CapForeColor = StoredColorText(foreColor);
}

void SlideShowProject::DeleteCurrentSlide() {
    const int at = current;
    if (at != 0) {
        for (int i = at - 1; i <= count - 1; ++i) {
            Slide& here = slot(i);
            Slide& next = slot(i + 1);
            here.Caption = std::exchange(next.Caption, {});
            here.PicturePath = std::exchange(next.PicturePath, {});
            here.BkPicture = std::exchange(next.BkPicture, {});
            here.OtherKeys = std::exchange(next.OtherKeys, {});
        }
    } else {
        Slide& first = slot(0);
        first.Caption.clear();
        first.PicturePath.clear();
        first.BkPicture.clear();
        first.OtherKeys = {};
    }
    current = static_cast<qint16>(qMax(1, at - 1));
    if (count > 0)
        count = static_cast<qint16>(count - 1);
}

GrowOutcome SlideShowProject::Clear() {
    count = 0;
    capacity = 0;
    table.assign(static_cast<std::size_t>(kBlockSize) + 1, Slide{});
    current = 1;
    return GrowSlots();
}

void SlideShowProject::ResizeTable(qint16 newCapacity) {
    capacity = qMax<qint16>(0, newCapacity);
    table.resize(static_cast<std::size_t>(capacity) + 1);
    count = qMin(count, capacity);
}
