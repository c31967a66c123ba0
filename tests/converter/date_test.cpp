// The Date value split, the month and zone tables and the move to Japan time.
#include "converter_fixture.h"
#include "texts.h"

namespace {

class Dates : public ConverterTest {
 protected:
  // The three date texts of the record, joined by "|".
  std::string Convert(std::string_view date) {
    AssignConstant(values.hdr_value, date);
    EXPECT_EQ(RunLocal("DATECONV"), 0);
    return TextOf(values.date_local) + "|" + TextOf(values.date_japan) + "|" + TextOf(values.date_title);
  }
};

TEST_F(Dates, WorkedExamples) {
  EXPECT_EQ(Convert("Fri, 29 Aug 1997 10:05:00 +0900"), "1997/08/29 10:05:00 +0900|1997/08/29 10:05:00|97/08/29");
  EXPECT_EQ(Convert("Thu, 28 Aug 97 23:30:00 -0700 (PDT)"),
            "1997/08/28 23:30:00 -0700 (PDT)|1997/08/29 15:30:00|97/08/29");
  EXPECT_EQ(Convert("Wed, 31 Dec 1997 20:00:00 GMT"), "1997/12/31 20:00:00 GMT|1998/01/01 05:00:00|98/01/01");
  EXPECT_EQ(Convert("Sat, 1 Mar 1997 02:00:00 EST"), "1997/03/01 02:00:00 EST|1997/03/01 16:00:00|97/03/01");
  EXPECT_EQ(Convert("Sat, 1 Mar 1997 01:00:00 +1100"), "1997/03/01 01:00:00 +1100|1997/02/28 23:00:00|97/02/28");
  EXPECT_EQ(Convert("Fri, 1 Mar 1996 01:00:00 +1100"), "1996/03/01 01:00:00 +1100|1996/02/29 23:00:00|96/02/29");
  EXPECT_EQ(Convert("Thu, 1 Jan 1998 00:30:00 +1000"), "1998/01/01 00:30:00 +1000|1997/12/31 23:30:00|97/12/31");
  EXPECT_EQ(Convert("Mon, 1 Jan 1996 03:00:00 +1200"), "1996/01/01 03:00:00 +1200|1996/01/01 00:00:00|96/01/01");
}

TEST_F(Dates, YearsZonesAndOddSplits) {
  EXPECT_EQ(Convert("Mon, 5 May 05 10:00:00 +0900"), "2005/05/05 10:00:00 +0900|2005/05/05 10:00:00|05/05/05");
  EXPECT_EQ(Convert("Mon, 5 May 89 10:00:00 +0900"), "2089/05/05 10:00:00 +0900|2089/05/05 10:00:00|89/05/05");
  EXPECT_EQ(Convert("Mon, 5 May 097 10:00:00 +0900"), "097/05/05 10:00:00 +0900|097/05/05 10:00:00|97/05/05");
  // No comma: the first byte goes; a comma right before the day takes the day's first digit.
  EXPECT_EQ(Convert("29 Aug 1997 10:05:00 +0900"), "1997/08/09 10:05:00 +0900|1997/08/09 10:05:00|97/08/09");
  EXPECT_EQ(Convert("Fri,29 Aug 1997 10:05:00 +0900"), "1997/08/09 10:05:00 +0900|1997/08/09 10:05:00|97/08/09");
  EXPECT_EQ(Convert("Fri, 29 Aug 1997 10:05:00 gmt"), "1997/08/29 10:05:00 gmt|1997/08/29 19:05:00|97/08/29");
  EXPECT_EQ(Convert("Fri, 29 Aug 1997 10:05:00 UT"), "1997/08/29 10:05:00 UT|1997/08/30 02:05:00|97/08/30");
  EXPECT_EQ(Convert("Fri, 29 Aug 1997 10:05:00 +0530"), "1997/08/29 10:05:00 +0530|1997/08/29 14:05:00|97/08/29");
  EXPECT_EQ(Convert("Fri, 29 Aug 1997 10:05:00 +JST"), "1997/08/29 10:05:00 +JST|1997/08/29 19:05:00|97/08/29");
  EXPECT_EQ(Convert("Fri, 29 Aug 1997 9:05:00 +0000"), "1997/08/29 9:05:00 +0000|1997/08/29 18:05:00|97/08/29");
  EXPECT_EQ(Convert("Fri, 29 Aug 1997 10:05 +0000"), "1997/08/29 10:05 +0000|1997/08/29 1910:05|97/08/29");
  // A missing zone is Japan time; a missing time is hour 0.
  EXPECT_EQ(Convert("Fri, 29 Aug 1997 10:05:00"), "1997/08/29 10:05:00 |1997/08/29 10:05:00|97/08/29");
  EXPECT_EQ(Convert("Fri, 29 Aug 1997"), "1997/08/29  |1997/08/29 00|97/08/29");
}

TEST_F(Dates, DayMovesAcrossMonthsAndYears) {
  EXPECT_EQ(Convert("x, 30 Apr 1997 20:00:00 +0000"), "1997/04/30 20:00:00 +0000|1997/05/01 05:00:00|97/05/01");
  EXPECT_EQ(Convert("x, 28 Feb 1997 20:00:00 +0000"), "1997/02/28 20:00:00 +0000|1997/03/01 05:00:00|97/03/01");
  EXPECT_EQ(Convert("x, 28 Feb 1996 20:00:00 +0000"), "1996/02/28 20:00:00 +0000|1996/02/29 05:00:00|96/02/29");
  EXPECT_EQ(Convert("x, 1 Mar 1900 01:00:00 +1200"), "1900/03/01 01:00:00 +1200|1900/02/29 22:00:00|00/02/29");
}

TEST_F(Dates, UnknownNamesAreNotedOnTheConsole) {
  values.mail_count = 12;
  EXPECT_EQ(Convert("Fri, 29 aug 1997 10:05:00 xyz"), "1997/00/29 10:05:00 xyz|1997/00/29 10:05:00|97/00/29");
  EXPECT_EQ(Row(0), "error month aug");
  EXPECT_EQ(Row(1), std::string(10, ' ') + std::string(texts::UnlistedZone) + " 12  XYZ");
  Convert("Fri, 29 Aug 1997 10:05:00 UTC");
  EXPECT_NE(Row(2).find(" 12  UTC"), std::string::npos);
}

TEST_F(Dates, EmptyAndCommaEndedValuesLeaveEmptyParts) {
  EXPECT_EQ(Convert(""), "/00/0  |/00/0 00|/00/0");
  EXPECT_EQ(Convert("Fri,"), "/00/0  |/00/0 00|/00/0");
  EXPECT_EQ(report.number, 0);
}

TEST_F(Dates, AYearThatIsNotANumberInRangeIsARunTimeError) {
  AssignConstant(values.hdr_value, "Wed, 1 Jan 1E999 01:00:00 +1200");
  EXPECT_EQ(RunLocal("DATECONV"), 1);
  EXPECT_EQ(report.number, error::kOverflow);
}

}  // namespace
