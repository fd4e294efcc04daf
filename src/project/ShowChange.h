#pragma once

#include "project/SlideShowProject.h"

#include <vector>

// What one editing step did to a show: the slots it changed, the size of the
// table and the count and the show-wide values, each as it was before and
// after, and the slide it left current. Only what differs is kept, so a long history of
// small steps stays small. Values of the tool itself (the folders last used,
// tooltips, sound preview, colour tool choice, active colour) are no part of
// a show's change; neither are the hand-over flags. The answers a compile or
// a publish keeps with the show (the names, the title, the output folder,
// the publish target) are.
class ShowChange {
public:
    // The difference between two states of the same show.
    static ShowChange Between(const SlideShowProject& before, const SlideShowProject& after);

    // True when the show's content is the same both sides (the current
    // slide alone does not count).
    bool IsEmpty() const;
    // True when slots or the count changed, not only show-wide values.
    bool ChangesSlides() const { return !changedSlots.empty() || countBefore != countAfter; }
    // True when a show-wide value differs.
    bool ChangesSettings() const { return settingsBefore != settingsAfter; }
    // True when the answers kept with the show differ.
    bool ChangesAnswers() const { return answersBefore != answersAfter; }
    // True when any changed slot differs in the given field.
    bool ChangesSlideField(QString Slide::*field) const;
    bool ChangesFont() const;

    // Puts the show back as it was before, or forward as it was after.
    void Undo(SlideShowProject& project) const { Apply(project, false); }
    void Redo(SlideShowProject& project) const { Apply(project, true); }

    // This change followed by `next` as one change.
    ShowChange Then(const ShowChange& next) const;

    // The first slide the change touched that exists once it is undone
    // (redone); 0 when it touched none of them. The current slide after the
    // change.
    int FirstChangedSlide(bool redone) const;
    qint16 CurrentAfter() const { return currentAfter; }

    // What a compile or a publish keeps with the show.
    struct KeptAnswers {
        QString FirstPageName;
        QString ShowFolderName;
        QString OutputFolder;
        QString TitleMessage;
        PublishTarget publish;
        friend bool operator==(const KeptAnswers&, const KeptAnswers&) = default;

        // The answers `show` holds now.
        static KeptAnswers Of(const SlideShowProject& show);
        // Puts these answers into `show`, leaving the rest of it as it is.
        void PutInto(SlideShowProject& show) const;
    };

private:
    struct SlotChange {
        int index = 0;
        Slide before;
        Slide after;
    };
    void Apply(SlideShowProject& project, bool forward) const;

    std::vector<SlotChange> changedSlots; // in index order
    qint16 capacityBefore = 0, capacityAfter = 0;
    qint16 countBefore = 0, countAfter = 0;
    qint16 currentAfter = 1;
    ShowSettings settingsBefore, settingsAfter;
    KeptAnswers answersBefore, answersAfter;
};
