#include "project/SlideShowProject.h"

#include "compiler/PageText.h"
#include "platform/Prompter.h"

void ShowFileFullMessage(Prompter& ui) {
    ui.inform(QStringLiteral("End of the line. You have alot of Pictures\r\n"
                             "Compile this and you'll have to make another file.\r\n\r\n"
                             "Press the 'Make HTML File' Button to finish!"),
              QStringLiteral("File is full!"));
}

void SlideShowProject::GrowSlots(Prompter& ui) {
    const qint16 n = count;
    if (n == kMaxSlides) {
        ShowFileFullMessage(ui);
        return;
    }
    if (n % kBlockSize != 0 || n < 0 || n > kMaxSlides - kBlockSize || capacity != n)
        return;
    capacity = static_cast<qint16>(n + kBlockSize);
    table.resize(static_cast<std::size_t>(capacity) + 1);
    InitSlots(n == 0 ? 0 : n + 1);
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

void SlideShowProject::AppendPicture(const QString& path, Prompter& ui) {
    slot(count).PicturePath = path;
    count = static_cast<qint16>(count + 1);
    current = count;
    GrowSlots(ui);
    Slide& next = slot(count);
    if (next.BkPicture.isEmpty())
        next.BkPicture = settings.NewBkPicture;
}

void SlideShowProject::StoreCaption(const QString& caption, ColorValue backColor,
                                    ColorValue foreColor) {
    Slide& s = slot(current == 0 ? 0 : current - 1);
    s.Caption = caption;
    s.CapBackColor = StoredColorText(backColor);
    s.CapForeColor = StoredColorText(foreColor);
}

void SlideShowProject::Clear(Prompter& ui) {
    count = 0;
    capacity = 0;
    table.assign(static_cast<std::size_t>(kBlockSize) + 1, Slide{});
    current = 1;
    GrowSlots(ui);
}
