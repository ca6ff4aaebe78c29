<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>四角堰の越流高さ: 流量、堰の幅と越流高さの挟込範囲から、二分法で越流高さを求めます。</source>
        <translation>Finds the overflow head over a rectangular sharp-crested weir from the flow,
the weir&apos;s width and a bracket of heads, by bisection.</translation>
    </message>
    <message>
        <source>サブコマンド</source>
        <translation>subcommand</translation>
    </message>
    <message>
        <source>weir-head: 計算の部品 (weir-head-cli) を読み込めません: %1</source>
        <translation>weir-head: cannot load the calculation module (weir-head-cli): %1</translation>
    </message>
    <message>
        <source>--zero の値 %1 が数値ではありません。</source>
        <translation>The value %1 of --zero is not a number.</translation>
    </message>
    <message>
        <source>越流高さから流量を求めます。一つの値、または記録 (CSV) の各行について。</source>
        <translation>Finds the flow from the head, for one value or for every row of a record (CSV).</translation>
    </message>
    <message>
        <source>堰の幅 (mm)</source>
        <translation>width of the weir (mm)</translation>
    </message>
    <message>
        <source>越流高さ (mm、--unit の単位)</source>
        <translation>head (mm, in the unit of --unit)</translation>
    </message>
    <message>
        <source>列</source>
        <translation>column</translation>
    </message>
    <message>
        <source>読み</source>
        <translation>reading</translation>
    </message>
    <message>
        <source>水面が堰頂と同じ高さのときの読み（--unit の単位）: 越流高さ = 読み − この値</source>
        <translation>the reading when the water stands level with the crest (in the unit of --unit): head = reading - this value</translation>
    </message>
    <message>
        <source>書式</source>
        <translation>format</translation>
    </message>
    <message>
        <source>時刻の書き方（例: &quot;MM/dd/yy hh:mm:ss AP&quot;、&quot;yyyy/MM/dd HH:mm&quot;）</source>
        <translation>how the times are written (for example &quot;MM/dd/yy hh:mm:ss AP&quot;, &quot;yyyy/MM/dd HH:mm&quot;)</translation>
    </message>
    <message>
        <source>記録の文字コード（既定: ファイルから判断）</source>
        <translation>the record&apos;s encoding (default: judged from the file)</translation>
    </message>
    <message>
        <source>流量から越流高さを求めます。一つの値、または記録 (CSV) の各行について。</source>
        <translation>Finds the head from the flow, for one value or for every row of a record (CSV).</translation>
    </message>
    <message>
        <source>流量（--unit の単位、既定 L/min）</source>
        <translation>flow (in the unit of --unit, default L/min)</translation>
    </message>
    <message>
        <source>解の挟込最小値 (mm)</source>
        <translation>lower end of the bracket of heads (mm)</translation>
    </message>
    <message>
        <source>解の挟込最大値 (mm)</source>
        <translation>upper end of the bracket of heads (mm)</translation>
    </message>
    <message>
        <source>流量の単位（既定 L/min）</source>
        <translation>unit of the flows (default L/min)</translation>
    </message>
    <message>
        <source>文字コードは %1 として読みました（--encoding で変えられます）。</source>
        <translation>The encoding was read as %1 (--encoding changes it).</translation>
    </message>
    <message>
        <source>単位 %1 は使えません（越流高さ: mm, cm, m, in, ft）。</source>
        <translation>The unit %1 is not known (heads: mm, cm, m, in, ft).</translation>
    </message>
    <message>
        <source>単位 %1 は使えません（流量: L/min, L/s, m3/s, m3/h, m3/d, cfs）。</source>
        <translation>The unit %1 is not known (flows: L/min, L/s, m3/s, m3/h, m3/d, cfs).</translation>
    </message>
    <message>
        <source>文字コード %1 は使えません（utf-8, utf-16, cp932, latin-1）。</source>
        <translation>The encoding %1 is not known (utf-8, utf-16, cp932, latin-1).</translation>
    </message>
    <message>
        <source>--time は時刻の列を一つ、または日付の列と時刻の列の二つ指定して下さい。</source>
        <translation>Give --time one column of times, or two: a column of dates and a column of times.</translation>
    </message>
    <message>
        <source>値がありません。</source>
        <translation>No value.</translation>
    </message>
    <message>
        <source>文字コード %1 として読みました（--encoding で変えられます）。</source>
        <translation>Read as the encoding %1 (--encoding changes it).</translation>
    </message>
    <message>
        <source>文字コード %1 として読みました。</source>
        <translation>Read as the encoding %1.</translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>出力の形式（記録では既定で記録と同じ区切り）</source>
        <translation>output format (for a record, by default the record&apos;s own delimiter)</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>file</translation>
    </message>
    <message>
        <source>出力先のファイル（全部書けたときだけ置き換えます）</source>
        <translation>the output file (replaced only once all of it is written)</translation>
    </message>
    <message>
        <source>この説明を表示します</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>使い方: weir-head %1 [オプション]</source>
        <translation>Usage: weir-head %1 [options]</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>余分な引数があります: %1</source>
        <translation>Extra arguments: %1</translation>
    </message>
    <message>
        <source>形式 %1 は使えません (csv, tsv, json)。</source>
        <translation>The format %1 is not known (csv, tsv, json).</translation>
    </message>
    <message>
        <source>水位流量表を出力します。</source>
        <translation>Writes the rating table.</translation>
    </message>
    <message>
        <source>越流高さ 始め (mm)</source>
        <translation>first head (mm)</translation>
    </message>
    <message>
        <source>越流高さ 終わり (mm)</source>
        <translation>last head (mm)</translation>
    </message>
    <message>
        <source>刻み (mm)</source>
        <translation>step (mm)</translation>
    </message>
    <message>
        <source>越流高さの標準不確かさ（読みとゼロ点を合わせて）: 流量の拡張不確かさを加えます</source>
        <translation>Standard uncertainty of the head (the reading and its zero together): adds the expanded uncertainty of the flow</translation>
    </message>
    <message>
        <source>堰の幅の標準不確かさ</source>
        <translation>Standard uncertainty of the weir width</translation>
    </message>
    <message>
        <source>流量係数の相対標準不確かさ（三つとも指定します）</source>
        <translation>Relative standard uncertainty of the discharge coefficient (give all three)</translation>
    </message>
    <message>
        <source>--u-head, --u-width, --u-coefficient は三つとも指定して下さい。</source>
        <translation>Give all three of --u-head, --u-width and --u-coefficient.</translation>
    </message>
    <message>
        <source>--%1 の値 %2 が0以上の数値ではありません。</source>
        <translation>The value %2 of --%1 is not a number of zero or more.</translation>
    </message>
    <message>
        <source>窓を開かずに計算します: 越流高さ、流量、水位流量表、堰の設計 (weir-head head --help など)。</source>
        <translation>Calculates without the window: the head, the flow, the rating table, the weir to build (see weir-head head --help and so on).</translation>
    </message>
    <message>
        <source>流量の範囲を測る堰の幅を求めます: 最小流量から最大流量までのどの流量でも、越流高さが 20 mm から許容最高越流高さまでに入る幅。</source>
        <translation>Finds the weir widths that measure a range of flows: those on which every flow from the smallest to the largest passes at a head from 20 mm up to the highest head allowed.</translation>
    </message>
    <message>
        <source>測る最小の流量 (L/min)</source>
        <translation>Smallest flow to measure (L/min)</translation>
    </message>
    <message>
        <source>測る最大の流量 (L/min)</source>
        <translation>Largest flow to measure (L/min)</translation>
    </message>
    <message>
        <source>水路が許す最高の越流高さ (mm)</source>
        <translation>Highest head the channel allows (mm)</translation>
    </message>
    <message>
        <source>最小流量で許す拡張不確かさ (%、--u-head などの三つと共に)</source>
        <translation>Largest expanded uncertainty acceptable at the smallest flow (%, with the three of --u-head and so on)</translation>
    </message>
    <message>
        <source>選んだ堰の幅 (mm): 両端の流量での越流高さなど</source>
        <translation>A chosen weir width (mm): the heads at both flows and more</translation>
    </message>
    <message>
        <source>サブコマンド %1 はありません (%2)。</source>
        <translation>There is no subcommand %1 (%2).</translation>
    </message>
    <message>
        <source>最も狭い堰の幅(mm)</source>
        <translation>Narrowest weir width (mm)</translation>
    </message>
    <message>
        <source>最も広い堰の幅(mm)</source>
        <translation>Widest weir width (mm)</translation>
    </message>
    <message>
        <source>広い側を決めるもの</source>
        <translation>Widest set by</translation>
    </message>
    <message>
        <source>最小流量の越流高さ(mm)</source>
        <translation>Head at the smallest flow (mm)</translation>
    </message>
    <message>
        <source>最大流量の越流高さ(mm)</source>
        <translation>Head at the largest flow (mm)</translation>
    </message>
    <message>
        <source>最小流量での越流高さの変化(mm/(L/min))</source>
        <translation>Head change at the smallest flow (mm per L/min)</translation>
    </message>
    <message>
        <source>この幅は範囲の外です。</source>
        <translation>This width lies outside the range.</translation>
    </message>
    <message>
        <source>最小流量の越流高さ %1 mm</source>
        <translation>the smallest flow&apos;s head, %1 mm</translation>
    </message>
    <message>
        <source>最小流量での拡張不確かさ %1 %</source>
        <translation>the expanded uncertainty at the smallest flow, %1 %</translation>
    </message>
    <message>
        <source>--%1 を指定して下さい。</source>
        <translation>Give --%1.</translation>
    </message>
    <message>
        <source>--%1 か --%2 を指定して下さい。</source>
        <translation>Give --%1 or --%2.</translation>
    </message>
    <message numerus="yes">
        <source>読み込み中: %n行（ファイルの %1 %）</source>
        <translation>
            <numerusform>Reading: %n row (%1 % of the file)</numerusform>
            <numerusform>Reading: %n rows (%1 % of the file)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>見出しは%1行目です（その上の%n行は読み飛ばしました）。</source>
        <translation>
            <numerusform>The header is on line %1 (the line above it was skipped).</numerusform>
            <numerusform>The header is on line %1 (the %n lines above it were skipped).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n行のうち %1行に答えがあり、%2行にありません。</source>
        <translation>
            <numerusform>%n row: %1 with an answer, %2 without.</numerusform>
            <numerusform>%n rows: %1 with an answer, %2 without.</numerusform>
        </translation>
    </message>
    <message>
        <source>--falling には --zero（水面が堰頂と同じ高さのときの読み）が要ります。</source>
        <translation>--falling needs --zero (the reading when the water stands level with the crest).</translation>
    </message>
    <message>
        <source>記録の水位の列（名前か、1から数えた番号）: 標準入力の記録の各行に流量を加えます</source>
        <translation>the record&apos;s column of levels (its name, or its number counting from 1): adds the flow to every row of the record on standard input</translation>
    </message>
    <message>
        <source>水位の単位（既定: 記録の見出しや単位の行にあればそれ、なければ mm）</source>
        <translation>unit of the levels (default: the one the record&apos;s header or units row states, else mm)</translation>
    </message>
    <message>
        <source>水面の上から距離を測る計器（超音波、レーダー）: 越流高さ = --zero − 読み</source>
        <translation>a gauge that measures the distance down to the water (ultrasonic, radar): head = --zero - reading</translation>
    </message>
    <message>
        <source>記録の時刻の列: 通過した水量を台形公式で求めます。日付と時刻が別の列なら二度指定します（順はどちらでも）</source>
        <translation>the record&apos;s column of times: gives the volume passed by the trapezoidal rule. Give it twice for a date column and a time column (in either order)</translation>
    </message>
    <message>
        <source>行の代わりに、日ごと・月ごとの水量、読みの覆う割合、読みの数、最小・平均・最大の流量を書きます</source>
        <translation>instead of the rows, writes each day&apos;s or month&apos;s volume, the share of it the readings cover, the readings, and the smallest, mean and largest flow</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>length</translation>
    </message>
    <message>
        <source>この長さまでの読みのない間は直線でつなぎます（例: 1h。既定: 記録の間隔の2倍を超える間は水量に含めません）</source>
        <translation>bridges a stretch without readings up to this length by a straight line (e.g. 1h; by default a stretch over twice the record&apos;s step is left out of the volume)</translation>
    </message>
    <message>
        <source>記録の流量の列（名前か、1から数えた番号）: 標準入力の記録の各行に越流高さを加えます</source>
        <translation>the record&apos;s column of flows (its name, or its number counting from 1): adds the head to every row of the record on standard input</translation>
    </message>
    <message>
        <source>--column に列の名前か番号を指定して下さい。</source>
        <translation>Give --column the name or the number of a column.</translation>
    </message>
    <message>
        <source>--period は day か month です。</source>
        <translation>--period is day or month.</translation>
    </message>
    <message>
        <source>--period には --time で時刻の列が要ります。</source>
        <translation>--period needs the column of times, with --time.</translation>
    </message>
    <message>
        <source>--max-gap の %1 が読めません（例: 90s、10min、1h、2d）。</source>
        <translation>--max-gap: %1 does not read (e.g. 90s, 10min, 1h, 2d).</translation>
    </message>
    <message>
        <source>（--column 3 のように）</source>
        <translation> (as in --column 3)</translation>
    </message>
    <message>
        <source>月が先なら --time-format &quot;%1&quot;、日が先なら --time-format &quot;%2&quot; と指定して下さい。</source>
        <translation> Give --time-format &quot;%1&quot; for month first, or --time-format &quot;%2&quot; for day first.</translation>
    </message>
    <message>
        <source>%1行目は記録の終わりの行として読み飛ばしました: %2</source>
        <translation>Line %1 is the record&apos;s last line and was passed over: %2</translation>
    </message>
    <message>
        <source>%1行目は注記として読み飛ばしました: %2</source>
        <translation>Line %1 is a note and was passed over: %2</translation>
    </message>
    <message>
        <source>読み書きする数値の小数点をコンマにします（既定: 記録はその小数点で読み書きし、ほかは点）</source>
        <translation>numbers read and written with a decimal comma (by default a record is read and written with its own decimal mark, everything else with a point)</translation>
    </message>
    <message>
        <source>%1行目の単位の行</source>
        <translation>the units row on line %1</translation>
    </message>
    <message>
        <source>列の名前</source>
        <translation>the column&apos;s name</translation>
    </message>
    <message>
        <source>列 %1 の読みは %2 で読みました（%3による）。</source>
        <translation>The readings of column %1 were read in %2 (from %3).</translation>
    </message>
    <message>
        <source>列 %1 の単位は%2では %3 ですが、--unit の %4 で読みました。</source>
        <translation>The unit of column %1 is %3 by %2; it was read in %4, as --unit says.</translation>
    </message>
    <message>
        <source>--formula は own, jis-rect, jis-full, jis-francis, iso-full のどれかです。</source>
        <translation>--formula is one of own, jis-rect, jis-full, jis-francis, iso-full.</translation>
    </message>
    <message>
        <source>%1 が数値ではありません。</source>
        <translation>%1 is not a number.</translation>
    </message>
    <message>
        <source>この堰はあり得ません: 公式 %1 には、正の堰の幅と（四角せき・全幅せき・ISO では）正の堰頂の高さ --crest-height、四角せきでは堰の幅以上の水路の幅 --channel-width が要ります。</source>
        <translation>No such weir can be: the formula %1 needs a positive width, (for jis-rect, jis-full and iso-full) a positive crest height --crest-height, and for jis-rect a channel width --channel-width no narrower than the weir.</translation>
    </message>
    <message>
        <source>流量の公式（既定 own: 本プログラムの公式）。jis-rect: JIS B 8302 四角せき、jis-full: 全幅せき、jis-francis: JIS K 0094 Francis、iso-full: ISO 1438 全幅</source>
        <translation>the flow formula (default own: the program&apos;s own). jis-rect: JIS B 8302 rectangular weir, jis-full: its full-width weir, jis-francis: JIS K 0094 Francis, iso-full: ISO 1438 full-width weir</translation>
    </message>
    <message>
        <source>水路の幅 B (mm、jis-rect)</source>
        <translation>width B of the channel (mm, jis-rect)</translation>
    </message>
    <message>
        <source>水路の底から堰頂までの高さ D (mm、jis-rect, jis-full, iso-full)</source>
        <translation>height D of the crest above the channel bed (mm, jis-rect, jis-full, iso-full)</translation>
    </message>
    <message>
        <source>規格の公式では越流高さを公式の範囲全体で探します: --min と --max は使えません。</source>
        <translation>A standard&apos;s formula looks for the head over its whole range: --min and --max cannot be used with it.</translation>
    </message>
    <message numerus="yes">
        <source>%n行の流量は公式の適用範囲外です（reason の欄）。</source>
        <translation>
            <numerusform>%n row&apos;s flow lies outside the formula&apos;s range (see its reason).</numerusform>
            <numerusform>%n rows&apos; flows lie outside the formula&apos;s range (see their reason).</numerusform>
        </translation>
    </message>
    <message>
        <source>書き込めません。</source>
        <translation>it cannot be written to.</translation>
    </message>
    <message>
        <source>標準出力</source>
        <translation>the standard output</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>記録を読み直せません。</source>
        <translation>The record cannot be read again.</translation>
    </message>
    <message>
        <source>%1行目: 引用符 &quot; が閉じていません。</source>
        <translation>line %1: a quotation mark &quot; is not closed.</translation>
    </message>
    <message>
        <source>列 %1 の日付は、%2行目（%3）では日が先、%4行目（%5）では月が先です。</source>
        <translation>The dates of column %1 put the day first on line %2 (%3) and the month first on line %4 (%5).</translation>
    </message>
    <message>
        <source>%1行目: 列 %2 の日付 %3 は、月が先なら %4、日が先なら %5 と二通りに読め、この列にはどちらかに決める日付（13以上の日）がありません。</source>
        <translation>line %1: the date %3 of column %2 reads two ways, %4 month first and %5 day first, and no date of the column (a day past 12) decides which.</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1行目の見出しは%2列ですが、その下の%3行目は%4列あります。見出しが行と揃っていないため、列を名前では選べません。列は番号（1から数えて）でも選べます。</source>
        <translation>The header on line %1 has %2 columns, but line %3 below it has %4. The header is out of line with the rows, so its names cannot choose a column; a column can also be chosen by its number, counting from 1.</translation>
    </message>
    <message>
        <source>記録が空です。見出しの行がありません。</source>
        <translation>The record is empty: it has no header line.</translation>
    </message>
    <message>
        <source>%1行目の見出しに 列 %2 がありません。</source>
        <translation>The header on line %1 has no column %2.</translation>
    </message>
    <message>
        <source>列 %1 を含む見出しの行がありません（最初の%2行を調べました）。</source>
        <translation>No header line holds the column %1 (the first %2 lines were searched).</translation>
    </message>
    <message>
        <source>%1行目: 見出しの%2列より先に値があります（%3列目）。</source>
        <translation>line %1: there are values beyond the header&apos;s %2 columns (column %3).</translation>
    </message>
    <message>
        <source>読みの小数点はコンマとして読みました（0,032 のように書かれています）。</source>
        <translation>The readings&apos; decimal mark was read as a comma (they are written as 0,032).</translation>
    </message>
    <message>
        <source>%1行目は単位の行として読み飛ばしました。</source>
        <translation>Line %1 is a row of units and was passed over.</translation>
    </message>
    <message>
        <source>%1行目は読みのない行として読み飛ばしました。</source>
        <translation>Line %1 holds no readings and was passed over.</translation>
    </message>
    <message>
        <source>時刻の時間帯: %1（見出しによる）。日ごと・月ごとの区切りはこの時刻のままです。</source>
        <translation>Time zone of the times: %1 (from the header). Days and months are divided by these times as they stand.</translation>
    </message>
    <message>
        <source>一時ファイルを作れません。</source>
        <translation>Cannot create a temporary file.</translation>
    </message>
    <message>
        <source>一時ファイルに書けません。</source>
        <translation>Cannot write to the temporary file.</translation>
    </message>
    <message>
        <source>%1 として読めない文字があります。</source>
        <translation>Some characters cannot be read as %1.</translation>
    </message>
    <message>
        <source>文字コード %1 はここでは読めません。</source>
        <translation>The encoding %1 cannot be read here.</translation>
    </message>
    <message>
        <source>記録の始まる前</source>
        <translation>before the record begins</translation>
    </message>
    <message>
        <source>記録の終わった後</source>
        <translation>after the record ends</translation>
    </message>
    <message>
        <source>欠測</source>
        <translation>missing readings</translation>
    </message>
    <message>
        <source>読みのない間</source>
        <translation>a stretch without readings</translation>
    </message>
    <message>
        <source>時刻の戻り</source>
        <translation>a time that goes back</translation>
    </message>
    <message>
        <source>%1行目: 時刻がありません。</source>
        <translation>line %1: no time.</translation>
    </message>
    <message>
        <source>%1行目: 時刻 %2 が読めません。</source>
        <translation>line %1: the time %2 cannot be read.</translation>
    </message>
    <message>
        <source>欠測: %1行目から%2行目まで（水量に含めません）</source>
        <translation>missing: lines %1 to %2 (left out of the volume)</translation>
    </message>
    <message>
        <source>%1行目: 時刻 %2 が%3行目の時刻より前か同じです（この間は水量に含めません）。</source>
        <translation>line %1: the time %2 is not after the time on line %3 (the volume leaves this interval out).</translation>
    </message>
    <message>
        <source>通過した水量: 求められません。時刻にオフセットのないもの（%1行目）とあるもの（%2行目）が混ざっていて、同じ時計で並べられません。</source>
        <translation>Volume passed: cannot be found. Times without an offset (line %1) and with one (line %2) are mixed, and cannot be put on one clock.</translation>
    </message>
    <message numerus="yes">
        <source>ほか %n行の時刻が読めません。</source>
        <translation>
            <numerusform>and %n more line whose time cannot be read.</numerusform>
            <numerusform>and %n more lines whose times cannot be read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ほか %n行で時刻が戻るか繰り返します。</source>
        <translation>
            <numerusform>and %n more line whose time goes back or repeats.</numerusform>
            <numerusform>and %n more lines whose times go back or repeat.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1行目から%2行目までの %3 の間は読みがなく、直線でつなぎました。</source>
        <translation>Lines %1 to %2: %3 without readings, bridged by a straight line.</translation>
    </message>
    <message>
        <source>%1行目から%2行目までの %3 の間は読みがありません（記録の間隔 %4 の2倍を超えるため、水量に含めません）。</source>
        <translation>Lines %1 to %2: %3 without readings (over twice the record&apos;s step of %4, so left out of the volume).</translation>
    </message>
    <message numerus="yes">
        <source>ほか %n か所、読みのない間があります。</source>
        <translation>
            <numerusform>and %n more stretch without readings.</numerusform>
            <numerusform>and %n more stretches without readings.</numerusform>
        </translation>
    </message>
    <message>
        <source>通過した水量: %1 m³</source>
        <translation>Volume passed: %1 m³</translation>
    </message>
    <message>
        <source>通過した水量: %1 m³（時刻の続く区間がありません）</source>
        <translation>Volume passed: %1 m³ (no run of successive times)</translation>
    </message>
    <message>
        <source>%1行目から%2行目まで</source>
        <translation>lines %1 to %2</translation>
    </message>
    <message numerus="yes">
        <source>ほか%n区間</source>
        <translation>
            <numerusform>and %n more interval</numerusform>
            <numerusform>and %n more intervals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>通過した水量: %1 m³（記録の一部、%n区間: %2）</source>
        <translation>
            <numerusform>Volume passed: %1 m³ (part of the record, %n interval: %2)</numerusform>
            <numerusform>Volume passed: %1 m³ (part of the record, %n intervals: %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>水量の拡張不確かさ: ±%1 m³（三つの不確かさを記録を通じて系統的なものとした上限）</source>
        <translation>Expanded uncertainty of the volume: ±%1 m³ (an upper bound, the three uncertainties taken as systematic over the record)</translation>
    </message>
    <message>
        <source>値がありません。</source>
        <translation>No value.</translation>
    </message>
    <message>
        <source>数値の列を含む見出しの行がありません。区切りと小数点を確かめて下さい。</source>
        <translation>No header line stands above a column of numbers. Check the delimiter and the decimal mark.</translation>
    </message>
</context>
</TS>
