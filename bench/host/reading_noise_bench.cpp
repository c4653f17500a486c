// How many wrong names the reading search shows: real Japanese names as desktop shortcuts
// hold them, each typed in full as read, once as Latin text prints it (long vowels left
// out: tokyo, shogi, konpyuta) and once as an input method spells it (toukyou, shougi,
// konpyu-ta-). For each query, the other names of the list the reading search also
// shows, under the rule before long vowels could be typed short (each name read as
// spelled) and under the search as it is now. Prints the totals and, for each query
// whose count changed, the query and its new company.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/memory/MemoryPlatform.h"
#include "search/Reading.h"
#include "search/SearchIndex.h"

namespace veskor::test {
namespace {

struct Name {
    const char* text;
    const char* printed;  // as signs, maps and English text print it
    const char* spelled;  // as an input method's romaji spells it
};

const Name Names[] = {
    // Places.
    {"東京", "tokyo", "toukyou"}, {"大阪", "osaka", "oosaka"}, {"京都", "kyoto", "kyouto"},
    {"北海道", "hokkaido", "hokkaidou"}, {"名古屋", "nagoya", "nagoya"}, {"横浜", "yokohama", "yokohama"},
    {"神戸", "kobe", "koube"}, {"福岡", "fukuoka", "fukuoka"}, {"仙台", "sendai", "sendai"},
    {"広島", "hiroshima", "hiroshima"}, {"長崎", "nagasaki", "nagasaki"}, {"新潟", "niigata", "niigata"},
    {"静岡", "shizuoka", "shizuoka"}, {"熊本", "kumamoto", "kumamoto"}, {"鹿児島", "kagoshima", "kagoshima"},
    {"沖縄", "okinawa", "okinawa"}, {"青森", "aomori", "aomori"}, {"秋田", "akita", "akita"},
    {"群馬", "gunma", "gunma"}, {"千葉", "chiba", "chiba"}, {"埼玉", "saitama", "saitama"},
    {"奈良", "nara", "nara"}, {"大分", "oita", "ooita"}, {"高知", "kochi", "kouchi"}, {"兵庫", "hyogo", "hyougo"},
    {"富山", "toyama", "toyama"}, {"岐阜", "gifu", "gifu"}, {"渋谷", "shibuya", "shibuya"},
    {"新宿", "shinjuku", "shinjuku"}, {"品川", "shinagawa", "shinagawa"}, {"上野", "ueno", "ueno"},
    {"池袋", "ikebukuro", "ikebukuro"}, {"銀座", "ginza", "ginza"}, {"浅草", "asakusa", "asakusa"},
    {"箱根", "hakone", "hakone"}, {"日光", "nikko", "nikkou"}, {"東北", "tohoku", "touhoku"},
    {"九州", "kyushu", "kyuushu"}, {"四国", "shikoku", "shikoku"}, {"関東", "kanto", "kantou"},
    {"大宮", "omiya", "oomiya"}, {"成田", "narita", "narita"}, {"羽田", "haneda", "haneda"},
    // Family names.
    {"佐藤", "sato", "satou"}, {"鈴木", "suzuki", "suzuki"}, {"高橋", "takahashi", "takahashi"},
    {"田中", "tanaka", "tanaka"}, {"伊藤", "ito", "itou"}, {"渡辺", "watanabe", "watanabe"},
    {"山本", "yamamoto", "yamamoto"}, {"中村", "nakamura", "nakamura"}, {"小林", "kobayashi", "kobayashi"},
    {"加藤", "kato", "katou"}, {"吉田", "yoshida", "yoshida"}, {"山田", "yamada", "yamada"},
    {"佐々木", "sasaki", "sasaki"}, {"山口", "yamaguchi", "yamaguchi"}, {"松本", "matsumoto", "matsumoto"},
    {"井上", "inoue", "inoue"}, {"木村", "kimura", "kimura"}, {"斎藤", "saito", "saitou"},
    {"清水", "shimizu", "shimizu"}, {"山崎", "yamazaki", "yamazaki"}, {"池田", "ikeda", "ikeda"},
    {"橋本", "hashimoto", "hashimoto"}, {"阿部", "abe", "abe"}, {"石川", "ishikawa", "ishikawa"},
    {"前田", "maeda", "maeda"}, {"岡田", "okada", "okada"}, {"長谷川", "hasegawa", "hasegawa"},
    {"藤田", "fujita", "fujita"}, {"後藤", "goto", "gotou"}, {"近藤", "kondo", "kondou"},
    {"遠藤", "endo", "endou"}, {"工藤", "kudo", "kudou"}, {"大野", "ono", "oono"}, {"小野", "ono", "ono"},
    {"大塚", "otsuka", "ootsuka"}, {"太田", "ota", "oota"}, {"大西", "onishi", "oonishi"},
    {"本田", "honda", "honda"}, {"宮本", "miyamoto", "miyamoto"}, {"安藤", "ando", "andou"},
    {"内藤", "naito", "naitou"}, {"須藤", "sudo", "sudou"}, {"武藤", "muto", "mutou"}, {"新井", "arai", "arai"},
    {"中島", "nakajima", "nakajima"}, {"原田", "harada", "harada"}, {"上田", "ueda", "ueda"},
    {"林", "hayashi", "hayashi"}, {"坂本", "sakamoto", "sakamoto"}, {"野口", "noguchi", "noguchi"},
    {"高野", "takano", "takano"}, {"村上", "murakami", "murakami"}, {"中野", "nakano", "nakano"},
    {"星野", "hoshino", "hoshino"}, {"久保", "kubo", "kubo"}, {"河野", "kono", "kouno"},
    {"庄司", "shoji", "shouji"}, {"大竹", "otake", "ootake"}, {"大久保", "okubo", "ookubo"},
    {"小池", "koike", "koike"}, {"東野", "higashino", "higashino"}, {"幸田", "koda", "kouda"},
    // Programs and documents.
    {"秀丸エディタ", "hidemaruedita", "hidemaruedita"}, {"一太郎", "ichitaro", "ichitarou"},
    {"花子", "hanako", "hanako"}, {"筆王", "fudeo", "fudeou"}, {"筆まめ", "fudemame", "fudemame"},
    {"弥生会計", "yayoikaikei", "yayoikaikei"}, {"年賀状", "nengajo", "nengajou"},
    {"住所録", "jushoroku", "juushoroku"}, {"家計簿", "kakeibo", "kakeibo"}, {"予定表", "yoteihyo", "yoteihyou"},
    {"電卓", "dentaku", "dentaku"}, {"写真", "shashin", "shashin"}, {"動画編集", "dogahenshu", "dougahenshuu"},
    {"音楽", "ongaku", "ongaku"}, {"設定", "settei", "settei"}, {"辞書", "jisho", "jisho"},
    {"将棋", "shogi", "shougi"}, {"囲碁", "igo", "igo"}, {"柔道", "judo", "juudou"}, {"剣道", "kendo", "kendou"},
    {"相撲", "sumo", "sumou"}, {"料理", "ryori", "ryouri"}, {"旅行", "ryoko", "ryokou"},
    {"勉強", "benkyo", "benkyou"}, {"学校", "gakko", "gakkou"}, {"会社", "kaisha", "kaisha"},
    {"病院", "byoin", "byouin"}, {"銀行", "ginko", "ginkou"}, {"郵便局", "yubinkyoku", "yuubinkyoku"},
    {"図書館", "toshokan", "toshokan"}, {"天気予報", "tenkiyoho", "tenkiyohou"}, {"地図", "chizu", "chizu"},
    {"時計", "tokei", "tokei"}, {"電話帳", "denwacho", "denwachou"}, {"手帳", "techo", "techou"},
    {"日記", "nikki", "nikki"}, {"教科書", "kyokasho", "kyoukasho"}, {"宿題", "shukudai", "shukudai"},
    {"給料", "kyuryo", "kyuuryou"}, {"保険", "hoken", "hoken"}, {"確定申告", "kakuteishinkoku", "kakuteishinkoku"},
    {"名刺", "meishi", "meishi"}, {"請求書", "seikyusho", "seikyuusho"}, {"領収書", "ryoshusho", "ryoushuusho"},
    {"議事録", "gijiroku", "gijiroku"}, {"報告書", "hokokusho", "houkokusho"}, {"会議", "kaigi", "kaigi"},
    {"任天堂", "nintendo", "nintendou"}, {"太鼓", "taiko", "taiko"}, {"豆腐", "tofu", "toufu"},
    {"納豆", "natto", "nattou"}, {"牛乳", "gyunyu", "gyuunyuu"}, {"お茶", "ocha", "ocha"},
    // Katakana.
    {"ショートカット", "shotokatto", "sho-tokatto"}, {"コントロールパネル", "kontororupaneru", "kontoro-rupaneru"},
    {"エクスプローラー", "ekusupurora", "ekusupuro-ra-"}, {"コンピューター", "konpyuta", "konpyu-ta-"},
    {"メモ帳", "memocho", "memochou"}, {"ペイント", "peinto", "peinto"}, {"ゲーム", "gemu", "ge-mu"},
    {"メール", "meru", "me-ru"}, {"カレンダー", "karenda", "karenda-"}, {"ノート", "noto", "no-to"},
    {"スーパー", "supa", "su-pa-"}, {"コーヒー", "kohi", "ko-hi-"}, {"ラーメン", "ramen", "ra-men"},
    {"ソフト", "sofuto", "sofuto"}, {"ツール", "tsuru", "tsu-ru"}, {"フォルダー", "foruda", "foruda-"},
    {"プリンター", "purinta", "purinta-"}, {"スキャナー", "sukyana", "sukyana-"}, {"ブラウザー", "burauza", "burauza-"},
    {"ユーザー", "yuza", "yu-za-"}, {"サーバー", "saba", "sa-ba-"}, {"データ", "deta", "de-ta"},
    {"ホーム", "homu", "ho-mu"}, {"ニュース", "nyusu", "nyu-su"}, {"テレビ", "terebi", "terebi"},
    {"ラジオ", "rajio", "rajio"}, {"カメラ", "kamera", "kamera"}, {"ビデオ", "bideo", "bideo"},
    {"ミュージック", "myujikku", "myu-jikku"}, {"スケジュール", "sukejuru", "sukeju-ru"},
    {"ダウンロード", "daunrodo", "daunro-do"}, {"アップデート", "appudeto", "appude-to"},
};

struct Tally {
    int found = 0;   // queries that show their own name
    int others = 0;  // other names shown, over all queries
};

}  // namespace
}  // namespace veskor::test

