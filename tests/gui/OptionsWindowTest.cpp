#include "ScriptedPrompter.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/frmOptions.h"
#include "project/SlideShowProject.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Options : ::testing::Test {
    ScriptedPrompter ui;
    SlideShowProject project;
    int fills = 0;
    int resets = 0;
    QStringList captionsShown;
    std::function<void()> addSinglePic;

    Options() {
        project.GrowSlots();
        for (int i = 0; i < 4; ++i)
            project.AppendPicture(QStringLiteral("/p/%1.jpg").arg(i));
    }
    OptionsHooks hooks() {
        return {[this] { ++fills; },
                [this] {
                    if (addSinglePic)
                        addSinglePic();
                },
                [this](const QString& text) { captionsShown << text; }, [this] { ++resets; }};
    }
};

void TypeInto(QLineEdit* box, const QString& keys) {
    box->selectAll();
    QTest::keyClicks(box, keys);
}
} // namespace

TEST_F(Options, ShowsTheSettingsAndEditsThemAtOnce) {
    project.settings.SameBkColorEverySlide = false;
    project.settings.optIntBkImgOptionForm = 1;
    project.settings.AmountOfSlidesFFRev = 7;
    project.settings.Flashing = 0;
    project.settings.OpenPgBkPic.clear();
    frmOptions w(project, ui, hooks());
    EXPECT_TRUE(w.optPicBkGndColorOptionFrm[1]->isChecked());
    EXPECT_TRUE(w.optBkGndImgOptForm[1]->isChecked());
    EXPECT_EQ(w.txtFFRev->text(), "7");
    EXPECT_EQ(w.VScrollopt->value(), 7);
    EXPECT_FALSE(w.ckFlashing->isChecked());
    EXPECT_EQ(project.settings.OpenPgBkPic,
              QDir(QCoreApplication::applicationDirPath()).filePath("film.gif"));
    EXPECT_EQ(w.findChildren<QRadioButton*>("optBkGndImgOptForm").size(), 2);
    EXPECT_EQ(w.optBkGndImgOptForm[1]->property("Index").toInt(), 1);
    EXPECT_EQ(w.Frame1->title(), "Select a number of slides to skip ");

    w.ckFlashing->click();
    EXPECT_EQ(project.settings.Flashing, 1);
    w.ckFlashing->click();
    EXPECT_EQ(project.settings.Flashing, 0);
    w.optPicBkGndColorOptionFrm[0]->click();
    EXPECT_TRUE(project.settings.SameBkColorEverySlide);
    w.optBkGndImgOptForm[0]->click();
    EXPECT_EQ(project.settings.optIntBkImgOptionForm, 0);
    EXPECT_TRUE(ui.questions().empty());
    EXPECT_EQ(fills, 0); // nothing spreads before the window closes
}

TEST_F(Options, SkipBoxTakesDigitsOnlyAndClamps) {
    frmOptions w(project, ui, hooks());
    TypeInto(w.txtFFRev, "150");
    EXPECT_EQ(w.txtFFRev->text(), "99");
    EXPECT_EQ(project.settings.AmountOfSlidesFFRev, 99);
    EXPECT_EQ(w.VScrollopt->value(), 99);

    TypeInto(w.txtFFRev, "1");
    EXPECT_EQ(w.txtFFRev->text(), "1");
    w.txtFFRev_LostFocus();
    EXPECT_EQ(w.txtFFRev->text(), "2");
    EXPECT_EQ(project.settings.AmountOfSlidesFFRev, 2);
    EXPECT_EQ(w.VScrollopt->value(), 2);

    TypeInto(w.txtFFRev, "1a-2");
    EXPECT_EQ(w.txtFFRev->text(), "12");
    QTest::keyClick(w.txtFFRev, Qt::Key_Backspace);
    EXPECT_EQ(w.txtFFRev->text(), "12");
    EXPECT_EQ(project.settings.AmountOfSlidesFFRev, 12);

    w.VScrollopt->setValue(40);
    EXPECT_EQ(w.txtFFRev->text(), "40");
    EXPECT_EQ(project.settings.AmountOfSlidesFFRev, 40);

    // Pasted text never passes the key filter.
    w.txtFFRev->setText("abc");
    w.txtFFRev_LostFocus();
    EXPECT_EQ(w.txtFFRev->text(), "2");
    EXPECT_EQ(project.settings.AmountOfSlidesFFRev, 2);
}

TEST_F(Options, SameCaptionGoesIntoEverySlotAndTheBoxStaysUnchecked) {
    frmOptions w(project, ui, hooks());
    ui.queueInput(QStringLiteral("Summer 2024"));
    w.ckSameCaption->click();
    EXPECT_FALSE(w.ckSameCaption->isChecked());
    ASSERT_EQ(ui.questions().size(), 1u);
    const InputBoxRequest& r = ui.questions()[0].input;
    EXPECT_EQ(r.prompt,
              "Please type in your Caption for every slide.\r\nPlease type in your Caption!");
    EXPECT_EQ(r.title, r.defaultText);
    EXPECT_TRUE(r.defaultText.startsWith(
        QLocale().toString(QDate::currentDate(), QLocale::LongFormat) + "  "));
    for (int i = 0; i <= project.SlideCapacity(); ++i)
        EXPECT_EQ(project.slot(i).Caption, "Summer 2024") << "slot " << i;
    EXPECT_EQ(captionsShown, QStringList{"Summer 2024"});

    // An empty answer is still an answer; Cancel is not.
    ui.queueInput(QString());
    w.ckSameCaption->click();
    EXPECT_EQ(project.slot(25).Caption, "");
    ui.queueInput(std::nullopt);
    w.ckSameCaption->click();
    EXPECT_EQ(project.slot(0).Caption, "");
    EXPECT_EQ(captionsShown.size(), 2);
    EXPECT_EQ(ui.questions().size(), 3u);
}

