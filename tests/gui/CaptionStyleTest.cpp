#include "MainWindowFixture.h"
#include "captionstyle/ui/CaptionStylePreview.h"
#include "captionstyle/ui/SampleBrowser.h"
#include "core/TestFiles.h"
#include "document/ShowDocument.h"
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
    ShowDocument document;
    // The show's settings as the document holds them.
    ShowSettings& settings = document.workingShow().settings;
    ScriptedPrompter ask;

    std::unique_ptr<CaptionStylePreview> open() {
        return std::make_unique<CaptionStylePreview>(document, ask, nullptr, folder.path());
    }
    static void leave(QComboBox* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
    }
    // Picks the k-th installed font from the list, a size and a caption, and
    // saves them under the name.
    QString saveAs(CaptionStylePreview& w, int k, const QString& size, const QString& caption,
                   const QString& name) {
        Control<QComboBox>(w, "cboFonts")->setCurrentIndex(k);
        w.confirmFont();
        Control<QComboBox>(w, "cboFontSize")->setEditText(size);
        Control<QLineEdit>(w, "txtSampleCap")->setText(caption);
        ask.queueInput(name);
        Control<QPushButton>(w, "cmdSavethesesettings")->click();
        return Control<QComboBox>(w, "cboFonts")->itemText(k);
    }
};
} // namespace

// Built without showing, the window takes the stored font and size and shows
// the default pair unapplied.
TEST_F(CaptionStyle, OpensWithTheStoredFontAndCorrectsTheSize) {
    settings.FontInUse = "Arial";
    settings.FontSizeInUse = "28";
    auto w = open();
    auto* fonts = Control<QComboBox>(*w, "cboFonts");
    auto* sizes = Control<QComboBox>(*w, "cboFontSize");
    EXPECT_EQ(fonts->currentText(), "Arial");
    EXPECT_EQ(sizes->currentText(), "28");
    EXPECT_EQ(Control<QComboBox>(*w, "cboRecommedFonts")->currentText(), "Times New Roman 16pt");

    sizes->lineEdit()->clear();
    QTest::keyClicks(sizes, "15");
    leave(sizes);
    EXPECT_EQ(sizes->currentText(), "16");
    EXPECT_EQ(settings.FontSizeInUse, "16");

    // Typing completes to a listed font and selects the completed rest;
    // Backspace takes the rest away without completing again.
    const QString font = fonts->itemText(fonts->count() - 1);
    QLineEdit* edit = fonts->lineEdit();
    edit->clear();
    QTest::keyClicks(fonts, font.left(3));
    EXPECT_TRUE(edit->text().startsWith(font.left(3), Qt::CaseInsensitive));
    EXPECT_EQ(edit->selectedText(), edit->text().mid(3));
    EXPECT_EQ(settings.FontInUse, edit->text());
    if (edit->text().size() > 3) {
        QTest::keyClick(fonts, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), font.left(3));
    }

    // The default pair, with a word when its font is not installed here.
    Control<QPushButton>(*w, "cmdDefaultSettings")->click();
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
        ASSERT_GE(Control<QComboBox>(*w, "cboFonts")->count(), 3);
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
        ASSERT_EQ(Control<QComboBox>(*w, "cboMySettings")->count(), 3);

        Control<QComboBox>(*w, "cboMySettings")->setCurrentIndex(1);
        ask.queueMessageAnswer(MsgResult::Yes);
        ask.clear();
        Control<QPushButton>(*w, "cmdDeleteSettings")->click();
        EXPECT_EQ(ask.messages().at(0).text, "Are you sure in deleting Two?");
        EXPECT_EQ(ask.messages().at(0).title, "Delete Two?");
        EXPECT_EQ(settings.FontInUse, "Times New Roman");
        w->close();
    }
    auto again = open();
    const QList<StyleSet> expected{{"One", first, "12", "first, \"quoted\""},
                                   {"Three", third, "72", "third"}};
    EXPECT_EQ(again->styleSets(), expected);
    EXPECT_EQ(Control<QComboBox>(*again, "cboMySettings")->currentText(), "One");
    again->applySavedSettings(1);
    EXPECT_EQ(settings.FontInUse, third);
    EXPECT_EQ(settings.FontSizeInUse, "72");
    EXPECT_EQ(Control<QLineEdit>(*again, "txtSampleCap")->text(), "third");
}

