#pragma once

#include "project/ShowChange.h"

#include <QString>
#include <QtGlobal>

// One named change of a show: what it changed, the name the Edit menu gives
// it ("Undo Caption") and how it joins the step before it.
struct ShowEdit {
    QString text;
    ShowChange change;
    // Edits of one value made one after the other (each notch of the delay
    // scroll bar, each key typed into one slide's caption) are one step: two
    // edits join when both have the same merge id (not -1) and the same key.
    int mergeId = -1;
    quint64 mergeKey = 0;
    // Undone or redone, a slide's edit brings its slide into view; a
    // show-wide one leaves the preview where it is.
    bool showsItsSlide = true;
};
