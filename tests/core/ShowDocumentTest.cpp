// The document: every change a named step, merging, the modified state and
// the signals that follow them.
#include "document/ShowDocument.h"

#include <QList>
#include <gtest/gtest.h>

namespace {
// The change of slide 1's caption from what the document holds to `caption`.
ShowChange CaptionChange(const ShowDocument& doc, const QString& caption) {
    SlideShowProject after = doc.show();
    after.slide(1).Caption = caption;
    return ShowChange::Between(doc.show(), after);
}

struct Document : ::testing::Test {
    Document() {
        SlideShowProject& show = doc.workingShow();
        show.GrowSlots();
        show.AppendPicture(QStringLiteral("/p/1.jpg"));
        show.slide(1).Caption = QStringLiteral("start");
        doc.Restart();
        QObject::connect(&doc, &ShowDocument::changed, [this] { ++changed; });
        QObject::connect(&doc, &ShowDocument::modifiedChanged,
                         [this](bool now) { modified << now; });
        QObject::connect(&doc, &ShowDocument::stepped, [this](int slide) { stepped << slide; });
    }
    void Type(const QString& caption, quint64 key) {
        doc.Apply(
            {QStringLiteral("Caption"), CaptionChange(doc, caption), key != 0 ? 3 : -1, key, true});
    }
    ShowDocument doc;
    int changed = 0;
    QList<bool> modified;
    QList<int> stepped;
};
} // namespace

TEST_F(Document, EditsOfOneValueMergeAndComingBackDropsTheStep) {
    struct Case {
        const char* name;
        QStringList captions;
        QList<quint64> keys;
        int steps;
        bool modified;
    };
    const Case cases[] = {
        {"one visit", {"a", "ab", "abc"}, {7, 7, 7}, 1, true},
        {"two visits", {"a", "ab"}, {7, 8}, 2, true},
        {"no merging", {"a", "b"}, {0, 0}, 2, true},
        {"typed and taken back", {"a", "start"}, {7, 7}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.workingShow().slide(1).Caption = QStringLiteral("start");
        doc.Restart();
        changed = 0;
        for (int i = 0; i < c.captions.size(); ++i)
            Type(c.captions[i], c.keys[i]);
        EXPECT_EQ(doc.undoStack().count(), c.steps);
        EXPECT_EQ(doc.IsModified(), c.modified);
        EXPECT_EQ(doc.show().slide(1).Caption, c.captions.back());
        EXPECT_EQ(changed, c.captions.size());
    }
}

TEST_F(Document, UndoRedoSaveAndRestartSayWhatTheyDid) {
    Type(QStringLiteral("new"), 0);
    EXPECT_EQ(modified, QList<bool>{true});
    doc.undoStack().undo();
    EXPECT_EQ(doc.show().slide(1).Caption, "start");
    EXPECT_EQ(stepped, QList<int>{1}); // the slide it changed
    EXPECT_FALSE(doc.IsModified());
    doc.undoStack().redo();
    EXPECT_EQ(doc.show().slide(1).Caption, "new");
    doc.MarkSaved();
    EXPECT_FALSE(doc.IsModified());
    // A change nobody can see is no step and says nothing.
    changed = 0;
    doc.Apply({QStringLiteral("Caption"), CaptionChange(doc, QStringLiteral("new")), -1, 0, true});
    EXPECT_EQ(changed, 0);
    // A restored show is unsaved until saved; a fresh one is not.
    doc.Restart(true);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.undoStack().count(), 0);
    doc.Restart();
    EXPECT_FALSE(doc.IsModified());
}

// A window's change made on a copy of the show: one step named for its
// kind, at once in the show and told with the change; nothing when it
// changed nothing; the changes made under one merge key are one step.
TEST_F(Document, ChangesMadeOnACopyAreNamedStepsOfTheirKind) {
    QList<int> appliedSlots;
    QObject::connect(&doc, &ShowDocument::applied, [&](const ShowChange& change) {
        appliedSlots << change.FirstChangedSlide(true);
    });
    doc.Change(EditKind::SwapPictures,
               [](SlideShowProject& show) { show.slide(1).Caption = QStringLiteral("swapped"); });
    EXPECT_EQ(doc.show().slide(1).Caption, "swapped");
    EXPECT_EQ(doc.undoStack().undoText(), "Swap Pictures");
    EXPECT_EQ(appliedSlots, QList<int>{1});
    EXPECT_TRUE(doc.IsModified());

    doc.Change(EditKind::CaptionFont, [](SlideShowProject&) {});
    EXPECT_EQ(doc.undoStack().count(), 1);

    const quint64 key = doc.NewMergeKey();
    EXPECT_NE(doc.NewMergeKey(), key);
    for (const char* font : {"A", "Ab", "Abc"})
        doc.Change(
            EditKind::CaptionFont,
            [font](SlideShowProject& show) { show.settings.FontInUse = QString::fromLatin1(font); },
            key);
    EXPECT_EQ(doc.undoStack().count(), 2);
    EXPECT_EQ(doc.undoStack().undoText(), "Caption Font");
    doc.undoStack().undo();
    EXPECT_TRUE(doc.show().settings.FontInUse.isEmpty());
    EXPECT_EQ(doc.show().slide(1).Caption, "swapped");
    EXPECT_EQ(changed, 5);
}