// A sets file with more sets than the window holds is reported; a change is
// saved over it only when the user agrees.
TEST_F(CaptionStyle, FileWithMoreSetsIsReplacedOnlyWhenTheUserAgrees) {
    QList<StyleSet> many;
    for (int k = 0; k < kMaxStyleSets + 3; ++k)
        many.append({QString::number(k), "Arial", "8", "x"});
    const QByteArray text = StyleSetsText(many);
    const QString path = QDir(folder.path()).filePath("MySettings");
    WriteFile(path, text);
    {
        auto w = open();
        ASSERT_EQ(Control<QComboBox>(*w, "cboMySettings")->count(), kMaxStyleSets);
        Control<QComboBox>(*w, "cboMySettings")->setCurrentIndex(0);
        ask.queueMessageAnswer(MsgResult::Yes); // delete it
        ask.queueMessageAnswer(MsgResult::No);  // but keep the file
        Control<QPushButton>(*w, "cmdDeleteSettings")->click();
        w->close();
    }
    ASSERT_GE(ask.messages().size(), 3u);
    EXPECT_EQ(ask.messages()[0].text,
              "There was a problem with this file! 9 Subscript out of range");
    EXPECT_EQ(ask.messages().back().title, "My Saved Settings");
    EXPECT_EQ(ask.messages().back().buttons, MsgButtons::YesNo);
    EXPECT_EQ(ReadFile(path), text);

    ask.clear();
    ask.queueMessageAnswer(MsgResult::Yes);
    ask.queueMessageAnswer(MsgResult::Yes);
    {
        auto w = open();
        Control<QComboBox>(*w, "cboMySettings")->setCurrentIndex(0);
        Control<QPushButton>(*w, "cmdDeleteSettings")->click();
        w->close();
    }
    EXPECT_EQ(ParseStyleSets(ReadFile(path)).sets.size(), kMaxStyleSets - 1);
}

// A sets file that cannot be read whole is reported and, unchanged, kept.
TEST_F(CaptionStyle, DamagedSetsFileIsReportedAndKept) {
    const QByteArray damaged = "\"A\"\r\n\"Arial\"\r\n\"8\"\r\n\"x\"\r\n\"B\"\r\n";
    const QString path = QDir(folder.path()).filePath("MySettings");
    WriteFile(path, damaged);
    open()->close();
    ASSERT_EQ(ask.messages().size(), 1u);
    EXPECT_EQ(ask.messages()[0].text,
              "There was a problem with this file! 62 Input past end of file");
    EXPECT_EQ(ReadFile(path), damaged);

    // A FIFO in its place is not read (nothing waits for a writer) and is
    // reported the same way.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(MakeFifo(path));
    ask.clear();
    {
        FifoWatchdog watchdog(path);
        open()->close();
        EXPECT_FALSE(watchdog.fired());
    }
    ASSERT_EQ(ask.messages().size(), 1u);
    EXPECT_TRUE(ask.messages()[0].text.startsWith("There was a problem with this file! "));
}

