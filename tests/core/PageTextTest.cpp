#include "compiler/PageText.h"

#include <gtest/gtest.h>

TEST(PageText, ScriptTextValues) {
    EXPECT_EQ(ScriptBoolean(true), "true");
    EXPECT_EQ(ScriptBoolean(false), "false");
    EXPECT_EQ(IntText(-32768), "-32768");
    EXPECT_EQ(IntText(1000), "1000");
    EXPECT_EQ(Quoted("a b"), "\"a b\"");
    EXPECT_EQ(ScriptStringText("a\\b\r\nc 'd' & <e>"), "a\\\\b\\r\\nc 'd' & <e>");
}

TEST(PageText, BuilderEndsEveryLineWithCrLf) {
    PageBuilder b;
    b.line(u"<HTML>").line().lines({u"a", u"b"});
    EXPECT_EQ(b.text(), "<HTML>\r\n\r\na\r\nb\r\n");
}