TEST_F(Options, ResetEmptiesTheProjectButKeepsTheSettings) {
    for (int i = 0; i < 36; ++i)
        project.AppendPicture(QStringLiteral("/q/%1.jpg").arg(i));
    ASSERT_EQ(project.SlideCount(), 40);
    project.settings.AmountOfSlidesFFRev = 9;
    project.settings.SongPath = "/music/a.mp3";
    frmOptions w(project, ui, hooks());

    ui.queueMessageAnswer(MsgResult::No);
    w.cmdReset->click();
    EXPECT_EQ(project.SlideCount(), 40);
    EXPECT_EQ(resets, 0);

    ui.queueMessageAnswer(MsgResult::Yes);
    w.cmdReset->click();
    const MessageBoxRequest& m = ui.messages().back();
    EXPECT_EQ(m.text, "Reset the Whole Program? Are you sure?");
    EXPECT_EQ(m.title, "Reset All?");
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(project.SlideCount(), 0);
    EXPECT_EQ(project.SlideCapacity(), 25);
    EXPECT_EQ(project.CurrentSlide(), 1);
    EXPECT_TRUE(project.slot(0).PicturePath.isEmpty());
    EXPECT_EQ(project.slot(25).Caption, "Type in your caption here.");
    EXPECT_THROW(project.slot(26), std::out_of_range);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(project.settings.AmountOfSlidesFFRev, 9);
    EXPECT_EQ(project.settings.SongPath, "/music/a.mp3");
}

TEST_F(Options, ClosingSpreadsTheSharedBackgroundAndTellsTheMainWindow) {
    {
        frmOptions w(project, ui, hooks());
        w.show();
        w.cmdOk->click();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(fills, 1);
        EXPECT_TRUE(project.flags.OptionsChanged);
    }
    // A different colour and picture per slide: nothing to spread, but the
    // main window still hears of the close, which may come by Escape.
    project.flags.OptionsChanged = false;
    project.settings.SameBkColorEverySlide = false;
    project.settings.optIntBkImgOptionForm = 1;
    frmOptions w(project, ui, hooks());
    w.show();
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(fills, 1);
    EXPECT_TRUE(project.flags.OptionsChanged);

    // One picture for all slides is enough to spread.
    project.settings.optIntBkImgOptionForm = 0;
    frmOptions loadedOnly(project, ui, hooks());
    loadedOnly.done(QDialog::Accepted);
    EXPECT_EQ(fills, 2);
}

TEST_F(Options, OpeningPagePictureComesFromTheMainWindowsDialog) {
    QTemporaryDir dir;
    const QString picture = dir.filePath("tile.png");
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(picture));
    project.settings.OpenPgBkPic = dir.filePath("none.gif");
    frmOptions w(project, ui, hooks());
    EXPECT_TRUE(w.PicBxOpenBkPic->image().isNull());

    // What the main window does with the flag set and a file chosen.
    addSinglePic = [&] {
        EXPECT_TRUE(project.flags.OpenPgBkPicChanged);
        project.settings.OpenPgBkPic = picture;
        project.flags.OpenPgBkPicChanged = false;
    };
    w.cmdOpenBkPic->click();
    EXPECT_EQ(project.settings.OpenPgBkPic, picture);
    EXPECT_FALSE(w.PicBxOpenBkPic->image().isNull());

    // A cancelled pick leaves no flag for the main window's next pick.
    addSinglePic = [] {};
    w.cmdOpenBkPic->click();
    EXPECT_FALSE(project.flags.OpenPgBkPicChanged);
    EXPECT_EQ(project.settings.OpenPgBkPic, picture);
}

// Every text fits its control at the window's own size and when it is made
// larger, and the opening-page picture keeps its box instead of stretching.
// PEVRANO_OPTIONS_SCREENSHOT=file.png saves the window as shown.
TEST_F(Options, TextsFitAndThePictureBoxKeepsItsSize) {
    frmOptions w(project, ui, hooks());
    w.show();
    QCoreApplication::processEvents();
    const QSize pictureBox = w.PicBxOpenBkPic->parentWidget()->size();
    auto expectTextsFit = [&](const char* when) {
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
            EXPECT_GE(b->width(), b->minimumSizeHint().width())
                << when << " " << b->text().toStdString();
        for (QLabel* l : w.findChildren<QLabel*>())
            if (!l->wordWrap())
                EXPECT_GE(l->width(), l->sizeHint().width())
                    << when << " " << l->text().toStdString();
        for (QGroupBox* g : w.findChildren<QGroupBox*>())
            EXPECT_GE(g->width(), g->fontMetrics().horizontalAdvance(g->title())) << when;
    };
    expectTextsFit("as opened");
    if (const QByteArray file = qgetenv("PEVRANO_OPTIONS_SCREENSHOT"); !file.isEmpty())
        w.grab().save(QString::fromLocal8Bit(file));

    w.resize(w.width() + 300, w.height() + 200);
    QCoreApplication::processEvents();
    expectTextsFit("enlarged");
    EXPECT_EQ(w.PicBxOpenBkPic->parentWidget()->size(), pictureBox);
}
