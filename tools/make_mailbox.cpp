// Writes a deterministic mailbox of realistic cp932 mail, as the mail client stores it, for the conversion
// benchmark.
//
// Usage: make_mailbox SIZE OUTPUT [SEED [PROFILE]]
//
// The mailbox holds whole mails until it reaches SIZE megabytes (1 MB = 1,000,000 bytes), or kilobytes when SIZE
// ends with "k"; the same size, seed and profile always give the same bytes. The profile "mixed" (the default) is
// everyday mail with bodies of several paragraphs and now and then an attachment; "headers" is short mail of about
// 300 bytes, five to seven header lines of every kind the card record uses and up to three body lines, which
// weighs the cost per mail. Every mail is header lines, an empty line, body lines and a line "." alone;
// every mail starts with a "From:" line and no body line is "." alone, so the mails split exactly where they were
// made. Lines end with CR LF.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

namespace {

// Japanese texts are written as their cp932 bytes; the comment shows each text.
// Family names, and their romaji in the same order for the addresses.
constexpr std::string_view kFamilyNames[] = {
    "\x8e\x52\x93\x63",  // 山田
    "\x97\xe9\x96\xd8",  // 鈴木
    "\x8d\xb2\x93\xa1",  // 佐藤
    "\x93\x63\x92\x86",  // 田中
    "\x8d\x82\x8b\xb4",  // 高橋
    "\x88\xc9\x93\xa1",  // 伊藤
    "\x93\x6e\x95\xd3",  // 渡辺
    "\x92\x86\x91\xba",  // 中村
    "\x8f\xac\x97\xd1",  // 小林
    "\x89\xc1\x93\xa1",  // 加藤
    "\x8b\x67\x93\x63",  // 吉田
    "\x8e\x52\x96\x7b",  // 山本
    "\x8f\xbc\x96\x7b",  // 松本
    "\x88\xe4\x8f\xe3",  // 井上
    "\x96\xd8\x91\xba",  // 木村
    "\x90\xb4\x90\x85",  // 清水
};

constexpr std::string_view kGivenNames[] = {
    "\x91\xbe\x98\x59",  // 太郎
    "\x89\xd4\x8e\x71",  // 花子
    "\x88\xea\x98\x59",  // 一郎
    "\x90\xbd",  // 誠
    "\x8c\x92\x88\xea",  // 健一
    "\x97\x52\x94\xfc",  // 由美
    "\x8c\x62\x8e\x71",  // 恵子
    "\x91\xe5\x95\xe3",  // 大輔
    "\x92\xbc\x8e\xf7",  // 直樹
    "\x94\xfc\x95\xe4",  // 美穂
    "\x8d\x5f\x93\xf1",  // 浩二
    "\x96\xbe\x94\xfc",  // 明美
};

constexpr std::string_view kDepartments[] = {
    "\x89\x63\x8b\xc6\x95\x94",  // 営業部
    "\x8a\x4a\x94\xad\x95\x94",  // 開発部
    "\x91\x8d\x96\xb1\x95\x94",  // 総務部
    "\x8f\xee\x95\xf1\x83\x56\x83\x58\x83\x65\x83\x80\x95\x94",  // 情報システム部
    "\x8c\x6f\x97\x9d\x95\x94",  // 経理部
    "\x8a\xe9\x89\xe6\x8e\xba",  // 企画室
    "\x8b\x5a\x8f\x70\x95\x94\x91\xe6\x93\xf1\x89\xdb",  // 技術部第二課
    // ＡＢＣプロジェクト事務局
    "\x82\x60\x82\x61\x82\x62\x83\x76\x83\x8d\x83\x57\x83\x46\x83\x4e\x83\x67\x8e\x96\x96\xb1\x8b\xc7",
};

constexpr std::string_view kSubjects[] = {
    // 来週の打ち合わせについて
    "\x97\x88\x8f\x54\x82\xcc\x91\xc5\x82\xbf\x8d\x87\x82\xed\x82\xb9\x82\xc9\x82\xc2\x82\xa2\x82\xc4",
    "\x8c\xa9\x90\xcf\x8f\x91\x82\xcc\x8c\x8f",  // 見積書の件
    "\x83\x54\x81\x5b\x83\x6f\x92\xe2\x8e\x7e\x82\xcc\x82\xa8\x92\x6d\x82\xe7\x82\xb9",  // サーバ停止のお知らせ
    "\x90\x56\x90\xbb\x95\x69\x94\xad\x95\x5c\x89\xef\x82\xcc\x82\xb2\x88\xc4\x93\xe0",  // 新製品発表会のご案内
    "\x8b\x63\x8e\x96\x98\x5e\x82\xcc\x91\x97\x95\x74",  // 議事録の送付
    "\x8f\x6f\x92\xa3\x95\xf1\x8d\x90",  // 出張報告
    // ソフトウェア更新のお知らせ
    "\x83\x5c\x83\x74\x83\x67\x83\x45\x83\x46\x83\x41\x8d\x58\x90\x56\x82\xcc\x82\xa8\x92\x6d\x82\xe7\x82\xb9",
    "\x8a\xbd\x91\x97\x8c\x7d\x89\xef\x82\xcc\x8f\x6f\x8c\x87",  // 歓送迎会の出欠
    "\x8e\x91\x97\xbf\x82\xcc\x91\x97\x95\x74",  // 資料の送付
    // 【重要】パスワード変更のお願い
    "\x81\x79\x8f\x64\x97\x76\x81\x7a\x83\x70\x83\x58\x83\x8f\x81\x5b\x83\x68\x95\xcf\x8d\x58\x82\xcc\x82\xa8\x8a"
    "\xe8\x82\xa2",
    // ＦＡＸ番号変更のお知らせ
    "\x82\x65\x82\x60\x82\x77\x94\xd4\x8d\x86\x95\xcf\x8d\x58\x82\xcc\x82\xa8\x92\x6d\x82\xe7\x82\xb9",
    // 第２回進捗会議の開催について
    "\x91\xe6\x82\x51\x89\xf1\x90\x69\x92\xbb\x89\xef\x8b\x63\x82\xcc\x8a\x4a\x8d\xc3\x82\xc9\x82\xc2\x82\xa2\x82"
    "\xc4",
    // ホームページ更新のお知らせ
    "\x83\x7a\x81\x5b\x83\x80\x83\x79\x81\x5b\x83\x57\x8d\x58\x90\x56\x82\xcc\x82\xa8\x92\x6d\x82\xe7\x82\xb9",
    // 年末年始の休業について
    "\x94\x4e\x96\x96\x94\x4e\x8e\x6e\x82\xcc\x8b\x78\x8b\xc6\x82\xc9\x82\xc2\x82\xa2\x82\xc4",
    // ネットワーク工事に伴うメール停止（１２月２０日）
    "\x83\x6c\x83\x62\x83\x67\x83\x8f\x81\x5b\x83\x4e\x8d\x48\x8e\x96\x82\xc9\x94\xba\x82\xa4\x83\x81\x81\x5b\x83"
    "\x8b\x92\xe2\x8e\x7e\x81\x69\x82\x50\x82\x51\x8c\x8e\x82\x51\x82\x4f\x93\xfa\x81\x6a",
    // 新しいプリンタの使い方
    "\x90\x56\x82\xb5\x82\xa2\x83\x76\x83\x8a\x83\x93\x83\x5e\x82\xcc\x8e\x67\x82\xa2\x95\xfb",
    "\x8e\xd0\x88\xf5\x97\xb7\x8d\x73\x82\xcc\x83\x41\x83\x93\x83\x50\x81\x5b\x83\x67",  // 社員旅行のアンケート
    // システム移行スケジュール（案）
    "\x83\x56\x83\x58\x83\x65\x83\x80\x88\xda\x8d\x73\x83\x58\x83\x50\x83\x57\x83\x85\x81\x5b\x83\x8b\x81\x69\x88"
    "\xc4\x81\x6a",
    "\x90\xbf\x8b\x81\x8f\x91\x91\x97\x95\x74\x82\xcc\x82\xb2\x88\xc4\x93\xe0",  // 請求書送付のご案内
    // Ｙ２Ｋ対策プロジェクト定例会議の議題と資料について
    "\x82\x78\x82\x51\x82\x6a\x91\xce\x8d\xf4\x83\x76\x83\x8d\x83\x57\x83\x46\x83\x4e\x83\x67\x92\xe8\x97\xe1\x89"
    "\xef\x8b\x63\x82\xcc\x8b\x63\x91\xe8\x82\xc6\x8e\x91\x97\xbf\x82\xc9\x82\xc2\x82\xa2\x82\xc4",
};

constexpr std::string_view kGreetings[] = {
    "\x8a\x46\x97\x6c",  // 皆様
    "\x8a\x65\x88\xca",  // 各位
    "\x82\xa8\x94\xe6\x82\xea\x82\xb3\x82\xdc\x82\xc5\x82\xb7\x81\x42",  // お疲れさまです。
    // いつもお世話になっております。
    "\x82\xa2\x82\xc2\x82\xe0\x82\xa8\x90\xa2\x98\x62\x82\xc9\x82\xc8\x82\xc1\x82\xc4\x82\xa8\x82\xe8\x82\xdc\x82"
    "\xb7\x81\x42",
};

constexpr std::string_view kSentences[] = {
    // ご確認のほど、よろしくお願いいたします。
    "\x82\xb2\x8a\x6d\x94\x46\x82\xcc\x82\xd9\x82\xc7\x81\x41\x82\xe6\x82\xeb\x82\xb5\x82\xad\x82\xa8\x8a\xe8\x82"
    "\xa2\x82\xa2\x82\xbd\x82\xb5\x82\xdc\x82\xb7\x81\x42",
    // 資料を添付しましたので、ご覧ください。
    "\x8e\x91\x97\xbf\x82\xf0\x93\x59\x95\x74\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x82\xcc\x82\xc5\x81\x41\x82\xb2\x97"
    "\x97\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42",
    // 来週の水曜日の午後二時から、第三会議室で打ち合わせを行います。
    "\x97\x88\x8f\x54\x82\xcc\x90\x85\x97\x6a\x93\xfa\x82\xcc\x8c\xdf\x8c\xe3\x93\xf1\x8e\x9e\x82\xa9\x82\xe7\x81"
    "\x41\x91\xe6\x8e\x4f\x89\xef\x8b\x63\x8e\xba\x82\xc5\x91\xc5\x82\xbf\x8d\x87\x82\xed\x82\xb9\x82\xf0\x8d\x73"
    "\x82\xa2\x82\xdc\x82\xb7\x81\x42",
    // 先日はありがとうございました。
    "\x90\xe6\x93\xfa\x82\xcd\x82\xa0\x82\xe8\x82\xaa\x82\xc6\x82\xa4\x82\xb2\x82\xb4\x82\xa2\x82\xdc\x82\xb5\x82"
    "\xbd\x81\x42",
    // 見積金額については、別途ご連絡いたします。
    "\x8c\xa9\x90\xcf\x8b\xe0\x8a\x7a\x82\xc9\x82\xc2\x82\xa2\x82\xc4\x82\xcd\x81\x41\x95\xca\x93\x72\x82\xb2\x98"
    "\x41\x97\x8d\x82\xa2\x82\xbd\x82\xb5\x82\xdc\x82\xb7\x81\x42",
    // サーバのディスク容量が残り少なくなっています。
    "\x83\x54\x81\x5b\x83\x6f\x82\xcc\x83\x66\x83\x42\x83\x58\x83\x4e\x97\x65\x97\xca\x82\xaa\x8e\x63\x82\xe8\x8f"
    "\xad\x82\xc8\x82\xad\x82\xc8\x82\xc1\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81\x42",
    // 不要なファイルは早めに削除してください。
    "\x95\x73\x97\x76\x82\xc8\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcd\x91\x81\x82\xdf\x82\xc9\x8d\xed\x8f\x9c\x82"
    "\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42",
    // ご不明な点があれば、担当までお問い合わせください。
    "\x82\xb2\x95\x73\x96\xbe\x82\xc8\x93\x5f\x82\xaa\x82\xa0\x82\xea\x82\xce\x81\x41\x92\x53\x93\x96\x82\xdc\x82"
    "\xc5\x82\xa8\x96\xe2\x82\xa2\x8d\x87\x82\xed\x82\xb9\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42",
    // 新しいバージョンでは、表示の不具合が修正されています。
    "\x90\x56\x82\xb5\x82\xa2\x83\x6f\x81\x5b\x83\x57\x83\x87\x83\x93\x82\xc5\x82\xcd\x81\x41\x95\x5c\x8e\xa6\x82"
    "\xcc\x95\x73\x8b\xef\x8d\x87\x82\xaa\x8f\x43\x90\xb3\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81\x42",
    // 出張の日程が決まりましたので、お知らせします。
    "\x8f\x6f\x92\xa3\x82\xcc\x93\xfa\x92\xf6\x82\xaa\x8c\x88\x82\xdc\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x82\xcc\x82"
    "\xc5\x81\x41\x82\xa8\x92\x6d\x82\xe7\x82\xb9\x82\xb5\x82\xdc\x82\xb7\x81\x42",
    // 会議の議事録は共有フォルダに置いてあります。
    "\x89\xef\x8b\x63\x82\xcc\x8b\x63\x8e\x96\x98\x5e\x82\xcd\x8b\xa4\x97\x4c\x83\x74\x83\x48\x83\x8b\x83\x5f\x82"
    "\xc9\x92\x75\x82\xa2\x82\xc4\x82\xa0\x82\xe8\x82\xdc\x82\xb7\x81\x42",
    // ネットワークの工事のため、土曜日はメールが使えません。
    "\x83\x6c\x83\x62\x83\x67\x83\x8f\x81\x5b\x83\x4e\x82\xcc\x8d\x48\x8e\x96\x82\xcc\x82\xbd\x82\xdf\x81\x41\x93"
    "\x79\x97\x6a\x93\xfa\x82\xcd\x83\x81\x81\x5b\x83\x8b\x82\xaa\x8e\x67\x82\xa6\x82\xdc\x82\xb9\x82\xf1\x81\x42",
    // 納期は十一月末を予定しております。
    "\x94\x5b\x8a\xfa\x82\xcd\x8f\x5c\x88\xea\x8c\x8e\x96\x96\x82\xf0\x97\x5c\x92\xe8\x82\xb5\x82\xc4\x82\xa8\x82"
    "\xe8\x82\xdc\x82\xb7\x81\x42",
    // この件は部長にも確認していただいています。
    "\x82\xb1\x82\xcc\x8c\x8f\x82\xcd\x95\x94\x92\xb7\x82\xc9\x82\xe0\x8a\x6d\x94\x46\x82\xb5\x82\xc4\x82\xa2\x82"
    "\xbd\x82\xbe\x82\xa2\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81\x42",
    // ソフトウェアのインストール手順を下記にまとめました。
    "\x83\x5c\x83\x74\x83\x67\x83\x45\x83\x46\x83\x41\x82\xcc\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5b\x83\x8b\x8e"
    "\xe8\x8f\x87\x82\xf0\x89\xba\x8b\x4c\x82\xc9\x82\xdc\x82\xc6\x82\xdf\x82\xdc\x82\xb5\x82\xbd\x81\x42",
    // ＦＡＸでも同じ内容をお送りしました。
    "\x82\x65\x82\x60\x82\x77\x82\xc5\x82\xe0\x93\xaf\x82\xb6\x93\xe0\x97\x65\x82\xf0\x82\xa8\x91\x97\x82\xe8\x82"
    "\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42",
    // 返事が遅くなってしまい、申し訳ありません。
    "\x95\xd4\x8e\x96\x82\xaa\x92\x78\x82\xad\x82\xc8\x82\xc1\x82\xc4\x82\xb5\x82\xdc\x82\xa2\x81\x41\x90\x5c\x82"
    "\xb5\x96\xf3\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42",
    // 次回の定例会議までに、各自の進捗をまとめておいてください。
    "\x8e\x9f\x89\xf1\x82\xcc\x92\xe8\x97\xe1\x89\xef\x8b\x63\x82\xdc\x82\xc5\x82\xc9\x81\x41\x8a\x65\x8e\xa9\x82"
    "\xcc\x90\x69\x92\xbb\x82\xf0\x82\xdc\x82\xc6\x82\xdf\x82\xc4\x82\xa8\x82\xa2\x82\xc4\x82\xad\x82\xbe\x82\xb3"
    "\x82\xa2\x81\x42",
    // プリンタの紙詰まりは、背面のカバーを開けると直せます。
    "\x83\x76\x83\x8a\x83\x93\x83\x5e\x82\xcc\x8e\x86\x8b\x6c\x82\xdc\x82\xe8\x82\xcd\x81\x41\x94\x77\x96\xca\x82"
    "\xcc\x83\x4a\x83\x6f\x81\x5b\x82\xf0\x8a\x4a\x82\xaf\x82\xe9\x82\xc6\x92\xbc\x82\xb9\x82\xdc\x82\xb7\x81\x42",
    // パスワードは英数字八文字以上にしてください。
    "\x83\x70\x83\x58\x83\x8f\x81\x5b\x83\x68\x82\xcd\x89\x70\x90\x94\x8e\x9a\x94\xaa\x95\xb6\x8e\x9a\x88\xc8\x8f"
    "\xe3\x82\xc9\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42",
    // お手数ですが、出欠を今週中にお知らせください。
    "\x82\xa8\x8e\xe8\x90\x94\x82\xc5\x82\xb7\x82\xaa\x81\x41\x8f\x6f\x8c\x87\x82\xf0\x8d\xa1\x8f\x54\x92\x86\x82"
    "\xc9\x82\xa8\x92\x6d\x82\xe7\x82\xb9\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42",
    // 詳しくは、ホームページをご覧ください。
    "\x8f\xda\x82\xb5\x82\xad\x82\xcd\x81\x41\x83\x7a\x81\x5b\x83\x80\x83\x79\x81\x5b\x83\x57\x82\xf0\x82\xb2\x97"
    "\x97\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42",
    // テスト環境での確認は終わりました。
    "\x83\x65\x83\x58\x83\x67\x8a\xc2\x8b\xab\x82\xc5\x82\xcc\x8a\x6d\x94\x46\x82\xcd\x8f\x49\x82\xed\x82\xe8\x82"
    "\xdc\x82\xb5\x82\xbd\x81\x42",
    // 本番環境への移行は来月の第二土曜日です。
    "\x96\x7b\x94\xd4\x8a\xc2\x8b\xab\x82\xd6\x82\xcc\x88\xda\x8d\x73\x82\xcd\x97\x88\x8c\x8e\x82\xcc\x91\xe6\x93"
    "\xf1\x93\x79\x97\x6a\x93\xfa\x82\xc5\x82\xb7\x81\x42",
};

constexpr std::string_view kClosings[] = {
    // よろしくお願いします。
    "\x82\xe6\x82\xeb\x82\xb5\x82\xad\x82\xa8\x8a\xe8\x82\xa2\x82\xb5\x82\xdc\x82\xb7\x81\x42",
    "\x88\xc8\x8f\xe3\x82\xc5\x82\xb7\x81\x42",  // 以上です。
    "\x8e\xe6\x82\xe8\x8b\x7d\x82\xac\x82\xb2\x98\x41\x97\x8d\x82\xdc\x82\xc5\x81\x42",  // 取り急ぎご連絡まで。
    // 今後ともよろしくお願いいたします。
    "\x8d\xa1\x8c\xe3\x82\xc6\x82\xe0\x82\xe6\x82\xeb\x82\xb5\x82\xad\x82\xa8\x8a\xe8\x82\xa2\x82\xa2\x82\xbd\x82"
    "\xb5\x82\xdc\x82\xb7\x81\x42",
};

constexpr std::string_view kAttachmentNames[] = {
    "\x8c\xa9\x90\xcf\x8f\x91\x2e\x78\x6c\x73",  // 見積書.xls
    "\x8b\x63\x8e\x96\x98\x5e\x2e\x64\x6f\x63",  // 議事録.doc
    "\x8e\x91\x97\xbf\x2e\x70\x70\x74",  // 資料.ppt
    "\x8e\xe8\x8f\x87\x8f\x91\x2e\x74\x78\x74",  // 手順書.txt
    "\x8e\xca\x90\x5e\x2e\x6a\x70\x67",  // 写真.jpg
};

constexpr std::string_view kFamilyRomaji[] = {
    "yamada", "suzuki",  "sato",     "tanaka",    "takahashi", "ito",    "watanabe", "nakamura",
    "kobayashi", "kato", "yoshida",  "yamamoto",  "matsumoto", "inoue",  "kimura",   "shimizu",
};
constexpr std::string_view kGivenRomaji[] = {
    "Taro", "Hanako", "Ichiro", "Makoto", "Kenichi", "Yumi", "Keiko", "Daisuke", "Naoki", "Miho", "Koji", "Akemi",
};
static_assert(std::size(kFamilyNames) == std::size(kFamilyRomaji));
static_assert(std::size(kGivenNames) == std::size(kGivenRomaji));

constexpr std::string_view kSan = "\x82\xb3\x82\xf1";    // さん
constexpr std::string_view kSama = "\x97\x6c";           // 様
constexpr std::string_view kFullWidthSpace = "\x81\x40";  // 　
// さんは書きました:
constexpr std::string_view kWrote = "\x82\xb3\x82\xf1\x82\xcd\x8f\x91\x82\xab\x82\xdc\x82\xb5\x82\xbd:";

constexpr std::string_view kEnglishSubjects[] = {
    "Weekly report", "Meeting notes", "Visit to the Tokyo office", "Price list for 1998", "Server maintenance",
};
constexpr std::string_view kEnglishSentences[] = {
    "Thank you for your mail of last week.",
    "Please find the revised schedule below.",
    "I will arrive in Tokyo on Monday and stay until Friday.",
    "The new price list will be valid from the first of next month.",
    "Could you send me the minutes of the last meeting?",
    "The server will be down for maintenance on Saturday morning.",
};
constexpr std::string_view kDomains[] = {
    "example.co.jp", "mail.example.co.jp", "example.ne.jp", "example.or.jp", "example.ac.jp", "example.com",
};
constexpr std::string_view kMailers[] = {
    "zirpa Version 1.2", "Mozilla 3.01 [ja] (Win95; I)", "Microsoft Outlook Express 4.71.1712.3",
    "Datula Version 1.51", "Mew version 1.92 on Emacs 19.34",
};
constexpr std::string_view kReplyPrefixes[] = {"Re: ", "Re: ", "Re: ", "RE: ", "Re[2]: ", "Re^2: ", "Re: Re: "};
constexpr std::string_view kHashStarts[] = {"#1 ", "#2 ", "#K ", "#T ", "#e ", "# ", "#S "};
// Most mail is sent in Japan; the other zones move the date to Japan time across days, months and years.
constexpr std::string_view kJapanZones[] = {"+0900", "+0900", "+0900", "+0900 (JST)", "JST"};
constexpr std::string_view kForeignZones[] = {
    "-0700 (PDT)", "-0800 (PST)", "-0500 (EST)", "EST", "EDT", "PDT", "GMT", "+0000", "+0100",
    "+0800",       "+1000",       "+1200",       "-0400", "+0530", "UT", "CET",
};
constexpr std::string_view kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::string_view kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// splitmix64: small, fast and the same on every platform, unlike the standard distributions.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t value = (state_ += 0x9E3779B97F4A7C15u);
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9u;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBu;
    return value ^ (value >> 31);
  }
  std::size_t Below(std::size_t count) { return static_cast<std::size_t>(Next() % count); }
  std::size_t Between(std::size_t low, std::size_t high) { return low + Below(high - low + 1); }
  bool Percent(unsigned chance) { return Below(1000) < chance * 10u; }
  bool PerMille(unsigned chance) { return Below(1000) < chance; }
  template <std::size_t count>
  std::string_view Pick(const std::string_view (&pool)[count]) {
    return pool[Below(count)];
  }

 private:
  std::uint64_t state_;
};

