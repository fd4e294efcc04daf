#pragma once

#include "compiler/PictureFitter.h"

#include <QStringList>
#include <functional>

// Makes the copies `request` asks for of every one of `sources` on worker
// threads and hands each result to `done` on the calling thread, in the order
// of `sources` (empty sources get an empty result without a worker). Only a
// few pictures are in flight at a time, so memory stays low however long the
// list.
void CopiesInOrder(const PictureFitter& fitter, const QStringList& sources,
                   const PictureRequest& request,
                   const std::function<void(int index, const PictureCopies&)>& done);