int main()
{
    using namespace veskor;
    using namespace veskor::test;
    MemoryPlatform platform;
    History history(platform);
    std::vector<std::string> texts;
    for (const Name& name : Names)
        texts.emplace_back(name.text);
    history.Load(texts);
    std::vector<FoldedText> folded;
    for (const std::string& text : texts) {
        std::string lowered = text;
        platform.LowerCase(lowered);
        folded.push_back(Folded(lowered));
    }
    SearchIndex index;
    const size_t count = std::size(Names);
    std::printf("%zu names, each typed in full; others: the other names of the list shown too\n\n", count);
    std::printf("%-8s %-8s %-7s %6s %7s %16s\n", "typed", "mode", "rule", "found", "others", "others/10queries");
    std::string changes;
    std::string missed;
    int addedPrinted = 0;
    for (const bool partial : {false, true}) {
        for (const bool printed : {true, false}) {
            Tally before, after;
            for (size_t i = 0; i < count; ++i) {
                const std::string typed = printed ? Names[i].printed : Names[i].spelled;
                // Before: every name that reads as spelled.
                ReadingMatcher matcher(Folded(typed));
                std::vector<std::uint32_t> old;
                for (std::uint32_t n = 0; n < count; ++n)
                    if (matcher.Matches(folded[n], partial))
                        old.push_back(n);
                std::vector<std::uint32_t> now = index.ReadingMatches(history, platform, typed, partial);
                for (const auto& [shown, tally] : {std::pair{&old, &before}, std::pair{&now, &after}}) {
                    bool own = false;
                    for (const std::uint32_t n : *shown)
                        own = own || n == i;
                    tally->found += own ? 1 : 0;
                    tally->others += static_cast<int>(shown->size()) - (own ? 1 : 0);
                }
                if (printed && !partial && std::find(now.begin(), now.end(), i) == now.end())
                    missed += std::string(" ") + typed + " (" + Names[i].text + ")";
                if (now != old) {
                    changes += std::string(partial ? "partial " : "prefix  ") + typed + ":";
                    for (const std::uint32_t n : now)
                        changes += std::string(" ") + Names[n].text;
                    changes += "\n";
                }
            }
            for (const auto& [rule, tally] : {std::pair{"before", before}, std::pair{"after", after}})
                std::printf("%-8s %-8s %-7s %6d %7d %16.2f\n", printed ? "printed" : "spelled",
                            partial ? "partial" : "prefix", rule, tally.found, tally.others,
                            10.0 * tally.others / static_cast<double>(count));
            if (printed && !partial)
                addedPrinted = after.others - before.others;
        }
    }
    std::printf("\nwrong names the new rule adds, prefix search typed as printed: %d in %zu queries, %.2f per 10 "
                "(goal: at most 1)\n",
                addedPrinted, count, 10.0 * addedPrinted / static_cast<double>(count));
    std::printf("\ntyped as printed, prefix search, not finding their name:%s\n", missed.c_str());
    std::printf("\nqueries whose list changed, and what it shows now:\n%s", changes.c_str());
    return 0;
}
