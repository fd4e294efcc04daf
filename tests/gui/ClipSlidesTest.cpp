// Video clips as slides in the main window: added by content through the
// dialogs and drops, shown as their upright poster with a play mark in the
// preview and the sorter, played with "Play Clip" while the song waits, and
// played through by auto run.
#include "MainWindowFixture.h"
#include "RecordingMediaPlayer.h"
#include "core/ClipTestFiles.h"
#include "editor/ui/ClipPlayback.h"
#include "editor/ui/OpenSorter.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/ShowFileCommands.h"
#include "editor/ui/SongControls.h"
#include "sorter/ui/SorterWindow.h"
#include "sorter/ui/ThumbnailStore.h"
#include "video/ClipTools.h"
#include "video/ui/ClipPlayer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <algorithm>

namespace {
class ClipSlidesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        auto owned = std::make_unique<RecordingMediaPlayer>();
        song = owned.get();
        form->song().usePlayer(std::move(owned));
    }
    // The shows saved here stay off the recent list other tests read.
    void TearDown() override {
        QSettings(QStringLiteral("Pevrano"), QStringLiteral("Settings"))
            .remove(QStringLiteral("RecentShows"));
        MainWindowTest::TearDown();
    }

    // A test clip copied into the test's folder (its own file, its own
    // poster).
    QString Clip(const QString& name, const QString& as = {}) {
        const QString path = dir.filePath(as.isEmpty() ? name : as);
        EXPECT_TRUE(QFile::copy(TestClip(name), path));
        return path;
    }
    // The first `fraction` of a clip's bytes, as a copy cut off in transfer.
    QString CutOff(const QString& name, double fraction) {
        QFile in(TestClip(name));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        const QString path = dir.filePath("cut-" + name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.left(qsizetype(bytes.size() * fraction)));
        return path;
    }
    QAction* Undo() { return form->findChild<QAction*>(QStringLiteral("mnuUndo")); }
    ClipPlayback& clips() { return form->navigation().clips(); }
    QPushButton* PlayButton() { return Control<QPushButton>(*form, "playClip"); }
    // The song is set and on, so holding and resuming it are seen.
    void PlaySong() {
        project().settings.SongPath = MakeBrokenPicture(folder(), "song.mp3");
        project().tool.SoundOn = true;
        song->clear();
    }

    RecordingMediaPlayer* song = nullptr;
};

// Grey level of a pixel of an image.
int Grey(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y));
}

// Restores PATH when it ends.
struct PathWithout {
    explicit PathWithout(const QString& emptyFolder) : saved(qgetenv("PATH")) {
        qputenv("PATH", QFile::encodeName(emptyFolder));
    }
    ~PathWithout() { qputenv("PATH", saved); }
    QByteArray saved;
};
} // namespace

// Clips are taken by their content: a selection of clips is added (and
// undone as one step), while a text named .mp4 and a clip cut off in
// transfer get the "File Error" message and add nothing. The dialog offers
// pictures and videos first, then videos alone.
TEST_F(ClipSlidesTest, ClipsAreAddedByContentAndDamagedOnesRefused) {
    const QString mp4 = Clip("h264-aac.mp4"), mov = Clip("hevc-turned.mov"),
                  webm = Clip("vp9.webm");
    AddThroughDialog({mp4, mov, webm});
    EXPECT_TRUE(ui.messages().empty());
    ASSERT_EQ(project().SlideCount(), 3);
    EXPECT_EQ(project().slide(2).PicturePath, mov);
    EXPECT_EQ(form->ui.Image1->path(), webm);
    EXPECT_FALSE(form->ui.Image1->image().isNull());

    const auto filters = ui.questions().front().fileDialog.filters;
    ASSERT_GE(filters.size(), 3);
    EXPECT_TRUE(filters[0].startsWith("Pictures and Videos (")) << filters[0].toStdString();
    for (const char* pattern : {"*.jpg", "*.heic", "*.avif", "*.mp4", "*.mov", "*.m4v", "*.webm"})
        EXPECT_TRUE(filters[0].contains(pattern)) << pattern;
    EXPECT_EQ(filters[1], "Videos (mp4 mov m4v webm) (*.mp4 *.mov *.m4v *.webm)");
    EXPECT_TRUE(filters[2].startsWith("Picture Files ("));

    ASSERT_NE(Undo(), nullptr);
    EXPECT_EQ(Undo()->text(), "Undo Add Picture(s)");
    Undo()->trigger();
    EXPECT_EQ(project().SlideCount(), 0);

    struct Case {
        const char* what;
        QStringList selection;
        QString message;
    };
    const QString fake = MakeBrokenPicture(folder(), "holiday.mp4");
    const QString cut = CutOff("h264-aac.mp4", 0.6);
    const QString good = MakePicture(folder(), "good.png");
    // A video track without a single frame (a fragmented file keeps the track).
    const QString zero = dir.filePath("zero.mp4");
    ASSERT_TRUE(RunFfmpeg(
        {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=1,trim=end_frame=0", "-c:v",
         "libx264", "-pix_fmt", "yuv420p", "-movflags", "frag_keyframe+empty_moov", zero}));
    const Case cases[] = {
        {"text named .mp4, alone", {fake}, "There was a problem with this file, please try again."},
        {"cut-off clip, alone", {cut}, "There was a problem with this file, please try again."},
        {"clip of no frames, alone",
         {zero},
         "There was a problem with this file, please try again."},
        {"cut-off clip in a selection",
         {cut, good},
         "There was a problem with picture file " + cut + " this file will not be used."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.clear();
        const int before = project().SlideCount();
        AddThroughDialog(c.selection);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].title, "File Error");
        EXPECT_EQ(ui.messages()[0].text, c.message);
        EXPECT_EQ(project().SlideCount(), before + int(c.selection.size()) - 1);
    }
}