// The sending time of the mails: it moves forward by a few minutes to a few hours from mail to mail.
class Clock {
 public:
  void Advance(int minutes) {
    minute_ += minutes;
    hour_ += minute_ / 60;
    minute_ %= 60;
    while (hour_ >= 24) {
      hour_ -= 24;
      if (++day_ > DaysInMonth()) {
        day_ = 1;
        if (++month_ > 12) {
          month_ = 1;
          ++year_;
        }
      }
    }
  }
  void SetSecond(int second) { second_ = second; }

  int year() const { return year_; }
  int month() const { return month_; }
  int day() const { return day_; }
  int hour() const { return hour_; }
  int minute() const { return minute_; }
  int second() const { return second_; }

  int Weekday() const {  // 0 = Sunday
    static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int year = month_ < 3 ? year_ - 1 : year_;
    return (year + year / 4 - year / 100 + year / 400 + kOffsets[month_ - 1] + day_) % 7;
  }

 private:
  int DaysInMonth() const {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year_ % 4 == 0 && year_ % 100 != 0) || year_ % 400 == 0;
    return month_ == 2 && leap ? 29 : kDays[month_ - 1];
  }

  int year_ = 1996;
  int month_ = 1;
  int day_ = 6;
  int hour_ = 9;
  int minute_ = 0;
  int second_ = 0;
};

