#include "captionstyle/DefaultCaptionFont.h"

#include "captionstyle/CaptionFontLists.h"

CaptionFont DefaultCaptionFont() {
    return RecommendedPair(RecommendedFonts().at(kRecommendedDefault));
}
