#pragma once

// Whether Qt's image readers of this system read pictures of the format Qt
// names `format` ("webp", "tiff", "heic"). The windows read every picture
// through the picture engine; only the compile still asks this.
bool ReadsPictureFormat(const char* format);
