#pragma once

#include "pictures/PictureEngine.h"
#include "pictures/VipsImageRef.h"

#include <optional>

// The engine's own steps of IdentifyPicture, shared with the decoder so a
// file is opened and checked once.

// Opens `path` when it is a regular file of at most kMaxPictureFileBytes.
std::optional<PictureFile> OpenPictureFile(const QString& path, QString* why);
// What the open file's header says, within its format's limits.
std::optional<PictureInfo> IdentifyOpen(const PictureFile& file, QString* why);