struct Person {
  std::size_t family;
  std::size_t given;
  std::size_t domain;
};

// A mail that later mails answer: its subject and identifier.
struct Thread {
  std::string subject;
  std::string message_id;
};

class MailboxWriter {
 public:
  MailboxWriter(std::FILE* file, std::uint64_t seed) : file_(file), random_(seed) {}

  void WriteMail() {
    clock_.Advance(static_cast<int>(random_.Between(1, 120)));
    clock_.SetSecond(static_cast<int>(random_.Below(60)));
    const Person sender = RandomPerson();
    const bool is_reply = mail_number_ > 0 && random_.Percent(40);
    const std::size_t remembered_threads = std::min<std::uint64_t>(mail_number_, kThreads);
    const Thread& answered = threads_[is_reply ? random_.Below(remembered_threads) : 0];
    const bool english = random_.Percent(5);
    const bool attachment = random_.Percent(4);
    const std::string subject = MakeSubject(is_reply, answered, english);
    const std::string message_id = MakeMessageId();

    WriteHeaders(sender, subject, message_id, is_reply, answered, attachment);
    out_ += "\r\n";
    if (attachment) WriteMultipartBody(sender, english);
    else WriteTextBody(sender, is_reply, english);
    out_ += ".\r\n";

    Thread& remembered = threads_[mail_number_++ % kThreads];
    remembered.subject = is_reply ? answered.subject : subject;
    remembered.message_id = message_id;
    if (out_.size() >= kFlushSize) Flush();
  }

