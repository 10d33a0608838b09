#include "platform/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EncodesTheCodePageAndQuestionMarksTheRest) {
    EXPECT_EQ(cp1252::encode(QStringLiteral("Ação €‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ")),
              QByteArray("A\xE7\xE3o \x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91"
                         "\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"));
    EXPECT_EQ(cp1252::encode(QStringLiteral("Ω中🚚")), QByteArray("???"));
    EXPECT_EQ(cp1252::decode(QByteArray("\x80\xE9\x9F")), QStringLiteral("€éŸ"));
}

TEST(Cp1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
}
