#include "project/DefaultCaptionFont.h"

CaptionFont DefaultCaptionFont() {
    return {QStringLiteral("Times New Roman"), QStringLiteral("16")};
}