// A clip dropped onto the window (alone, or in a dropped folder) is a slide,
// taken back by Undo.
TEST_F(ClipSlidesTest, DroppedClipsAreAddedAndUndone) {
    const QString clip = Clip("h264-aac.mp4", "trip.MP4");
    DropFiles({clip});
    ASSERT_TRUE(RunEventsUntil([&] { return project().SlideCount() == 1; }, 30000));
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(project().slide(1).PicturePath, clip);
    EXPECT_TRUE(PlayButton()->isVisible());
    Undo()->trigger();
    EXPECT_EQ(project().SlideCount(), 0);
    EXPECT_FALSE(PlayButton()->isVisible());

    const QString album = dir.filePath("album");
    QDir().mkpath(album);
    ASSERT_TRUE(QFile::copy(TestClip("vp9.webm"), album + "/b.webm"));
    MakePicture(album, "a.jpg");
    DropFiles({album});
    ASSERT_TRUE(RunEventsUntil([&] { return project().SlideCount() == 2; }, 30000));
    EXPECT_EQ(project().slide(2).PicturePath, album + "/b.webm");
}

// Change Picture takes a clip in a picture's place, undone as a step.
TEST_F(ClipSlidesTest, ChangePictureTakesAClip) {
    const QString picture = MakePicture(folder(), "p.png");
    AddThroughDialog({picture});
    EXPECT_FALSE(PlayButton()->isVisible());
    const QString clip = Clip("h264-aac.mp4");
    ui.queueFiles({clip});
    form->editing().changePicture();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(project().slide(1).PicturePath, clip);
    EXPECT_EQ(form->ui.Image1->path(), clip);
    EXPECT_TRUE(PlayButton()->isVisible());
    Undo()->trigger();
    EXPECT_EQ(project().slide(1).PicturePath, picture);
    EXPECT_FALSE(PlayButton()->isVisible());
}

// A show file naming a clip opens with the clip's poster in the preview and
// "Play Clip" offered.
TEST_F(ClipSlidesTest, AShowFileWithAClipOpensWithItsPoster) {
    const QString clip = Clip("vp9.webm");
    AddThroughDialog({clip});
    const QString path = dir.filePath("clips.json");
    ui.queueFiles({path});
    ASSERT_TRUE(form->showFiles().SaveShowAs());
    MainWindow other(ui);
    other.show();
    ASSERT_TRUE(other.showFiles().OpenShowFile(path));
    ASSERT_EQ(other.project().SlideCount(), 1);
    EXPECT_TRUE(other.project().slide(1).PicturePath.endsWith("/vp9.webm"));
    EXPECT_EQ(other.ui.Image1->path(), other.project().slide(1).PicturePath);
    const QImage poster = other.ui.Image1->image();
    ASSERT_FALSE(poster.isNull());
    EXPECT_NEAR(double(poster.width()) / poster.height(), 4.0 / 3, 0.02);
    EXPECT_TRUE(Control<QPushButton>(other, "playClip")->isVisible());
}

// Without ffmpeg a clip is refused where it is added, naming the package:
// once for a selection, and apart from a drop's other messages.
TEST_F(ClipSlidesTest, WithoutFfmpegClipsAreRefusedNamingThePackage) {
    const QString clip = Clip("h264-aac.mp4"), other = Clip("vp9.webm");
    const QString picture = MakePicture(folder(), "p.png");
    QTemporaryDir noTools;
    const PathWithout path(noTools.path());
    ASSERT_FALSE(FindClipTools());

    const QStringList selections[] = {{clip}, {clip, other, picture}};
    for (const QStringList& selection : selections) {
        ui.clear();
        const int before = project().SlideCount();
        AddThroughDialog(selection);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].text, MissingClipToolsText());
        EXPECT_EQ(ui.messages()[0].title, "Video Clips");
        EXPECT_EQ(project().SlideCount(), before + (selection.size() > 1 ? 1 : 0));
    }
    ui.clear();
    DropAndHandle({clip});
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, MissingClipToolsText());
    EXPECT_EQ(project().SlideCount(), 1);
}

