// SETUP: the banner, the mailbox and output dialogs, and the opening of both files. The error trap covers only
// the open of a new output file: a bad path asks again, an existing file is replaced.
#include "converter/converter.h"
#include "files/dialog_expressions.h"
#include "host/print_statement.h"
#include "host/run_phase.h"
#include "statements/statements.h"
#include "texts.h"

namespace {
constexpr const char* kStars = "*************************************************";
constexpr std::string_view kCancelled{"\x1b", 1};
}  // namespace

Section<Converter> SetupStatements() {
  return {
      Label("SETUP"),
      {100, [](Converter&) { Print(kConsole, Tab{10}, kStars); }},
      {101, [](Converter&) { Print(kConsole); }},
      {102, [](Converter&) { Print(kConsole, Tab{10}, texts::BannerTitle); }},
      {103, [](Converter&) { Print(kConsole, Tab{10}, texts::BannerVersion); }},
      {104, [](Converter&) { Print(kConsole, Tab{10}, texts::BannerDates); }},
      {105, [](Converter&) { Print(kConsole, Tab{10}, kStars); }},
      {106, [](Converter&) { Print(kConsole); }},
      {107, [](Converter&) { Print(kConsole); }},
      {110, [](Converter& c) { if (!Same(c.mailbox_path, "")) ChDir(c.mailbox_dir); }},
      {120, [](Converter& c) {
         Let(c.mailbox_path, OpenFileDialog(0, texts::MailboxDialogTitle, "*.mbx", texts::MailboxFilter, 0));
       }},
      {130, [](Converter& c) { if (Same(c.mailbox_path, kCancelled)) EndRun(0); }},
      {140, [](Converter& c) { OpenFile(c.mailbox_path, kMailboxChannel, file_mode::kInput); }},
      {150, [](Converter& c) { DirOpenOn(1, c.mailbox_path); }},
      {151, [](Converter&) { DirNext(1); }},
      {152, [](Converter& c) { if (DirFound(1)) Let(c.mailbox_name, DirName(1)); }},
      {153, [](Converter&) { DirClose(1); }},
      {160, [](Converter& c) { Let(c.mailbox_dir, Left(c.mailbox_path, Len(c.mailbox_path) - Len(c.mailbox_name))); }},
      {170, [](Converter& c) { Print(kConsole, c.mailbox_path, kComma, texts::MailboxAnnouncement); }},
      Label("ask output"),
      {180, [](Converter&) { Print(kConsole); }},
      If(190, [](Converter& c) { return Same(c.out_path, ""); }),
        {200, [](Converter& c) {
           Let(c.out_path_new, SaveFileDialog(0, texts::OutputDialogTitleFirst, "nivoka.ren", texts::OutputFilter, 1));
         }},
      Else(),
        {210, [](Converter& c) { ChDir(c.out_dir); }},
        {211, [](Converter& c) {
           Let(c.out_path_new, SaveFileDialog(0, texts::OutputDialogTitleAgain, c.out_path, texts::OutputFilter, 1));
         }},
      EndIf(),
      {220, [](Converter& c) { if (Same(c.out_path_new, kCancelled)) EndRun(0); }},
      {221, [](Converter& c) { Let(c.out_path_new, LTrim(c.out_path_new)); }},
      // The whole path is searched: a "." in a folder name also counts.
      {230, [](Converter& c) { if (InStr(c.out_path_new, ".") <= 1) Let(c.out_path_new, Cat(c.out_path_new, ".ren")); }},
      If(240, [](Converter& c) { return Same(c.out_path_new, c.out_path); }),
        {241, [](Converter& c) { OpenFile(c.out_path, kOutputChannel, file_mode::kAppend); }},
        GoTo(242, "output open"),
      EndIf(),
      {250, [](Converter& c) { Let(c.out_path, c.out_path_new); }},
      OnErrorGoTo(251, "output open failed"),
      {252, [](Converter& c) { OpenFile(c.out_path, kOutputChannel, file_mode::kOutput); }},
      DisarmErrorTrap(253),
      Label("output open"),
      {260, [](Converter& c) { Print(kConsole, c.out_path, texts::OutputAnnouncement); }},
      {270, [](Converter& c) { DirOpenOn(2, c.out_path); }},
      {271, [](Converter&) { DirNext(2); }},
      {272, [](Converter& c) { if (DirFound(2)) Let(c.out_name, DirName(2)); }},
      {273, [](Converter&) { DirClose(2); }},
      {275, [](Converter& c) { Let(c.out_dir, Left(c.out_path, Len(c.out_path) - Len(c.out_name))); }},
      Return(276),

      Label("output open failed"),
      If(280, [](Converter&) { return ErrorNumber() == error::kBadFileName; }),
        {281, [](Converter&) { Print(kConsole); }},
        {282, [](Converter& c) { Let(c.out_path, ""); }},
        {283, [](Converter&) { Print(kConsole, texts::BadPathLine1); }},
        {284, [](Converter&) { Print(kConsole, texts::BadPathLine2); }},
        ResumeAtLabel(285, "ask output"),
      ElseIf(286, [](Converter&) { return ErrorNumber() == error::kFileExists; }),
        {287, [](Converter& c) { Kill(c.out_path); }},
        {288, [](Converter& c) { OpenFile(c.out_path, kOutputChannel, file_mode::kOutput); }},
        DisarmErrorTrap(289),
        ResumeAtLabel(290, "output open"),
      Else(),
        DisarmErrorTrap(291),
        ResumeAtLabel(292, "output open"),
      EndIf(),
  };
}
