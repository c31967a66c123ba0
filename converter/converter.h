// The converter's program-wide values, its statement sections (one per local routine) and the routines with
// parameters. Every value starts empty or 0 and lives for the whole run.
#pragma once

#include <cstdint>
#include <string>

#include "files/channels.h"
#include "files/file_statements.h"
#include "platform/dialogs.h"
#include "statements/named_routine.h"
#include "statements/routine.h"
#include "values/arrays.h"
#include "values/string_descriptor.h"

inline constexpr std::int32_t kMailboxChannel = 1;
inline constexpr std::int32_t kOutputChannel = 3;

// A one-dimensional array of strings, by upper bound or index.
struct StringArray {
  ArrayDescriptor descriptor;
  ArrayShape shape{};
  DimensionRequest Request(std::int32_t value) {
    return {ElementKind::String, 1, sizeof(StringDescriptor), &descriptor, &shape, {value}};
  }
};

struct Converter {
  // Three string arrays the program has always dimensioned at its start.
  StringArray string_array_1, string_array_2, string_array_3;
  // The driver.
  StringDescriptor mailbox_path{}, mailbox_name{}, mailbox_dir{};
  StringDescriptor out_path_new{}, out_path{}, out_name{}, out_dir{};
  // The mail reader.
  StringDescriptor line_text{}, second_char{};
  float line_len = 0, mail_count = 0, ctrlz_pos = 0;
  // The header parser and the subject key.
  StringDescriptor hdr_name{}, hdr_value{};
  StringDescriptor hdr_to{}, hdr_from{}, hdr_sender{}, hdr_cc{}, hdr_message_id{}, hdr_reference{};
  StringDescriptor subject_text{}, subject_key{}, subject_prev{};
  float colon_pos = 0, reply_colon_pos = 0;
  // The date and its zone.
  StringDescriptor date_day{}, date_month_name{}, date_month{}, date_year{}, date_time{}, date_zone{}, date_rest{};
  StringDescriptor zone_code{}, date_local{}, date_japan{}, date_title{};
  float date_cut = 0, zone_hours = 0, jst_hour = 0, day_num = 0, month_num = 0;
  // The record writer.
  StringDescriptor title_text{};
  float lt_pos = 0;
};

inline void LineInputFrom(std::int32_t channel, StringDescriptor& destination) {
  SelectInputChannel(channel);
  LineInput(destination);
}
inline bool AtEndOf(std::int32_t channel) { return EndOfFile(channel) != 0; }

// The main loop and SETUP, then the local routines, each a labelled section of the one statement list: the label is the routine's name.
Section<Converter> MainLoopStatements();
Section<Converter> SetupStatements();
Section<Converter> ConvertStatements();
Section<Converter> BodylineStatements();
Section<Converter> HdrlineStatements();
Section<Converter> SubjcleanStatements();
Section<Converter> RecordHeadStatements();
Section<Converter> RecordBodyLineStatements();
Section<Converter> RecordEndStatements();
Section<Converter> DateconvStatements();
Section<Converter> MonthnoStatements();
Section<Converter> ZoneconvStatements();
Section<Converter> ZonehoursStatements();
Section<Converter> PrevdayStatements();
Section<Converter> NextdayStatements();

// The conversion's local routines in one list after the given entry statements, which call into them.
Routine<Converter> ConverterRoutine(Section<Converter> entry);
// The whole program: the main loop, SETUP and the conversion.
Routine<Converter> MainProgram();
// The card file of an earlier run, offered by the first save dialog as a later pass offers the previous one:
// choosing it appends to it. Both are cp932; the folder ends with its separator.
struct EarlierOutput {
  std::string path;
  std::string folder;
};
// Runs the whole program on program-wide values, asking for files with these dialogs; returns RunMain's status.
int RunConverter(platform::FileDialogs& dialogs, const EarlierOutput* earlier = nullptr);

// How far the run has come, for the reports of a batch run between statements.
struct ConversionProgress {
  // Mails begun in the mailbox being converted, or in the last one once its channel is closed.
  std::uint32_t mails;
  // The mailbox channel's reading progress, while it is open.
  bool reading;
  ReadingProgress mailbox;
};
ConversionProgress CurrentConversion();

// The routines with parameters, all by reference.
struct SepFrame {
  StringDescriptor* source;
  StringDescriptor* first;
  StringDescriptor* rest;
  float p;
};
struct ZeronumFrame {
  StringDescriptor* text;
  StringDescriptor result;
};
struct CutsFrame {
  StringDescriptor* text;
  float* budget;
  StringDescriptor result;
  StringDescriptor a, b;
};
struct UnquoteFrame {
  StringDescriptor* text;
  StringDescriptor result;
  float p1, p2;
};
struct MdayFrame {
  float* month;
  float* year;
  float result;
  float p;
};

extern const NamedRoutine<SepFrame, &SepFrame::source, &SepFrame::first, &SepFrame::rest> SEP;
extern const NamedRoutine<ZeronumFrame, &ZeronumFrame::text> ZERONUM;
extern const NamedRoutine<CutsFrame, &CutsFrame::text, &CutsFrame::budget> CUTS;
extern const NamedRoutine<UnquoteFrame, &UnquoteFrame::text> UNQUOTE;
extern const NamedRoutine<MdayFrame, &MdayFrame::month, &MdayFrame::year> MDAY;