// The preview shows a phone clip turned 90° upright, as ffmpeg turns it, with
// the play mark over its middle. Stored, the clip is landscape with its left
// half black; upright it is portrait, white above and black below.
TEST_F(ClipSlidesTest, ThePreviewShowsTheTurnedClipsPosterUprightWithAPlayMark) {
    AddThroughDialog({Clip("hevc-turned.mov")});
    ASSERT_TRUE(ui.messages().empty());
    const QImage shown = form->ui.Image1->image();
    ASSERT_FALSE(shown.isNull());
    EXPECT_GT(shown.height(), shown.width());
    EXPECT_NEAR(double(shown.height()) / shown.width(), 320.0 / 240, 0.05);
    const int w = shown.width(), h = shown.height();
    EXPECT_GT(Grey(shown, w / 10, h / 10), 220);
    EXPECT_GT(Grey(shown, w * 9 / 10, h / 10), 220);
    EXPECT_LT(Grey(shown, w / 10, h * 9 / 10), 35);
    EXPECT_LT(Grey(shown, w * 9 / 10, h * 9 / 10), 35);
    // The mark: a white triangle on a dark badge, over the black half too.
    const int badge = std::clamp(std::min(w, h) / 4, 12, 96);
    EXPECT_GT(Grey(shown, w / 2, h / 2 + badge / 16), 200);
    EXPECT_LT(Grey(shown, w / 2, h / 2 - badge * 2 / 5), 170);
    EXPECT_TRUE(PlayButton()->isVisible());
    EXPECT_EQ(PlayButton()->text(), "Play Clip");
    EXPECT_EQ(PlayButton()->accessibleName(), "Play Clip");
}

// The sorter shows the clip's poster with its mark among the pictures, and
// swaps it as a picture; the swap is undone.
TEST_F(ClipSlidesTest, TheSorterShowsTheClipAndSwapsItUndone) {
    ConnectPictureSorter(*form);
    const QString picture = MakePicture(folder(), "red.png", Qt::red, {320, 240});
    const QString clip = Clip("hevc-turned.mov");
    AddThroughDialog({picture, clip});
    ASSERT_EQ(project().SlideCount(), 2);
    ui.clear();
    ui.queueMessageAnswer(MsgResult::Yes); // the sorter's "Continue ?"
    QImage thumbnail;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<SorterWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(RunEventsUntil([&] { return !w->thumbnails().loading(); }, 30000));
        thumbnail = w->thumbnails().image(1);
        w->choosePicture(0);
        w->choosePicture(1);
        w->swapPictures();
        w->reject();
    });
    form->ui.cmdAllImages->click();
    ASSERT_FALSE(thumbnail.isNull());
    const int w = thumbnail.width(), h = thumbnail.height();
    EXPECT_GT(Grey(thumbnail, w / 2, h / 8), 200);     // upright: white above
    EXPECT_LT(Grey(thumbnail, w / 8, h * 7 / 8), 40);  // black below
    EXPECT_GT(Grey(thumbnail, w / 2, h / 2 + 1), 190); // the mark's triangle
    EXPECT_EQ(project().slide(1).PicturePath, clip);
    EXPECT_EQ(project().slide(2).PicturePath, picture);
    Undo()->trigger();
    EXPECT_EQ(project().slide(1).PicturePath, picture);
    EXPECT_EQ(project().slide(2).PicturePath, clip);
}