  // A short mail: the five headers every mail has, up to two of the others, and at most three short body lines.
  void WriteShortMail() {
    clock_.Advance(static_cast<int>(random_.Between(1, 120)));
    clock_.SetSecond(static_cast<int>(random_.Below(60)));
    const bool is_reply = mail_number_ > 0 && random_.Percent(40);
    const Thread& answered = threads_[is_reply ? random_.Below(std::min<std::uint64_t>(mail_number_, kThreads)) : 0];
    const std::string subject = MakeSubject(is_reply, answered, random_.Percent(5));
    const std::string message_id = MakeMessageId();

    out_ += "From: ";
    AppendMailbox(RandomPerson());
    out_ += "\r\nTo: ";
    AppendMailbox(RandomPerson());
    out_ += "\r\nSubject: ";
    out_ += subject;
    out_ += "\r\n";
    WriteDate();
    out_ += "Message-Id: ";
    out_ += message_id;
    out_ += "\r\n";
    for (std::size_t more = random_.Below(3); more > 0; --more) WriteOtherHeader(is_reply, answered);
    out_ += "\r\n";
    for (std::size_t line = random_.Below(4); line > 0; --line) {
      out_ += random_.Pick(kEnglishSentences);
      out_ += "\r\n";
    }
    out_ += ".\r\n";

    Thread& remembered = threads_[mail_number_++ % kThreads];
    remembered.subject = is_reply ? answered.subject : subject;
    remembered.message_id = message_id;
    if (out_.size() >= kFlushSize) Flush();
  }

