#pragma once

#include "document/ShowEdit.h"

#include <QtGlobal>

// The kinds of change the Edit menu takes back, each with its own name there
// ("Undo Caption"), whichever window made it.
enum class EditKind {
    AddPictures,
    ReplacePicture,
    DeletePicture,
    Caption,
    CaptionColors,
    SlideBackground,
    ShowColors,
    Song,
    CaptionFont,
    Delay,
    Options,
    // The names, title, output folder and publish target a compile or a
    // publish keeps with the show.
    KeptAnswers,
    // Two pictures the sorter exchanged.
    SwapPictures,
};

// `change` as an edit of `kind`, named as the Edit menu names it. Consecutive
// edits of one kind with the same non-zero `mergeKey` are one step.
ShowEdit MakeEdit(EditKind kind, ShowChange change, quint64 mergeKey = 0);