// "Play Clip" plays the clip upright in the preview while the song waits;
// a step to another slide stops it and the song goes on.
TEST_F(ClipSlidesTest, PlayClipPlaysUprightHoldsTheSongAndStopsOnAStep) {
    const QString clip = Clip("hevc-turned.mov");
    AddThroughDialog({clip, MakePicture(folder(), "after.png")});
    PlaySong();
    form->navigation().ShowSlide(1);
    project().setCurrentSlide(1);
    ASSERT_TRUE(PlayButton()->isVisible());
    EXPECT_EQ(PlayButton()->focusPolicy(), Qt::StrongFocus);

    QSize frame;
    PlayButton()->click();
    ClipPlayer* player = clips().player();
    ASSERT_TRUE(player->playing());
    ASSERT_NE(player->mediaPlayer(), nullptr);
    QObject::connect(player->videoWidget()->videoSink(), &QVideoSink::videoFrameChanged,
                     [&](const QVideoFrame& f) {
                         if (f.isValid())
                             frame = f.toImage().size();
                     });
    EXPECT_EQ(song->calls(), QStringList{"pause"});
    EXPECT_TRUE(player->isVisible());
    EXPECT_FALSE(PlayButton()->isVisible());
    ASSERT_TRUE(RunEventsUntil([&] { return player->mediaPlayer()->position() > 300; }, 20000));
    EXPECT_EQ(player->mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);
    ASSERT_TRUE(RunEventsUntil([&] { return frame.isValid(); }, 5000));
    EXPECT_EQ(frame, QSize(240, 320)); // upright

    form->ui.cmdFB[PreviewNavigation::Forward]->click();
    EXPECT_EQ(form->ui.lblCount->text(), "2");
    EXPECT_FALSE(player->playing());
    EXPECT_FALSE(player->isVisible());
    EXPECT_EQ(player->mediaPlayer()->playbackState(), QMediaPlayer::StoppedState);
    EXPECT_EQ(song->calls(), (QStringList{"pause", "resume"}));
    EXPECT_FALSE(PlayButton()->isVisible());

    // Back on the clip: Escape on the player stops it; played again to its
    // end, the button is offered again.
    form->ui.cmdFB[PreviewNavigation::Back]->click();
    ASSERT_TRUE(PlayButton()->isVisible());
    PlayButton()->click();
    ASSERT_TRUE(player->playing());
    EXPECT_EQ(QApplication::focusWidget(), player);
    QTest::keyClick(player, Qt::Key_Escape);
    EXPECT_FALSE(player->playing());
    EXPECT_TRUE(PlayButton()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), PlayButton()); // the keyboard comes back
    song->clear();
    PlayButton()->click();
    ASSERT_TRUE(RunEventsUntil([&] { return !player->playing(); }, 20000));
    EXPECT_TRUE(PlayButton()->isVisible());
    EXPECT_EQ(song->calls(), (QStringList{"pause", "resume"}));
}

// Auto run plays a clip slide and moves on at the clip's end, long before
// the delay would have.
TEST_F(ClipSlidesTest, AutoRunPlaysAClipAndMovesOnAtItsEnd) {
    AddThroughDialog(
        {MakePicture(folder(), "a.png"), Clip("h264-aac.mp4"), MakePicture(folder(), "c.png")});
    project().settings.NumSecDelay = 59;
    PreviewNavigation& nav = form->navigation();
    nav.pressNavigationButton(PreviewNavigation::AutoRun);
    nav.autoRunTick(); // slide 1, a picture
    EXPECT_TRUE(form->ui.Timer1->isActive());
    nav.autoRunTick(); // slide 2, the clip
    EXPECT_EQ(form->ui.lblCount->text(), "2");
    EXPECT_TRUE(clips().playing());
    EXPECT_FALSE(form->ui.Timer1->isActive());

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(RunEventsUntil([&] { return form->ui.lblCount->text() == "3"; }, 30000));
    EXPECT_LT(clock.elapsed(), 30000);
    EXPECT_FALSE(clips().playing());
    EXPECT_TRUE(nav.AutoRunning());
    EXPECT_TRUE(form->ui.Timer1->isActive());
    EXPECT_EQ(form->ui.Timer1->interval(), 59000);
    nav.StopAutoRun();
}

// Undo and Delete change the slide shown, and so stop the clip playing.
TEST_F(ClipSlidesTest, UndoAndDeleteStopTheClip) {
    AddThroughDialog({MakePicture(folder(), "a.png"), Clip("h264-aac.mp4")});
    ASSERT_TRUE(PlayButton()->isVisible());
    ClipPlayer* player = clips().player();
    PlayButton()->click();
    ASSERT_TRUE(player->playing());
    Undo()->trigger();
    EXPECT_EQ(project().SlideCount(), 0);
    EXPECT_FALSE(player->playing());
    EXPECT_FALSE(PlayButton()->isVisible());

    form->findChild<QAction*>(QStringLiteral("mnuRedo"))->trigger();
    form->navigation().ShowSlide(2);
    project().setCurrentSlide(2);
    ASSERT_TRUE(PlayButton()->isVisible());
    PlayButton()->click();
    ASSERT_TRUE(player->playing());
    ui.queueMessageAnswer(MsgResult::Yes);
    form->ui.cmdDelete->click();
    EXPECT_EQ(project().SlideCount(), 1);
    EXPECT_FALSE(player->playing());
    EXPECT_FALSE(player->isVisible());
    EXPECT_FALSE(PlayButton()->isVisible());
}
