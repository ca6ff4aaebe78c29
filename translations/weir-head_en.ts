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
        <source>%1行目: 引用符 &quot; が閉じていません。</source>
        <translation>line %1: a quotation mark &quot; is not closed.</translation>
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
        <source>記録の水位の列: 標準入力の記録の各行に流量を加えます</source>
        <translation>the record&apos;s column of levels: a flow is added to every row of the record on standard input</translation>
    </message>
    <message>
        <source>水位の単位（既定 mm）</source>
        <translation>unit of the levels (default mm)</translation>
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
        <source>記録の時刻の列: 通過した水量を台形公式で求めます。日付と時刻が別の列なら二度指定します</source>
        <translation>the record&apos;s column of times: the volume passed, by the trapezoidal rule. Give it twice when the date and the time are separate columns</translation>
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
        <source>記録の流量の列: 標準入力の記録の各行に越流高さを加えます</source>
        <translation>the record&apos;s column of flows: a head is added to every row of the record on standard input</translation>
    </message>
    <message>
        <source>流量の単位（既定 L/min）</source>
        <translation>unit of the flows (default L/min)</translation>
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
        <source>--column に列の名前を指定して下さい。</source>
        <translation>Give the name of a column to --column.</translation>
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
        <source>%1行目: 見出しの%2列より先に値があります（%3列目）。</source>
        <translation>line %1: there are values beyond the header&apos;s %2 columns (column %3).</translation>
    </message>
    <message>
        <source>%1行目: 列 %2 の時刻 %3 は、月/日か日/月か二通りに読めます。--time-format で書き方を指定して下さい（例: --time-format &quot;MM/dd/yy hh:mm:ss AP&quot;）。</source>
        <translation>line %1: the time %3 in column %2 reads two ways, month/day or day/month. Say how times are written with --time-format (for example --time-format &quot;MM/dd/yy hh:mm:ss AP&quot;).</translation>
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
        <source>%1行目: 時刻がありません。</source>
        <translation>line %1: no time.</translation>
    </message>
    <message>
        <source>%1行目: 時刻 %2 が読めません。</source>
        <translation>line %1: the time %2 cannot be read.</translation>
    </message>
    <message>
        <source>%1行目: 時刻 %2 が%3行目の時刻より前か同じです（この間は水量に含めません）。</source>
        <translation>line %1: the time %2 is not after the time on line %3 (the volume leaves this interval out).</translation>
    </message>
    <message>
        <source>欠測: %1行目から%2行目まで（水量に含めません）</source>
        <translation>missing: lines %1 to %2 (left out of the volume)</translation>
    </message>
    <message>
        <source>通過した水量: 求められません。時刻にオフセットのないもの（%1行目）とあるもの（%2行目）が混ざっていて、同じ時計で並べられません。</source>
        <translation>Volume passed: cannot be found. Times without an offset (line %1) and with one (line %2) are mixed, and cannot be put on one clock.</translation>
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
        <source>数値の小数点をコンマにします</source>
        <translation>write numbers with a decimal comma</translation>
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
        <source>、</source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
</context>
</TS>
