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

QString Str(const QJsonArray& shots, int i, const char* key) {
    return shots[i][QLatin1String(key)].toString();
}
int Int(const QJsonArray& shots, int i, const char* key) {
    return shots[i][QLatin1String(key)].toInt(-1);
}
QStringList Alerts(const QJsonArray& shots, int i) {
    QStringList out;
    for (const QJsonValue& v : shots[i][QStringLiteral("alerts")].toArray())
        out << v.toString();
    return out;
}
} // namespace

TEST_F(AllCodeInNode, SyntaxIsValidInEveryBackgroundMode) {
    for (Background mode : {Background::OnePicture, Background::PicturePerSlide,
                            Background::OneColor, Background::ColorPerSlide}) {
        SlideShowProject p = MakeShow(3, mode);
        // Text that would break a script string if it went in raw (double
        // quotes are turned into apostrophes before any page is written).
        p.slide(1).Caption = QStringLiteral("C:\\shows\\new\r\n'quoted' it's <b> & </script>");
        p.slide(2).Caption = QStringLiteral("ends in a backslash\\");
        p.settings.FontInUse = QStringLiteral("Font\\Name\n");
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
    EXPECT_EQ(Str(s, 2, "picture"), "pic1.jpg");
    EXPECT_EQ(Str(s, 2, "status"), "Picture #1 of 6");
    EXPECT_EQ(Str(s, 3, "picture"), "pic4.jpg");
    EXPECT_EQ(Int(s, 3, "current"), 3);
    // T steps 5 from index 3: the last slide, the end message, current 5.
    EXPECT_EQ(Str(s, 4, "picture"), "pic6.jpg");
    EXPECT_EQ(Int(s, 4, "current"), 5);
    EXPECT_EQ(Alerts(s, 4), QStringList{"You are at the End of the Slide Show! Press: 'Back'"});
    // B goes back one from there.
    EXPECT_EQ(Str(s, 5, "picture"), "pic5.jpg");
    EXPECT_EQ(Int(s, 5, "current"), 4);
    EXPECT_TRUE(Alerts(s, 5).isEmpty());
    EXPECT_EQ(Str(s, 5, "caption"), "line one\r\nC:\\two");
    EXPECT_EQ(Str(s, 5, "captionFont"), "Times New Roman");
    // R steps 5 back from index 4: the first slide and the beginning message.
    EXPECT_EQ(Str(s, 6, "picture"), "pic1.jpg");
    EXPECT_EQ(Int(s, 6, "current"), 0);
    EXPECT_EQ(Alerts(s, 6), QStringList{"You are at the beginning! Press: 'Forward'"});
    EXPECT_EQ(Str(s, 6, "caption"), "Slide 1");
}

TEST_F(AllCodeInNode, NetscapePageWithoutForm1ShowsPictures) {
    const SlideShowProject p = MakeShow(6, Background::OnePicture);
    const QJsonArray s = Play(p, "netscape", "modern",
                              {"hasbutscaps(true,false)", "startdisplay()", "changedisplay(0)",
                               "checkIt(1),picnum(),resetnetscapebutton()", "autorun()", "tick",
                               "checkIt(-1),picnum(),resetnetscapebutton()", "tick"});
    ASSERT_EQ(s.size(), 8);
    EXPECT_EQ(Str(s, 0, "bName"), "Netscape");
    EXPECT_FALSE(s[0][QStringLiteral("browsercompatible")].toBool());
    EXPECT_EQ(Str(s, 1, "background"), "");
    EXPECT_EQ(Str(s, 2, "picture"), "pic1.jpg");
    EXPECT_EQ(Str(s, 3, "picture"), "pic2.jpg");
    EXPECT_EQ(Str(s, 3, "ff"), "    Forward #2 of 6    ");
    EXPECT_EQ(Str(s, 3, "bb"), "    Back #2 of 6     ");
    // Auto run keeps its own position and runs every 4000 ms.
    EXPECT_EQ(Str(s, 4, "aut"), " Stop ");
    EXPECT_EQ(Str(s, 4, "ff"), "  Forward  ");
    EXPECT_EQ(s[4][QStringLiteral("timers")].toArray(), QJsonArray{4000});
    EXPECT_EQ(Str(s, 5, "picture"), "pic2.jpg");
    EXPECT_EQ(Str(s, 5, "aut"), "Stop #2 of 6");
    EXPECT_EQ(s[5][QStringLiteral("timers")].toArray(), QJsonArray{4000});
    // A step button stops auto run; the pending timer then does nothing.
    EXPECT_EQ(Str(s, 6, "picture"), "pic1.jpg");
    EXPECT_EQ(Str(s, 6, "aut"), " Auto Run ");
    EXPECT_EQ(Str(s, 7, "picture"), "pic1.jpg");
    EXPECT_TRUE(s[7][QStringLiteral("timers")].toArray().isEmpty());
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
    EXPECT_EQ(Str(s, 2, "bgColor"), "#010000");
    EXPECT_EQ(Str(s, 2, "caption"), "Slide 1");
    EXPECT_TRUE(Str(s, 2, "filter").startsWith("progid:DXImageTransform.Microsoft."));
    // Started: Stop between two blanks each side, and the plain step labels.
    EXPECT_EQ(Str(s, 3, "aut"), "  Stop  ");
    EXPECT_EQ(Str(s, 3, "autTitle"), "Press any button to Stop auto mode!");
    EXPECT_EQ(Str(s, 3, "ff"), "  Forward  ");
    EXPECT_EQ(Str(s, 3, "bb"), "  Back  ");
    EXPECT_EQ(Str(s, 4, "aut"), "Stop #2 of 6");
    EXPECT_EQ(Str(s, 4, "bgColor"), "#020000");
    EXPECT_EQ(Str(s, 4, "picture"), "pic2.jpg");
    // A step ends auto run and relabels the buttons; its title has no "!".
    EXPECT_EQ(Str(s, 5, "picture"), "pic3.jpg");
    EXPECT_FALSE(s[5][QStringLiteral("auto")].toBool());
    EXPECT_EQ(Str(s, 5, "aut"), "Auto Run");
    EXPECT_EQ(Str(s, 5, "autTitle"), "Press this Button to Start Movie Mode");
    EXPECT_EQ(Str(s, 5, "ff"), "Forward #3 of 6");
    EXPECT_EQ(Str(s, 5, "bb"), " Back #3 of 6");
    // Stopped by the same button that started it.
    EXPECT_TRUE(s[6][QStringLiteral("auto")].toBool());
    EXPECT_FALSE(s[7][QStringLiteral("auto")].toBool());
    EXPECT_EQ(Str(s, 7, "aut"), "Auto Run");
    EXPECT_EQ(Str(s, 7, "autTitle"), "Press this Button to Start Movie Mode!");
}

TEST_F(AllCodeInNode, BrowserNameAndVersionDecideTheTransitions) {
    const SlideShowProject p = MakeShow(3, Background::OneColor);
    struct Case {
        const char* browser;
        const char* name;
        const char* version;
        bool transitions;
    };
    for (const Case& c :
         {Case{"ie", "Microsoft Internet Explorer", "6.0", true},
          Case{"ie50", "Microsoft Internet Explorer", "5.0", false},
          Case{"opera", "Opera", "9.80", false}, Case{"netscape4", "Netscape", "4.7", false},
          Case{"modern", "Netscape", "537.36", false}}) {
        const QJsonArray s = Play(p, "form1", c.browser, {"hasbutscaps(false,true)"});
        ASSERT_EQ(s.size(), 1) << c.browser;
        EXPECT_EQ(Str(s, 0, "bName"), c.name) << c.browser;
        EXPECT_EQ(Str(s, 0, "bVer"), c.version) << c.browser;
        EXPECT_EQ(s[0][QStringLiteral("browsercompatible")].toBool(), c.transitions) << c.browser;
    }
}
