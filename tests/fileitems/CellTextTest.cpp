#include "fileitems/CellText.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace fileitems;

TEST(SizeText, CutsToOneDecimalOfThousands)
{
    const struct {
        int64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 B"},
        {999, "999 B"},
        {1000, "1.0 KB"},
        {1299, "1.2 KB"},
        {1999, "1.9 KB"},
        {123456, "123.4 KB"},
        {999999, "999.9 KB"},
        {1234567, "1.2 MB"},
        {4294967295LL, "4.2 GB"},
        {2 * 2000000000LL, "4.0 GB"},
        {5000000000LL, "5.0 GB"},
        {999999999999999LL, "999.9 TB"},
        {1000000000000000LL, "1.0 PB"},
        {INT64_MAX, "9.2 EB"},
        {-1, "0 B"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sizeText(c.bytes), QString::fromLatin1(c.text)) << c.bytes;
}

TEST(SizeKey, SortsAsText)
{
    EXPECT_EQ(sizeKey(0), QStringLiteral("000,000,000,000,000,000"));
    EXPECT_EQ(sizeKey(1024), QStringLiteral("000,000,000,000,001,024"));
    EXPECT_EQ(sizeKey(5000000000LL), QStringLiteral("000,000,005,000,000,000"));
    const int64_t ascending[] = {0, 9, 10, 999, 1000, 4294967295LL, 4294967296LL,
                                 999999999999999999LL};
    for (size_t i = 1; i < std::size(ascending); ++i)
        EXPECT_LT(sizeKey(ascending[i - 1]), sizeKey(ascending[i])) << ascending[i];
}

TEST(SqlDateText, ZeroPadsLocalTime)
{
    const QDateTime utc(QDate(2004, 3, 7), QTime(5, 6, 9), QTimeZone::utc());
    const QDateTime local = utc.toLocalTime();
    EXPECT_EQ(sqlDateText(utc), local.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    EXPECT_EQ(sqlDateText(QDateTime(QDate(2004, 3, 7), QTime(5, 6, 9))),
              QStringLiteral("2004-03-07 05:06:09"));
    EXPECT_EQ(sqlDateText(QDateTime()), QString());
}
