#pragma once

#include "editor/SlideColors.h"
#include "editor/SlideColorsView.h"

#include <QObject>

class MainWindow;
class PreviewNavigation;
class SlideEditing;

// The main window's colour and background controls: connects them to the
// colour commands and lets those commands reach the window. The palette is
// read from the user colour file of the program folder when the window is
// built; the window's activation applies what other windows left pending.
class ColorWorkbench : public QObject, private SlideColorsView {
    Q_OBJECT
public:
    ColorWorkbench(MainWindow& form, PreviewNavigation& navigation, SlideEditing& editing);

    SlideColors& commands() { return colors; }
    void windowActivated() { colors.windowActivated(); }

private:
    void connectControls();

    void refreshSwatches() override;
    void setCaptionBoxForeColor(ColorValue color) override;
    void setCaptionBoxBackColor(ColorValue color) override;
    void setSlideBackColor(ColorValue color) override;
    void setSlideBackColorVisible(bool visible) override;
    void showBackgroundPicture(const QString& path) override;
    int backgroundOption() const override;
    void selectBackgroundOption(int index) override;
    void fillBackgrounds() override;
    void addBackgroundPicture() override;
    void applyCaptionFont() override;

    MainWindow& form;
    PreviewNavigation& navigation;
    SlideEditing& editing;
    SlideColors colors;
};