// The font command hides the main window and opens the preview, whose
// browser shows the sample in the show's colours; closing it brings the main
// window back. The main window's own start-up loads no web engine.
TEST_F(MainWindowTest, FontCommandShowsTheSampleInTheBrowser) {
    EXPECT_FALSE(SampleBrowserLoaded());
    ConnectCaptionStyle(*form, folder());
    form->project().settings.FontInUse = "Comic Sans MS";
    form->project().settings.FontSizeInUse = "24";
    form->ui.lblNewBkGnd->setColor(RgbColor(0x10, 0x20, 0x30));
    form->SetCaptionBoxColors(RgbColor(0x80, 0xFF, 0xFF), RgbColor(0, 0, 0xFF));

    form->ui.cmdFont->click();
    auto* preview = form->findChild<CaptionStylePreview*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(preview->isVisible());
    ASSERT_NE(preview->browser(), nullptr);
    bool shown = false;
    QObject::connect(preview, &CaptionStylePreview::sampleShown, [&](bool ok) { shown = ok; });
    ASSERT_TRUE(RunEventsUntil([&] { return shown; }, 30000));

    QVariant style;
    preview->browser()->runScript(
        "var s = getComputedStyle(document.getElementById('text'));"
        "[s.fontFamily, s.fontSize, s.color, s.backgroundColor, s.textAlign,"
        " getComputedStyle(document.body).backgroundColor].join('|')",
        [&](const QVariant& v) { style = v; });
    ASSERT_TRUE(RunEventsUntil([&] { return style.isValid(); }, 10000));
    // The size reads as the compiled show's pages read it: 24 pixels.
    EXPECT_EQ(style.toString(), "\"Comic Sans MS\"|24px|rgb(0, 0, 255)|rgb(128, 255, 255)|center|"
                                "rgb(16, 32, 48)");

    Control<QPushButton>(*preview, "cmdExit")->click();
    ASSERT_TRUE(RunEventsUntil([&] { return form->findChild<CaptionStylePreview*>() == nullptr; }));
    EXPECT_TRUE(form->isVisible());
}

// A sets file of over 1 MiB, with markup and script in its values: every set
// is read, the sample shows the caption as text, no script of the file runs,
// the page reads no local file, and the file, unchanged, stays as it was.
TEST_F(MainWindowTest, HostileSetsFileIsReadWholeAndShownAsText) {
    const QString caption = "<img src=x onerror=\"document.title='caption ran'\">"
                            "<iframe src=\"file:///etc/hostname\"></iframe>";
    QList<StyleSet> sets{
        {"<b>evil</b>", "Arial</script><script>document.title='font ran'</script>", "20", caption}};
    for (int k = 1; k < kMaxStyleSets; ++k)
        sets.append({QString::number(k), "Arial", "12", QString(25000, QChar(u'a' + k % 26))});
    const QByteArray text = StyleSetsText(sets);
    ASSERT_GT(text.size(), 1024 * 1024);
    const QString path = QDir(folder()).filePath("MySettings");
    WriteFile(path, text);

    ConnectCaptionStyle(*form, folder());
    form->ui.cmdFont->click();
    auto* preview = form->findChild<CaptionStylePreview*>();
    ASSERT_NE(preview, nullptr);
    ASSERT_NE(preview->browser(), nullptr);
    EXPECT_EQ(preview->styleSets(), sets);
    int shown = 0;
    QObject::connect(preview, &CaptionStylePreview::sampleShown,
                     [&](bool ok) { shown += ok ? 1 : 100; });
    ASSERT_TRUE(RunEventsUntil([&] { return shown == 1; }, 30000));
    preview->applySavedSettings(0);
    Control<QPushButton>(*preview, "cmdShowthissample")->click();
    ASSERT_TRUE(RunEventsUntil([&] { return shown == 2; }, 30000));

    QVariant seen;
    preview->browser()->runScript(
        "var read; try { var x = new XMLHttpRequest(); x.open('GET', 'file:///etc/hostname', "
        "false);"
        " x.send(); read = 'read ' + x.responseText.length; } catch (e) { read = 'refused'; }"
        "var t = document.getElementById('text');"
        "[document.title, document.images.length, document.getElementsByTagName('iframe').length,"
        " t.textContent, getComputedStyle(t).textAlign, read].join('|')",
        [&](const QVariant& v) { seen = v; });
    ASSERT_TRUE(RunEventsUntil([&] { return seen.isValid(); }, 10000));
    EXPECT_EQ(seen.toString(), "ACTUAL WEB SAMPLE|0|0|" + caption + "|center|refused");

    Control<QPushButton>(*preview, "cmdExit")->click();
    ASSERT_TRUE(RunEventsUntil([&] { return form->findChild<CaptionStylePreview*>() == nullptr; }));
    EXPECT_EQ(ReadFile(path), text);
}
