#pragma once

#include <QString>

class SlideShowProject;

QString CatalogPage(const SlideShowProject& p); // "catalog.htm"

struct FramePageTexts {
    QString left;  // "frmleft.htm": thumbnails on the left
    QString right; // "frmright.htm": thumbnails on the right
};
FramePageTexts FramePages(const SlideShowProject& p);
QString ThumbPage(const SlideShowProject& p); // "thumbpic.htm"
