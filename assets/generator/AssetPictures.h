#pragma once

#include <QImage>
#include <QString>
#include <vector>

// The pictures installed beside the program, drawn from code so every build
// makes the same files: sketches of the six slide show views, the default
// slide background (a cloudy sky), and the opening-page tiles (wood grain and
// a film strip).

struct AssetPicture {
    QString fileName; // "ssbc.jpg" ...; the extension says how it is saved
    QImage image;
};

QImage ViewSketch(const QString& viewFileName);
QImage CloudySky();
QImage WoodGrainTile();
QImage FilmStripTile();

// The program's icon, `size` pixels square with a transparent corner: a
// slide with a photo and its caption over the tool's slide colour.
QImage AppIcon(int size);

// Every picture, in a fixed order.
std::vector<AssetPicture> AllAssetPictures();
