#pragma once

#include <QWidget>

class ColorSwatch;
class PictureView;

// The slide preview: the background picture at the bottom, the background
// colour swatch over it (shown in colour mode only, so it hides the picture),
// and the slide picture on top, centred with a border of background around it.
// All three fill the stage and grow with it. Clicks on the border around the
// slide picture reach the colour swatch below; clicks on the picture do not.
class PreviewStage : public QWidget {
    Q_OBJECT
public:
    explicit PreviewStage(QWidget* parent = nullptr);

    // The border of background kept around the slide picture.
    static constexpr int kPictureMargin = 14;

    PictureView* picture() const { return image1; }
    PictureView* background() const { return imageBk; }
    ColorSwatch* colorSwatch() const { return newBkGnd; }

    QSize sizeHint() const override { return {480, 330}; }
    QSize minimumSizeHint() const override { return {200, 140}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PictureView* imageBk;
    ColorSwatch* newBkGnd;
    PictureView* image1;
};
