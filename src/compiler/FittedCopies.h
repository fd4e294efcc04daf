#pragma once

#include "compiler/PictureFitter.h"

#include <QStringList>
#include <functional>

// Fits `sources` to `box` on worker threads and hands each result to `done`
// on the calling thread, in the order of `sources` (empty sources get an
// Unchanged result without a worker). Only a few pictures are in flight at a
// time, so memory stays low however long the list.
void FitInOrder(const PictureFitter& fitter, const QStringList& sources, QSize box,
                const std::function<void(int index, const FittedPicture&)>& done);
