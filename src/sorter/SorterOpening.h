#pragma once

#include "platform/Prompter.h"

#include <QtGlobal>

// The sort command's opening step: refuses below two slides, otherwise warns
// how long building the thumbnails takes (one second per picture, as the
// sorter was first written) and asks whether to go on.

struct SorterEstimate {
    int minutes = 0;
    int seconds = 0;
};

// Exactly 60 pictures give 0 minutes and 60 seconds.
SorterEstimate EstimateSorterTime(qint16 count);

MessageBoxRequest TooFewPicturesMessage(qint16 count);
MessageBoxRequest SorterEstimateQuestion(qint16 count);

enum class SorterOpening { Refused, Declined, Confirmed };

// Shows the refusal or asks the estimate question.
SorterOpening AskToOpenSorter(qint16 count, Prompter& ui);
