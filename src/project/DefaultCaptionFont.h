#pragma once

#include <QString>

// The caption font a first start takes when no font is stored, and the show
// file reader's font when a show names none: the caption style preview's
// recommended default pair ("Times New Roman 16pt"), whose lists check that
// they still hold it.
struct CaptionFont {
    QString name;
    QString size;
};

CaptionFont DefaultCaptionFont();
