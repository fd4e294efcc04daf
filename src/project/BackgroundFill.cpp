#include "project/BackgroundFill.h"

#include "project/ColorText.h"
#include "project/SlideShowProject.h"

void FillBackgrounds(SlideShowProject& project, qint16 start, FillProgress* progress) {
    const ShowSettings& s = project.settings;
    const int last = project.SlideCapacity();
    const int first = qMax<int>(start, 0);
    const bool pictureFill = s.optIntBkImgOptionForm == 0 && !s.UseColTrueUsePicFalse;
    const bool colorFill = s.SameBkColorEverySlide && s.UseColTrueUsePicFalse;
    if (!pictureFill && !colorFill)
        return;

    QString colorText;
    if (colorFill) {
        project.flags.HexInBgrOrder = true;
        colorText =
            QStringLiteral("&H") + ColorToHex(s.NewSlideBackColor, project.flags.HexInBgrOrder);
    }
    if (progress != nullptr)
        progress->begin(first, last);
    for (int i = first; i <= last; ++i) {
        Slide& slot = project.slot(i);
        if (pictureFill)
            slot.BkPicture = s.NewBkPicture;
        else
            slot.PicBackColor = colorText;
        if (progress != nullptr)
            progress->step(i);
    }
    if (progress != nullptr)
        progress->end();
}
