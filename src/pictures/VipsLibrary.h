#pragma once

// libvips, started once for the whole process on first use and shut down at
// exit. Only the loaders of the formats the program reads are let in: every
// other loader (PDF, SVG, ImageMagick and the rest, which a received file
// could otherwise reach) is blocked, as is everything libvips marks
// untrusted. Its operation cache is off: pictures are decoded once.
// Whether libvips could be started.
bool VipsReady();
