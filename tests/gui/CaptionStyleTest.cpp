#include "Form1Fixture.h"
#include "captionstyle/ui/SampleBrowser.h"
#include "captionstyle/ui/frmPreview.h"
#include "editor/ui/CaptionStyleCommand.h"
#include "platform/ui/ColorSwatch.h"
#include "project/ShowSettings.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
struct CaptionStyle : ::testing::Test {
    QTemporaryDir folder;
    ShowSettings settings;
    ScriptedPrompter ask;

    std::unique_ptr<frmPreview> open() {
        return std::make_unique<frmPreview>(settings, ask, nullptr, folder.path());
    }
    static void leave(QComboBox* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
    }
    // Picks the k-th installed font from the list, a size and a caption, and
    // saves them under the name.
    QString saveAs(frmPreview& w, int k, const QString& size, const QString& caption,
                   const QString& name) {
        w.cboFonts->setCurrentIndex(k);
        w.cboFonts_Click();
        w.cboFontSize->setEditText(size);
        w.txtSampleCap->setText(caption);
        ask.queueInput(name);
        w.cmdSavethesesettings->click();
        return w.cboFonts->itemText(k);
    }
};
} // namespace

// Built without showing, the window takes the stored font and size and shows
// the default pair unapplied.
TEST_F(CaptionStyle, OpensWithTheStoredFontAndCorrectsTheSize) {
    settings.FontInUse = "Arial";
    settings.FontSizeInUse = "28";
    auto w = open();
    EXPECT_EQ(w->cboFonts->currentText(), "Arial");
    EXPECT_EQ(w->cboFontSize->currentText(), "28");
    EXPECT_EQ(w->cboRecommedFonts->currentText(), "Times New Roman 16pt");

    w->cboFontSize->lineEdit()->clear();
    QTest::keyClicks(w->cboFontSize, "15");
    leave(w->cboFontSize);
    EXPECT_EQ(w->cboFontSize->currentText(), "16");
    EXPECT_EQ(settings.FontSizeInUse, "16");

    // Typing completes to a listed font and selects the completed rest;
    // Backspace takes the rest away without completing again.
    const QString font = w->cboFonts->itemText(w->cboFonts->count() - 1);
    QLineEdit* edit = w->cboFonts->lineEdit();
    edit->clear();
    QTest::keyClicks(w->cboFonts, font.left(3));
    EXPECT_TRUE(edit->text().startsWith(font.left(3), Qt::CaseInsensitive));
    EXPECT_EQ(edit->selectedText(), edit->text().mid(3));
    EXPECT_EQ(settings.FontInUse, edit->text());
    if (edit->text().size() > 3) {
        QTest::keyClick(w->cboFonts, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), font.left(3));
    }

    // The default pair, with a word when its font is not installed here.
    w->cmdDefaultSettings->click();
    EXPECT_EQ(settings.FontInUse, "Times New Roman");
    EXPECT_EQ(settings.FontSizeInUse, "16");
    const bool installed = QFontDatabase::families().contains("Times New Roman");
    ASSERT_EQ(ask.messages().size(), installed ? 0u : 1u);
    if (!installed) {
        EXPECT_EQ(ask.messages()[0].text, "Sorry, but there is no match for 'Times New Roman'.");
        EXPECT_EQ(ask.messages()[0].title, "Find Results");
    }
}

TEST_F(CaptionStyle, SavesSetsRefusesDuplicatesAndDeletesTheMiddleOne) {
    QString first;
    QString third;
    {
        auto w = open();
        ASSERT_GE(w->cboFonts->count(), 3);
        first = saveAs(*w, 0, "12", "first, \"quoted\"", "One");
        saveAs(*w, 1, "20", "second", "Two");
        // A taken name is refused and the name asked again.
        ask.queueInput("One");
        third = saveAs(*w, 2, "72", "third", "Three");
        const auto messages = ask.messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "One is already listed Please type in a different Name!");
        EXPECT_EQ(messages[0].title, "Duplicate Name");
        EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
        ASSERT_EQ(w->cboMySettings->count(), 3);

        w->cboMySettings->setCurrentIndex(1);
        ask.queueMessageAnswer(MsgResult::Yes);
        ask.clear();
        w->cmdDeleteSettings->click();
        EXPECT_EQ(ask.messages().at(0).text, "Are you sure in deleting Two?");
        EXPECT_EQ(ask.messages().at(0).title, "Delete Two?");
        EXPECT_EQ(settings.FontInUse, "Times New Roman");
        w->close();
    }
    auto again = open();
    const QList<StyleSet> expected{{"One", first, "12", "first, \"quoted\""},
                                   {"Three", third, "72", "third"}};
    EXPECT_EQ(again->styleSets(), expected);
    EXPECT_EQ(again->cboMySettings->currentText(), "One");
    again->cboMySettings_Click(1);
    EXPECT_EQ(settings.FontInUse, third);
    EXPECT_EQ(settings.FontSizeInUse, "72");
    EXPECT_EQ(again->txtSampleCap->text(), "third");
}

// A sets file that cannot be read whole is reported and, unchanged, kept.
TEST_F(CaptionStyle, DamagedSetsFileIsReportedAndKept) {
    const QByteArray damaged = "\"A\"\r\n\"Arial\"\r\n\"8\"\r\n\"x\"\r\n\"B\"\r\n";
    QFile file(QDir(folder.path()).filePath("MySettings"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    open()->close();
    ASSERT_EQ(ask.messages().size(), 1u);
    EXPECT_EQ(ask.messages()[0].text,
              "There was a problem with this file! 62 Input past end of file");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
}

// The font command hides the main window and opens the preview, whose
// browser shows the sample in the show's colours; closing it brings the main
// window back. The main window's own start-up loads no web engine.
TEST_F(Form1Test, FontCommandShowsTheSampleInTheBrowser) {
    EXPECT_FALSE(SampleBrowserLoaded());
    ConnectCaptionStyle(*form, folder());
    form->project().settings.FontInUse = "Comic Sans MS";
    form->project().settings.FontSizeInUse = "24";
    form->ui.lblNewBkGnd->setColor(RgbColor(0x10, 0x20, 0x30));
    form->SetCaptionBoxColors(RgbColor(0x80, 0xFF, 0xFF), RgbColor(0, 0, 0xFF));

    form->ui.cmdFont->click();
    auto* preview = form->findChild<frmPreview*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(preview->isVisible());
    ASSERT_NE(preview->browser(), nullptr);
    bool shown = false;
    QObject::connect(preview, &frmPreview::sampleShown, [&](bool ok) { shown = ok; });
    ASSERT_TRUE(RunEventsUntil([&] { return shown; }, 30000));

    QVariant style;
    preview->browser()->runScript(
        "var s = getComputedStyle(document.getElementById('text'));"
        "[s.fontFamily, s.fontSize, s.color, s.backgroundColor, s.textAlign,"
        " getComputedStyle(document.body).backgroundColor].join('|')",
        [&](const QVariant& v) { style = v; });
    ASSERT_TRUE(RunEventsUntil([&] { return style.isValid(); }, 10000));
    EXPECT_EQ(style.toString(), "\"Comic Sans MS\"|32px|rgb(0, 0, 255)|rgb(128, 255, 255)|center|"
                                "rgb(16, 32, 48)");

    preview->cmdExit->click();
    ASSERT_TRUE(RunEventsUntil([&] { return form->findChild<frmPreview*>() == nullptr; }));
    EXPECT_TRUE(form->isVisible());
}
