#include "compiler/PageFile.h"
#include "compiler/PageText.h"

#include "core/PrintQt.h"

#include <gtest/gtest.h>

TEST(PageFile, WesternTextIsWindows1252WithOneCrLf) {
    const QString text = QString::fromUtf8("<P>Caf\u00e9 \u20ac5 \u201cq\u201d \u2013 "
                                           "\u0152uvre \u00ff</P>\r\nend");
    const QByteArray expected("<P>Caf\xE9 \x80"
                              "5 \x93q\x94 \x96 \x8Cuvre \xFF</P>\r\nend\r\n");
    EXPECT_EQ(EncodePageText(text), expected);
    EXPECT_EQ(EncodePageText(QString()), QByteArray("\r\n"));
}

TEST(PageFile, EveryHighControlByteOfWindows1252) {
    // Bytes 0x80 to 0x9F with their characters; the five unassigned bytes
    // stand for the C1 controls of the same value.
    const char16_t chars[] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int i = 0; i < 32; ++i) {
        const QByteArray bytes = EncodePageText(QString(QChar(chars[i])));
        ASSERT_EQ(bytes.size(), 3) << i;
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x80 + i) << i;
    }
}

TEST(PageFile, TextOutsideWindows1252IsUtf8WithBom) {
    // A C1 control that Windows-1252 gives another character, Greek, CJK and
    // a character outside the basic plane: none is lost.
    for (const QString& text :
         {QString::fromUtf8("caf\u00e9 \u0080"),
          QString::fromUtf8("\u0391\u03b8\u03ae\u03bd\u03b1"),
          QString::fromUtf8("\u5bb6\u65cf \u00e9"), QString::fromUtf8("sun \U0001F31E")}) {
        const QByteArray bytes = EncodePageText(text);
        ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << text.toStdString();
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(QString::fromUtf8(bytes.mid(3, bytes.size() - 5)), text);
    }
}

// Project text goes into script strings with its backslashes and line ends
// escaped, and nothing else changed.
TEST(PageText, ScriptStringsEscapeBackslashesAndLineEnds) {
    EXPECT_EQ(ScriptStringText("a\\b\r\nc 'd' & <e>"), "a\\\\b\\r\\nc 'd' & <e>");
}
