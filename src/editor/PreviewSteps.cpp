#include "editor/PreviewSteps.h"

#include <algorithm>

PreviewStep StepFrom(StepButton button, int current, int count, int skip) {
    switch (button) {
    case StepButton::Forward:
        if (current == count)
            return {PreviewStep::AtEnd};
        if (current + 1 <= count)
            return {PreviewStep::Show, current + 1};
        return {PreviewStep::Settle, count};
    case StepButton::FastForward:
        if (current == count)
            return {PreviewStep::AtEnd};
        return {PreviewStep::Show, std::min(current + skip, count)};
    case StepButton::Rewind:
        if (current == 1)
            return {PreviewStep::AtBeginning};
        return {PreviewStep::Show, std::max(current - skip, 1)};
    case StepButton::Back:
        if (current == 1)
            return {PreviewStep::AtBeginning};
        if (current - 1 < 1)
            return {PreviewStep::Settle, 1};
        return {PreviewStep::Show, current - 1};
    }
    return {PreviewStep::Settle, current};
}

AutoRunState::Tick AutoRunState::TickFrom(int current, int count) {
    const int shown = current < 1 || current > count ? 1 : current;
    return {shown, shown >= count ? 1 : shown + 1};
}