  std::uint64_t bytes_written() const { return written_ + out_.size(); }

  // Writes what is still held back; false when any write of the run came up short.
  bool Finish() {
    Flush();
    return complete_;
  }

 private:
  static constexpr std::size_t kThreads = 16;
  static constexpr std::size_t kFlushSize = 1 << 20;

  void Flush() {
    complete_ = std::fwrite(out_.data(), 1, out_.size(), file_) == out_.size() && complete_;
    written_ += out_.size();
    out_.clear();
  }

  Person RandomPerson() {
    return {random_.Below(std::size(kFamilyNames)), random_.Below(std::size(kGivenNames)),
            random_.Below(std::size(kDomains))};
  }

  void AppendAddress(const Person& person) {
    if (person.given % 3 == 0) {
      out_ += static_cast<char>(kGivenRomaji[person.given][0] - 'A' + 'a');
      out_ += '-';
    }
    out_ += kFamilyRomaji[person.family];
    out_ += '@';
    out_ += kDomains[person.domain];
  }

  // The forms a From, To or Cc entry takes in real mail, quoted and unquoted names included.
  void AppendMailbox(const Person& person) {
    const std::size_t form = random_.Below(100);
    if (form < 30) {
      out_ += '"';
      out_ += kFamilyNames[person.family];
      out_ += ' ';
      out_ += kGivenNames[person.given];
      out_ += "\" <";
      AppendAddress(person);
      out_ += '>';
    } else if (form < 55) {
      out_ += kFamilyNames[person.family];
      out_ += kGivenNames[person.given];
      out_ += " <";
      AppendAddress(person);
      out_ += '>';
    } else if (form < 70) {
      AppendAddress(person);
      out_ += " (";
      out_ += kFamilyNames[person.family];
      out_ += kFullWidthSpace;
      out_ += kGivenNames[person.given];
      out_ += ')';
    } else if (form < 85) {
      out_ += kGivenRomaji[person.given];
      out_ += ' ';
      const std::string_view family = kFamilyRomaji[person.family];
      out_ += static_cast<char>(family[0] - 'a' + 'A');
      out_ += family.substr(1);
      out_ += " <";
      AppendAddress(person);
      out_ += '>';
    } else if (form < 97) {
      AppendAddress(person);
    } else {
      out_ += '<';
      AppendAddress(person);
      out_ += '>';
    }
  }

