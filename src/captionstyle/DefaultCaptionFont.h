#pragma once

#include <QString>

// The caption font a first start takes when no font is stored: the caption
// style preview's recommended default pair.
struct CaptionFont {
    QString name;
    QString size;
};

CaptionFont DefaultCaptionFont();
