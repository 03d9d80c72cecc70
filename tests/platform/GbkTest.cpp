// GBK at the file boundary: round trips and the bytes that are not GBK.
#include "platform/Gbk.h"

#include <gtest/gtest.h>

TEST(Gbk, RoundTripsSimplifiedAndTraditionalText)
{
    const QString text = QStringLiteral("東方之珠 華 億 質 爱情 ABC 123");
    const QByteArray bytes = platform::toGbk(text);
    EXPECT_EQ(bytes.left(2), QByteArray("\x96\x7C", 2)) << "東 has '|' as its second byte";
    EXPECT_EQ(platform::fromGbk(bytes), text);
}

TEST(Gbk, StrayBytesBecomeReplacementCharactersWithoutSwallowingTheNext)
{
    EXPECT_EQ(platform::fromGbk(QByteArrayView("\x81|x", 3)), QStringLiteral("\u4E85x")) << "7C is a valid second byte";
    EXPECT_EQ(platform::fromGbk(QByteArrayView("\xFF|x", 3)), QStringLiteral("\uF8F5|x"));
    EXPECT_EQ(platform::fromGbk(QByteArrayView("\x80\x81|", 3)), QStringLiteral("\u20AC\u4E85"));
    EXPECT_EQ(platform::fromGbk(QByteArrayView("\x81\x7F|\xC8\x41", 5)), QStringLiteral("\uFFFD\x7F|華"))
        << "7F is no second byte; 41 ('A') is";
    EXPECT_EQ(platform::fromGbk(QByteArrayView("a\x81\r\n", 4)), QStringLiteral("a\uFFFD\r\n"));
    EXPECT_EQ(platform::fromGbk(QByteArrayView("ab\x81", 3)), QStringLiteral("ab\uFFFD"))
        << "a lead byte alone at the end is not dropped";
}