  std::string MakeSubject(bool is_reply, const Thread& answered, bool english) {
    std::string subject;
    if (is_reply) {
      subject += random_.Pick(kReplyPrefixes);
      subject += answered.subject;
    } else if (english) {
      subject += random_.Pick(kEnglishSubjects);
    } else {
      if (random_.Percent(15)) {
        subject += "[tech-ml:";
        AppendNumber(subject, static_cast<int>(random_.Below(100000)), 5);
        subject += "] ";
      }
      subject += random_.Pick(kSubjects);
    }
    return subject;
  }

  std::string MakeMessageId() {
    std::string id = "<";
    AppendNumber(id, clock_.year(), 4);
    AppendNumber(id, clock_.month(), 2);
    AppendNumber(id, clock_.day(), 2);
    AppendNumber(id, clock_.hour(), 2);
    AppendNumber(id, clock_.minute(), 2);
    AppendNumber(id, clock_.second(), 2);
    id += '.';
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int shift = 16; shift >= 0; shift -= 4) id += kHex[(mail_number_ >> shift) & 15];
    id += '@';
    id += random_.Pick(kDomains);
    id += '>';
    return id;
  }

  void WriteHeaders(const Person& sender, const std::string& subject, const std::string& message_id,
                    bool is_reply, const Thread& answered, bool attachment) {
    out_ += "From: ";
    AppendMailbox(sender);
    out_ += "\r\n";
    if (random_.Percent(10)) {
      out_ += "Sender: owner-tech-ml@example.or.jp\r\n";
    }
    out_ += "To: ";
    const std::size_t recipients = random_.Percent(80) ? 1 : random_.Between(2, 5);
    for (std::size_t index = 0; index < recipients; ++index) {
      if (index > 0) out_ += ", ";
      AppendMailbox(RandomPerson());
    }
    out_ += "\r\n";
    if (random_.Percent(20)) {
      out_ += "Cc: ";
      AppendMailbox(RandomPerson());
      out_ += "\r\n";
    }
    if (!random_.PerMille(5)) {
      out_ += "Subject: ";
      out_ += subject;
      out_ += "\r\n";
    }
    if (!random_.PerMille(5)) WriteDate();
    out_ += "Message-Id: ";
    out_ += message_id;
    out_ += "\r\n";
    if (is_reply) {
      if (random_.Percent(50)) {
        out_ += "References: ";
        out_ += answered.message_id;
        out_ += "\r\n";
      }
      out_ += "In-Reply-To: ";
      out_ += answered.message_id;
      out_ += "\r\n";
    }
    if (random_.Percent(30)) {
      out_ += "Received: from mail.example.co.jp (mail.example.co.jp [192.0.2.1])\r\n"
              "\tby mx.example.ne.jp (8.8.5/3.5W) with ESMTP id KAA01234\r\n"
              "\tfor <yamada@example.ne.jp>; ";
      AppendDateText();
      out_ += "\r\n";
    }
    out_ += "X-Mailer: ";
    out_ += random_.Pick(kMailers);
    out_ += "\r\nMime-Version: 1.0\r\n";
    if (attachment) {
      out_ += "Content-Type: multipart/mixed;\r\n boundary=\"";
      out_ += kBoundary;
      out_ += "\"\r\n";
    } else {
      out_ += "Content-Type: text/plain; charset=ISO-2022-JP\r\n";
    }
  }

  void WriteOtherHeader(bool is_reply, const Thread& answered) {
    switch (random_.Below(5)) {
      case 0:
        out_ += "Cc: ";
        AppendMailbox(RandomPerson());
        break;
      case 1: out_ += "Sender: owner-tech-ml@example.or.jp"; break;
      case 2:
        out_ += is_reply ? "In-Reply-To: " : "References: ";
        out_ += answered.message_id.empty() ? "<19960106090000.00000@example.co.jp>" : answered.message_id;
        break;
      case 3:
        out_ += "X-Mailer: ";
        out_ += random_.Pick(kMailers);
        break;
      default: out_ += "Mime-Version: 1.0"; break;
    }
    out_ += "\r\n";
  }

  void WriteDate() {
    out_ += "Date: ";
    AppendDateText();
    out_ += "\r\n";
  }

  // Mostly the usual form; now and then without weekday, with a two-digit year, an unlisted zone or no zone.
  void AppendDateText() {
    if (!random_.Percent(2)) {
      out_ += kWeekdays[clock_.Weekday()];
      out_ += ", ";
    }
    AppendNumber(out_, clock_.day(), random_.Percent(20) ? 2 : 1);
    out_ += ' ';
    out_ += kMonths[clock_.month() - 1];
    out_ += ' ';
    if (random_.Percent(10)) AppendNumber(out_, clock_.year() % 100, 2);
    else AppendNumber(out_, clock_.year(), 4);
    out_ += ' ';
    AppendNumber(out_, clock_.hour(), 2);
    out_ += ':';
    AppendNumber(out_, clock_.minute(), 2);
    out_ += ':';
    AppendNumber(out_, clock_.second(), 2);
    if (random_.PerMille(2)) return;
    out_ += ' ';
    if (random_.PerMille(2)) out_ += "UTC";
    else out_ += random_.Percent(75) ? random_.Pick(kJapanZones) : random_.Pick(kForeignZones);
  }

  void WriteTextBody(const Person& sender, bool is_reply, bool english) {
    if (english) {
      out_ += "Dear colleagues,\r\n\r\n";
      WriteParagraphs(kEnglishSentences, 1, 3);
      out_ += "Best regards,\r\n";
      out_ += kGivenRomaji[sender.given];
      out_ += "\r\n";
      return;
    }
    if (random_.Percent(50)) {
      out_ += kFamilyNames[RandomPerson().family];
      out_ += random_.Percent(50) ? kSan : kSama;
    } else {
      out_ += random_.Pick(kGreetings);
    }
    out_ += "\r\n\r\n";
    if (is_reply && random_.Percent(60)) WriteQuote();
    WriteParagraphs(kSentences, 1, 4);
    out_ += random_.Pick(kClosings);
    out_ += "\r\n";
    if (random_.Percent(70)) WriteSignature(sender);
  }

  void WriteQuote() {
    out_ += kFamilyNames[RandomPerson().family];
    out_ += kWrote;
    out_ += "\r\n";
    for (std::size_t line = random_.Between(1, 5); line > 0; --line) {
      out_ += "> ";
      out_ += random_.Pick(kSentences);
      out_ += "\r\n";
    }
    out_ += "\r\n";
  }

  template <std::size_t count>
  void WriteParagraphs(const std::string_view (&sentences)[count], std::size_t fewest, std::size_t most) {
    for (std::size_t paragraph = random_.Between(fewest, most); paragraph > 0; --paragraph) {
      for (std::size_t line = random_.Between(1, 6); line > 0; --line) WriteBodyLine(sentences);
      out_ += "\r\n";
    }
  }

  // A line of one or two sentences; now and then a list item, a "#" line, an ellipsis or a very long line.
  template <std::size_t count>
  void WriteBodyLine(const std::string_view (&sentences)[count]) {
    const std::size_t kind = random_.Below(1000);
    if (kind < 30) out_ += random_.Pick(kHashStarts);
    else if (kind < 100) out_ += "  * ";
    else if (kind < 110) out_ += "...";
    out_ += random_.Pick(sentences);
    if (random_.Percent(40)) out_ += random_.Pick(sentences);
    if (kind >= 990) {
      for (int more = 0; more < 8; ++more) out_ += random_.Pick(sentences);
    }
    out_ += "\r\n";
  }

  void WriteSignature(const Person& sender) {
    out_ += "--\r\n";
    out_ += kFamilyNames[sender.family];
    out_ += ' ';
    out_ += kGivenNames[sender.given];
    out_ += "  ";
    out_ += kDepartments[random_.Below(std::size(kDepartments))];
    out_ += "\r\n";
    AppendAddress(sender);
    out_ += "\r\n";
  }

  void WriteMultipartBody(const Person& sender, bool english) {
    out_ += "This is a multi-part message in MIME format.\r\n\r\n--";
    out_ += kBoundary;
    out_ += "\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n\r\n";
    WriteTextBody(sender, false, english);
    out_ += "\r\n--";
    out_ += kBoundary;
    out_ += "\r\nContent-Type: application/octet-stream; name=\"";
    out_ += random_.Pick(kAttachmentNames);
    out_ += "\"\r\nContent-Transfer-Encoding: base64\r\n\r\n";
    for (std::size_t line = random_.Between(20, 400); line > 0; --line) AppendBase64Line();
    out_ += "\r\n--";
    out_ += kBoundary;
    out_ += "--\r\n";
  }

  void AppendBase64Line() {
    char line[76];
    for (std::size_t at = 0; at < sizeof line; at += 10) {
      std::uint64_t bits = random_.Next();
      for (std::size_t index = at; index < at + 10 && index < sizeof line; ++index, bits >>= 6) {
        line[index] = kBase64[bits & 63];
      }
    }
    out_.append(line, sizeof line);
    out_ += "\r\n";
  }

  static void AppendNumber(std::string& text, int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    text += buffer;
  }

  static constexpr std::string_view kBoundary = "------------5A3C1F0E2B7D";

  std::FILE* file_;
  Random random_;
  Clock clock_;
  Thread threads_[kThreads];
  std::uint64_t mail_number_ = 0;
  std::uint64_t written_ = 0;
  bool complete_ = true;
  std::string out_;
};

