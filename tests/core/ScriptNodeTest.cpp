#include "ScriptShows.h"
#include "TestFiles.h"
#include "compiler/ScriptLibrary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The generated allcode.js run by node: a syntax check for every background
// mode, and the navigation run against a stand-in of the browser objects
// (tests/e2e/allcode_harness.js).
namespace {
struct NodeResult {
    int exitCode = -1;
    QString out;
    QString err;
};

class AllCodeInNode : public ::testing::Test {
protected:
    void SetUp() override {
        node = QStandardPaths::findExecutable(QStringLiteral("node"));
        ASSERT_FALSE(node.isEmpty())
            << "node is not installed; ./scripts/test.sh installs nodejs for these tests";
        ASSERT_TRUE(dir.isValid());
    }

    QString WriteScript(const SlideShowProject& p) {
        WriteFile(dir.filePath(QStringLiteral("allcode.js")), AllCode(p).toUtf8());
        return dir.filePath(QStringLiteral("allcode.js"));
    }

    NodeResult Node(const QStringList& args) {
        QProcess proc;
        proc.start(node, args);
        NodeResult r;
        if (!proc.waitForFinished(20000)) {
            proc.kill();
            proc.waitForFinished();
            r.err = QStringLiteral("node did not finish");
            return r;
        }
        r.exitCode = proc.exitStatus() == QProcess::NormalExit ? proc.exitCode() : -1;
        r.out = QString::fromUtf8(proc.readAllStandardOutput());
        r.err = QString::fromUtf8(proc.readAllStandardError());
        return r;
    }

    // Plays `steps` on a page ("form1" or "netscape") in a browser ("modern"
    // or "ie"); one snapshot per step.
    QJsonArray Play(const SlideShowProject& p, const char* page, const char* browser,
                    const QStringList& steps) {
        const QString source = qEnvironmentVariable("PEVRANO_SOURCE_DIR");
        if (source.isEmpty()) {
            ADD_FAILURE() << "PEVRANO_SOURCE_DIR is not set (run the tests through ctest)";
            return {};
        }
        const NodeResult r =
            Node(QStringList{source + QStringLiteral("/tests/e2e/allcode_harness.js"),
                             WriteScript(p), QString::fromUtf8(page), QString::fromUtf8(browser)} +
                 steps);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QJsonArray snapshots = QJsonDocument::fromJson(r.out.toUtf8()).array();
        EXPECT_EQ(snapshots.size(), steps.size()) << r.out.toStdString();
        for (const QJsonValue& s : snapshots)
            EXPECT_TRUE(s[QStringLiteral("error")].isNull())
                << s[QStringLiteral("step")].toString().toStdString() << ": "
                << s[QStringLiteral("error")].toString().toStdString();
        return snapshots;
    }

    QString node;
    QTemporaryDir dir;
};

// Compares what a step's snapshot must hold, given as JSON; keys left out
// are not compared.
void ExpectStep(const QJsonArray& shots, int i, const char* expected) {
    const auto text = [](const QJsonValue& v) {
        return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).toStdString();
    };
    const QJsonObject want = QJsonDocument::fromJson(expected).object();
    ASSERT_FALSE(want.isEmpty()) << "bad expectation: " << expected;
    for (auto it = want.begin(); it != want.end(); ++it)
        EXPECT_EQ(text(shots[i][it.key()]), text(it.value()))
            << "step " << i << ": " << it.key().toStdString();
}
} // namespace

TEST_F(AllCodeInNode, SyntaxIsValidInEveryBackgroundMode) {
    for (Background mode : {Background::OnePicture, Background::PicturePerSlide,
                            Background::OneColor, Background::ColorPerSlide}) {
        SlideShowProject p = MakeShow(3, mode);
        // Text that would break a script string if it went in raw (the
        // classic pages show a caption's double quotes as apostrophes; a
        // typed font name keeps them).
        p.slide(1).Caption = QStringLiteral("C:\\shows\\new\r\n'quoted' it's <b> & </script>");
        p.slide(2).Caption = QStringLiteral("ends in a backslash\\ \"said\" \u2028 \u2029");
        p.settings.FontInUse = QStringLiteral("Font\\\"Name\n");
        const NodeResult r = Node({QStringLiteral("--check"), WriteScript(p)});
        EXPECT_EQ(r.exitCode, 0) << static_cast<int>(mode) << ": " << r.err.toStdString();
    }
}

