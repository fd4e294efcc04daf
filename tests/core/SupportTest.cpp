#include "support/HelpPage.h"
#include "support/MailtoAddress.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(MailtoAddress, FieldsJoinInOrderWithEachValueEncoded) {
    EXPECT_EQ(MailtoAddress({"a", {}, {}, "Hi", {}, {}}), "mailto:a?Subject=Hi");
    // The path in double quotes, encoded so it reads back as it was typed.
    const QString attach = MailtoAddress({"a", {}, {}, {}, {}, "C:\\x.jpg"});
    EXPECT_EQ(attach, "mailto:a?Attach=%22C:%5Cx.jpg%22");
    EXPECT_EQ(QUrl::fromPercentEncoding(attach.toLatin1()), "mailto:a?Attach=\"C:\\x.jpg\"");
    EXPECT_EQ(MailtoAddress({"a@b.example", "c@d.example", "e@f.example", "S", "B", "f"}),
              "mailto:a@b.example?CC=c@d.example&BCC=e@f.example&Subject=S&Body=B&Attach=%22f%22");
    // An "&" or "?" in a field no longer cuts the message short.
    EXPECT_EQ(MailtoAddress({"a", {}, {}, "Q&A? 1+1=2 #1", "caf\u00e9", {}}),
              "mailto:a?Subject=Q%26A%3F%201%2B1%3D2%20%231&Body=caf%C3%A9");
}

TEST(HelpPage, WindowNamePicksThePageBesideTheHelpFile) {
    const QString source = qEnvironmentVariable("PEVRANO_SOURCE_DIR");
    ASSERT_FALSE(source.isEmpty()) << "run the tests through ctest";
    const QString helpFile = source + QStringLiteral("/assets/Pevrano.chm");
    const QString help = source + QStringLiteral("/assets/help/");
    EXPECT_EQ(HelpPage(helpFile, " tintara ").toLocalFile(), help + "tintara.html");
    EXPECT_EQ(HelpPage(helpFile, "slideshow", 3).toString(),
              QUrl::fromLocalFile(help + "slideshow.html").toString() + "#topic3");
    EXPECT_EQ(HelpPage(helpFile, "nosuchwindow").toLocalFile(), help + "slideshow.html");
}

// Every link and picture of the help pages leads to a file that is there.
TEST(HelpPage, LocalLinksOfTheHelpPagesResolve) {
    const QDir help(qEnvironmentVariable("PEVRANO_SOURCE_DIR") + QStringLiteral("/assets/help"));
    const QStringList pages = help.entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 8);
    static const QRegularExpression link(QStringLiteral(R"((?:href|src)="([^"#:]+)(#[^"]*)?")"));
    for (const QString& page : pages) {
        QFile file(help.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto& m : link.globalMatch(text))
            EXPECT_TRUE(help.exists(m.captured(1)))
                << page.toStdString() << " -> " << m.captured(1).toStdString();
    }
}