bool ParseNumber(const char* text, std::uint64_t& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtoull(text, &end, 10);
  return *text >= '0' && *text <= '9' && *end == '\0' && errno == 0;
}

// A size in bytes: megabytes, or kilobytes with a final "k".
bool ParseSize(const char* text, std::uint64_t& bytes) {
  std::string digits = text;
  const bool kilobytes = !digits.empty() && digits.back() == 'k';
  if (kilobytes) digits.pop_back();
  std::uint64_t count = 0;
  if (!ParseNumber(digits.c_str(), count) || count == 0 || count > 1000000) return false;
  bytes = count * (kilobytes ? 1000 : 1000000);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t target = 0;
  std::uint64_t seed = 1;
  const std::string_view profile = argc == 5 ? argv[4] : "mixed";
  if (argc < 3 || argc > 5 || !ParseSize(argv[1], target) || (argc >= 4 && !ParseNumber(argv[3], seed)) ||
      (profile != "mixed" && profile != "headers")) {
    std::fprintf(stderr, "usage: make_mailbox SIZE OUTPUT [SEED [PROFILE]]\n"
                         "  writes a mailbox of at least SIZE megabytes (1 MB = 1,000,000 bytes; SIZE ending with\n"
                         "  \"k\": kilobytes) to OUTPUT; the same size, seed (a whole number, 1 by default) and\n"
                         "  profile give the same bytes. PROFILE: mixed (everyday mail, the default) or headers\n"
                         "  (short mails of about 300 bytes, mostly headers)\n");
    return 2;
  }
  std::FILE* file = std::fopen(argv[2], "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "make_mailbox: cannot create %s: %s\n", argv[2], std::strerror(errno));
    return 1;
  }
  MailboxWriter writer(file, seed);
  const bool short_mail = profile == "headers";
  while (writer.bytes_written() < target) {
    if (short_mail) writer.WriteShortMail();
    else writer.WriteMail();
  }
  const bool written = writer.Finish();
  if (std::fclose(file) != 0 || !written) {
    std::fprintf(stderr, "make_mailbox: cannot write %s: %s\n", argv[2], std::strerror(errno));
    return 1;
  }
  return 0;
}
