// MONTHNO: the number of a month name; only the 24 names of the table are known.
#include <string_view>

#include "converter/converter.h"
#include "host/console_note.h"
#include "host/print_statement.h"
#include "statements/statements.h"

namespace {
bool IsMonth(Converter& c, std::string_view name, std::string_view capitals) {
  return Same(c.date_month_name, name) || Same(c.date_month_name, capitals);
}
}  // namespace

Section<Converter> MonthnoStatements() {
  return {
      Label("MONTHNO"),
      If(1800, [](Converter& c) { return IsMonth(c, "Jan", "JAN"); }),
        {1805, [](Converter& c) { Let(c.date_month, "01"); }},
      ElseIf(1810, [](Converter& c) { return IsMonth(c, "Feb", "FEB"); }),
        {1815, [](Converter& c) { Let(c.date_month, "02"); }},
      ElseIf(1820, [](Converter& c) { return IsMonth(c, "Mar", "MAR"); }),
        {1825, [](Converter& c) { Let(c.date_month, "03"); }},
      ElseIf(1830, [](Converter& c) { return IsMonth(c, "Apr", "APR"); }),
        {1835, [](Converter& c) { Let(c.date_month, "04"); }},
      ElseIf(1840, [](Converter& c) { return IsMonth(c, "May", "MAY"); }),
        {1845, [](Converter& c) { Let(c.date_month, "05"); }},
      ElseIf(1850, [](Converter& c) { return IsMonth(c, "Jun", "JUN"); }),
        {1855, [](Converter& c) { Let(c.date_month, "06"); }},
      ElseIf(1860, [](Converter& c) { return IsMonth(c, "Jul", "JUL"); }),
        {1865, [](Converter& c) { Let(c.date_month, "07"); }},
      ElseIf(1870, [](Converter& c) { return IsMonth(c, "Aug", "AUG"); }),
        {1875, [](Converter& c) { Let(c.date_month, "08"); }},
      ElseIf(1880, [](Converter& c) { return IsMonth(c, "Sep", "SEP"); }),
        {1885, [](Converter& c) { Let(c.date_month, "09"); }},
      ElseIf(1890, [](Converter& c) { return IsMonth(c, "Oct", "OCT"); }),
        {1895, [](Converter& c) { Let(c.date_month, "10"); }},
      ElseIf(1900, [](Converter& c) { return IsMonth(c, "Nov", "NOV"); }),
        {1905, [](Converter& c) { Let(c.date_month, "11"); }},
      ElseIf(1910, [](Converter& c) { return IsMonth(c, "Dec", "DEC"); }),
        {1915, [](Converter& c) { Let(c.date_month, "12"); }},
      Else(),
        {1920, [](Converter& c) { Let(c.date_month, "00"); }},
        {1925, [](Converter& c) {
           const ConsoleNote note;
           Print(kConsole, "error month ", c.date_month_name);
         }},
      EndIf(),
      Return(1930),
  };
}
