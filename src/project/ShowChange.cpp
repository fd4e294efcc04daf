#include "project/ShowChange.h"

#include <algorithm>
#include <map>

namespace {
// The title is one of the kept answers, compared with them.
ShowSettings ShowPart(ShowSettings s) {
    s.TitleMessage.clear();
    return s;
}

const Slide& SlotOf(const SlideShowProject& p, int index) {
    static const Slide none;
    return index <= p.SlideCapacity() ? p.slot(index) : none;
}
} // namespace

ShowChange::KeptAnswers ShowChange::KeptAnswers::Of(const SlideShowProject& show) {
    return {show.names.FirstPageName, show.names.ShowFolderName, show.names.OutputFolder,
            show.settings.TitleMessage, show.publish};
}

void ShowChange::KeptAnswers::PutInto(SlideShowProject& show) const {
    show.names.FirstPageName = FirstPageName;
    show.names.ShowFolderName = ShowFolderName;
    show.names.OutputFolder = OutputFolder;
    show.settings.TitleMessage = TitleMessage;
    show.publish = publish;
}

ShowChange ShowChange::Between(const SlideShowProject& before, const SlideShowProject& after) {
    ShowChange c;
    c.capacityBefore = before.SlideCapacity();
    c.capacityAfter = after.SlideCapacity();
    c.countBefore = before.SlideCount();
    c.countAfter = after.SlideCount();
    c.currentAfter = after.CurrentSlide();
    c.settingsBefore = ShowPart(before.settings);
    c.settingsAfter = ShowPart(after.settings);
    c.answersBefore = KeptAnswers::Of(before);
    c.answersAfter = KeptAnswers::Of(after);
    const int last = std::max(c.capacityBefore, c.capacityAfter);
    for (int i = 0; i <= last; ++i) {
        const Slide& a = SlotOf(before, i);
        const Slide& b = SlotOf(after, i);
        if (a != b)
            c.changedSlots.push_back({i, a, b});
    }
    return c;
}

bool ShowChange::IsEmpty() const {
    return changedSlots.empty() && capacityBefore == capacityAfter && countBefore == countAfter &&
           settingsBefore == settingsAfter && answersBefore == answersAfter;
}

bool ShowChange::ChangesSlideField(QString Slide::*field) const {
    return std::any_of(changedSlots.begin(), changedSlots.end(),
                       [field](const SlotChange& s) { return s.before.*field != s.after.*field; });
}

bool ShowChange::ChangesFont() const {
    return settingsBefore.FontInUse != settingsAfter.FontInUse ||
           settingsBefore.FontSizeInUse != settingsAfter.FontSizeInUse;
}

void ShowChange::Apply(SlideShowProject& project, bool forward) const {
    project.ResizeTable(forward ? capacityAfter : capacityBefore);
    for (const SlotChange& s : changedSlots)
        if (s.index <= project.SlideCapacity())
            project.slot(s.index) = forward ? s.after : s.before;
    project.setSlideCount(forward ? countAfter : countBefore);
    project.settings = forward ? settingsAfter : settingsBefore;
    (forward ? answersAfter : answersBefore).PutInto(project);
}

ShowChange ShowChange::Then(const ShowChange& next) const {
    ShowChange c = next;
    c.capacityBefore = capacityBefore;
    c.countBefore = countBefore;
    c.settingsBefore = settingsBefore;
    c.answersBefore = answersBefore;
    // Per slot: the earliest "before" and the latest "after".
    std::map<int, SlotChange> merged;
    for (const SlotChange& s : changedSlots)
        merged[s.index] = s;
    for (const SlotChange& s : next.changedSlots) {
        auto [at, fresh] = merged.try_emplace(s.index, s);
        if (!fresh)
            at->second.after = s.after;
    }
    c.changedSlots.clear();
    for (auto& [index, s] : merged)
        if (s.before != s.after)
            c.changedSlots.push_back(std::move(s));
    return c;
}

int ShowChange::FirstChangedSlide(bool redone) const {
    const int count = redone ? countAfter : countBefore;
    for (const SlotChange& s : changedSlots)
        if (s.index < count)
            return s.index + 1;
    return 0;
}