TEST_F(AllCodeInNode, FastForwardPastTheEndStopsOnLastSlide) {
    SlideShowProject p = MakeShow(6, Background::OneColor);
    p.settings.AmountOfSlidesFFRev = 5;
    p.slide(5).Caption = QStringLiteral("line one\r\nC:\\two");
    const QJsonArray s = Play(p, "form1", "modern",
                              {"hasbutscaps(true,true)", "startdisplay()", "changedisplay(0)",
                               "checkIt(3)", "key:84", "key:66", "key:82"});
    ASSERT_EQ(s.size(), 7);
    ExpectStep(s, 3, R"({"picture": "pic4.jpg", "current": 3})");
    // T steps 5 from index 3: the last slide, the end message, current 5.
    ExpectStep(s, 4, R"({"picture": "pic6.jpg", "current": 5,
                         "alerts": ["You are at the End of the Slide Show! Press: 'Back'"]})");
    // B goes back one from there.
    ExpectStep(s, 5, R"({"picture": "pic5.jpg", "current": 4, "alerts": [],
                         "caption": "line one\r\nC:\\two", "captionFont": "Times New Roman"})");
    // R steps 5 back from index 4: the first slide and the beginning message.
    ExpectStep(s, 6, R"({"picture": "pic1.jpg", "current": 0, "caption": "Slide 1",
                         "alerts": ["You are at the beginning! Press: 'Forward'"]})");
}

TEST_F(AllCodeInNode, NetscapePageWithoutForm1ShowsPictures) {
    const SlideShowProject p = MakeShow(6, Background::OnePicture);
    const QJsonArray s = Play(p, "netscape", "modern",
                              {"hasbutscaps(true,false)", "startdisplay()", "changedisplay(0)",
                               "checkIt(1),picnum(),resetnetscapebutton()", "autorun()", "tick",
                               "checkIt(-1),picnum(),resetnetscapebutton()", "tick"});
    ASSERT_EQ(s.size(), 8);
    ExpectStep(s, 0, R"({"bName": "Netscape", "browsercompatible": false})");
    ExpectStep(s, 1, R"({"background": ""})");
    ExpectStep(s, 2, R"({"picture": "pic1.jpg"})");
    ExpectStep(s, 3, R"({"picture": "pic2.jpg", "ff": "    Forward #2 of 6    ",
                         "bb": "    Back #2 of 6     "})");
    // Auto run keeps its own position and runs every 4000 ms.
    ExpectStep(s, 4, R"({"aut": " Stop ", "ff": "  Forward  ", "timers": [4000]})");
    ExpectStep(s, 5, R"({"picture": "pic2.jpg", "aut": "Stop #2 of 6", "timers": [4000]})");
    // A step button stops auto run; the pending timer then does nothing.
    ExpectStep(s, 6, R"({"picture": "pic1.jpg", "aut": " Auto Run "})");
    ExpectStep(s, 7, R"({"picture": "pic1.jpg", "timers": []})");
}

// Auto run started by its button, ended by a step, then started and stopped
// by the button again; each way leaves its own labels and title.
TEST_F(AllCodeInNode, InternetExplorerGetsTransitionsSlideColoursAndAutoRunLabels) {
    const SlideShowProject p = MakeShow(6, Background::ColorPerSlide);
    const QJsonArray s =
        Play(p, "form1", "ie",
             {"hasbutscaps(true,true)", "startdisplay()", "changedisplay(0)", "togglebuttons()",
              "tick", "checkIt(2),picnum()", "togglebuttons()", "togglebuttons()"});
    ASSERT_EQ(s.size(), 8);
    ExpectStep(s, 2, R"({"bgColor": "#010000", "caption": "Slide 1"})");
    EXPECT_TRUE(
        s[2][QStringLiteral("filter")].toString().startsWith("progid:DXImageTransform.Microsoft."));
    // Started: Stop between two blanks each side, and the plain step labels.
    ExpectStep(s, 3, R"({"aut": "  Stop  ", "autTitle": "Press any button to Stop auto mode!",
                         "ff": "  Forward  ", "bb": "  Back  "})");
    ExpectStep(s, 4, R"({"aut": "Stop #2 of 6", "bgColor": "#020000", "picture": "pic2.jpg"})");
    // A step ends auto run and relabels the buttons; its title has no "!".
    ExpectStep(s, 5, R"({"picture": "pic3.jpg", "auto": false, "aut": "Auto Run",
                         "autTitle": "Press this Button to Start Movie Mode",
                         "ff": "Forward #3 of 6", "bb": " Back #3 of 6"})");
    // Stopped by the same button that started it.
    ExpectStep(s, 6, R"({"auto": true})");
    ExpectStep(s, 7, R"({"auto": false, "aut": "Auto Run",
                         "autTitle": "Press this Button to Start Movie Mode!"})");
}

// Internet Explorer 6 gets transitions (above) and a modern browser does not
// (the Netscape page); nor do an older Internet Explorer or Opera.
TEST_F(AllCodeInNode, OnlyInternetExplorerFromVersionSixGetsTransitions) {
    const SlideShowProject p = MakeShow(3, Background::OneColor);
    for (const char* browser : {"ie50", "opera"}) {
        const QJsonArray s = Play(p, "form1", browser, {"hasbutscaps(false,true)"});
        ASSERT_EQ(s.size(), 1) << browser;
        EXPECT_EQ(s[0][QStringLiteral("bVer")].toString(), browser[0] == 'o' ? "9.80" : "5.0");
        EXPECT_FALSE(s[0][QStringLiteral("browsercompatible")].toBool()) << browser;
    }
}
