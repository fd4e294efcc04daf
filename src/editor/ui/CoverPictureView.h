#pragma once

#include "editor/ui/PictureView.h"

// A picture view that fills its box, as a Designer file constructs it: with
// its parent only.
class CoverPictureView : public PictureView {
public:
    explicit CoverPictureView(QWidget* parent = nullptr) : PictureView(Fit::Cover, parent) {}
};
