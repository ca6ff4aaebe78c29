<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>DesignTexts</name>
    <message>
        <source>最小流量(L/min)</source>
        <translation>Smallest flow (L/min)</translation>
    </message>
    <message>
        <source>最大流量(L/min)</source>
        <translation>Largest flow (L/min)</translation>
    </message>
    <message>
        <source>許容最高越流高さ(mm)</source>
        <translation>Highest head allowed (mm)</translation>
    </message>
    <message>
        <source>最小流量での許容拡張不確かさ(%)</source>
        <translation>Largest expanded uncertainty allowed at the smallest flow (%)</translation>
    </message>
    <message>
        <source>この幅を計算機に入れる</source>
        <translation>Put this width into the calculator</translation>
    </message>
    <message>
        <source>%1は%2以上にして下さい。</source>
        <translation>%1 must be at least %2.</translation>
    </message>
    <message>
        <source>%1は公式の適用範囲の下限 %2 mm より大きくして下さい。</source>
        <translation>%1 must be above %2 mm, the lower limit of the formula&apos;s range.</translation>
    </message>
    <message>
        <source>%1には、不確かさの三つの値（越流高さ、堰の幅、流量係数）が要ります。</source>
        <translation>%1 needs the three uncertainties (head, width of the weir, flow coefficient).</translation>
    </message>
    <message>
        <source>広い側は最小流量の越流高さ %1 mm で決まります</source>
        <translation>the wide end is set by the head of %1 mm at the smallest flow</translation>
    </message>
    <message>
        <source>広い側は最小流量での拡張不確かさ %1 % で決まります</source>
        <translation>the wide end is set by the expanded uncertainty of %1 % at the smallest flow</translation>
    </message>
    <message>
        <source>%1: %2 〜 %3 mm（%4）</source>
        <translation>%1: %2 to %3 mm (%4)</translation>
    </message>
    <message>
        <source>この流量の幅を一つの堰では測れません: 最大流量を %1 mm 以下で流すには幅 %2 mm 以上が要り、その幅では最小流量の越流高さが %3 mm を下回ります（幅 %4 mm まで）。許容最高越流高さを上げるか、流量の範囲を分けて下さい。</source>
        <translation>No one weir measures flows this far apart: to pass the largest flow at %1 mm or less the weir must be at least %2 mm wide, and at that width the head of the smallest flow falls below %3 mm (up to a width of %4 mm). Raise the highest head allowed, or split the range of flows.</translation>
    </message>
    <message>
        <source>最小流量での拡張不確かさが %1 % を超えます: 最も狭い幅 %2 mm でも %3 % です。許容値を上げるか、越流高さの不確かさ u(h) を小さくして下さい。</source>
        <translation>The expanded uncertainty at the smallest flow is over %1 %: %3 % even at the narrowest width, %2 mm. Raise the limit, or make the head&apos;s uncertainty u(h) smaller.</translation>
    </message>
    <message>
        <source>幅 %1 mm の堰では、最大流量を公式の範囲内で流せません。</source>
        <translation>A weir %1 mm wide cannot pass the largest flow within the formula&apos;s range.</translation>
    </message>
    <message>
        <source>最小流量 %1 L/min: 越流高さ %2 mm</source>
        <translation>Smallest flow %1 L/min: head %2 mm</translation>
    </message>
    <message>
        <source>最大流量 %1 L/min: 越流高さ %2 mm</source>
        <translation>Largest flow %1 L/min: head %2 mm</translation>
    </message>
    <message>
        <source>最小流量で流量 1 L/min あたりの越流高さの変化: %1 mm</source>
        <translation>Change of head per 1 L/min at the smallest flow: %1 mm</translation>
    </message>
    <message>
        <source>最小流量での拡張不確かさ: ±%1 L/min（%2 %）</source>
        <translation>Expanded uncertainty at the smallest flow: ±%1 L/min (%2 %)</translation>
    </message>
    <message>
        <source>この幅は範囲の外です。</source>
        <translation>This width is outside the range.</translation>
    </message>
</context>
<context>
    <name>RatingTexts</name>
    <message>
        <source>越流高さ 始め(mm)</source>
        <translation>Head from (mm)</translation>
    </message>
    <message>
        <source>越流高さ 終わり(mm)</source>
        <translation>Head to (mm)</translation>
    </message>
    <message>
        <source>刻み(mm)</source>
        <translation>Step (mm)</translation>
    </message>
    <message>
        <source>流量(m³/s)</source>
        <translation>Flow (m³/s)</translation>
    </message>
    <message>
        <source>備考</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>%1は%2以上にして下さい。</source>
        <translation>%1 must be at least %2.</translation>
    </message>
    <message>
        <source>%1が小さ過ぎます（%2行まで）。</source>
        <translation>%1 is too small (%2 rows at most).</translation>
    </message>
    <message>
        <source> ± %1 L/min（U = %2 %）</source>
        <translation> ± %1 L/min (U = %2 %)</translation>
    </message>
    <message>
        <source>水路の幅 B(mm)</source>
        <translation>Channel width B (mm)</translation>
    </message>
    <message>
        <source>堰頂の高さ D(mm)</source>
        <translation>Crest height D (mm)</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>&#x3000;四角堰の越流高さ</source>
        <translation>Rectangular Weir Head</translation>
    </message>
    <message>
        <source>堰の幅(mm)</source>
        <translation>Width of the weir (mm)</translation>
    </message>
    <message>
        <source>流量(L/min)</source>
        <translation>Flow (L/min)</translation>
    </message>
    <message>
        <source>解の挟込最小値(mm)</source>
        <translation>Lowest head of the bracket (mm)</translation>
    </message>
    <message>
        <source>最大値(mm)</source>
        <translation>Highest head of the bracket (mm)</translation>
    </message>
    <message>
        <source>越流高さ(mm)</source>
        <translation>Head (mm)</translation>
    </message>
    <message>
        <source>Trial回数</source>
        <translation>Trials</translation>
    </message>
    <message>
        <source>適用範囲        越流高さ≧%1mm         </source>
        <translation>Valid for a head of %1 mm or more</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>クリヤ</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>解がありません。挟込範囲を変更して下さい。</source>
        <translation>No solution in the bracket. Change the bracket.</translation>
    </message>
    <message>
        <source>収束しません。挟込範囲を変更して下さい。</source>
        <translation>The search does not converge. Change the bracket.</translation>
    </message>
    <message>
        <source>計算できません。入力値を見直して下さい。</source>
        <translation>Cannot calculate. Check the values given.</translation>
    </message>
    <message>
        <source>%1が数値ではありません。</source>
        <translation>%1 is not a number.</translation>
    </message>
    <message>
        <source>%1の値が大き過ぎます。</source>
        <translation>%1 is too large.</translation>
    </message>
    <message>
        <source>%1は0より大きい値にして下さい。</source>
        <translation>%1 must be greater than 0.</translation>
    </message>
    <message>
        <source>越流高さは最小値より下の約%1mmです。</source>
        <translation>The head is about %1 mm, below the lowest of the bracket.</translation>
    </message>
    <message>
        <source>越流高さは最大値より上の約%1mmです。</source>
        <translation>The head is about %1 mm, above the highest of the bracket.</translation>
    </message>
    <message>
        <source>越流高さ約%1mm: 最大値を下げて下さい。</source>
        <translation>The head is about %1 mm: lower the highest of the bracket.</translation>
    </message>
    <message>
        <source>越流高さは最大値より上、公式の範囲外です。</source>
        <translation>The head is above the highest of the bracket, outside the formula&apos;s range.</translation>
    </message>
    <message>
        <source>この幅の堰では公式の範囲内でこの流量を流せません。</source>
        <translation>A weir of this width cannot pass this flow within the formula&apos;s range.</translation>
    </message>
    <message>
        <source>%1mm未満は公式の適用範囲外です。</source>
        <translation>Below %1 mm the formula does not apply.</translation>
    </message>
    <message>
        <source>適用範囲外</source>
        <translation>outside the valid range</translation>
    </message>
    <message>
        <source>越流高さが約%1mm以上では公式の流量が増えないため、流量を求められません。</source>
        <translation>From a head of about %1 mm up the formula&apos;s flow no longer rises, so no flow can be given.</translation>
    </message>
    <message>
        <source>公式の範囲外（流量なし）</source>
        <translation>outside the formula&apos;s range (no flow)</translation>
    </message>
    <message>
        <source>約%1mmより上では公式の流量が減るため、この越流高さは解ではありません。</source>
        <translation>Above about %1 mm the formula&apos;s flow falls, so this head is no solution.</translation>
    </message>
    <message>
        <source>入力が変わりました。この値は前回の計算のものです。</source>
        <translation>The inputs have changed. This value is from the last calculation.</translation>
    </message>
    <message>
        <source>この流量の越流高さは約%1mmです。</source>
        <translation>The head for this flow is about %1 mm.</translation>
    </message>
    <message>
        <source>計算書</source>
        <translation>Calculation sheet</translation>
    </message>
    <message>
        <source>水位流量表</source>
        <translation>Rating table</translation>
    </message>
    <message>
        <source>堰の設計</source>
        <translation>Weir design</translation>
    </message>
    <message>
        <source>このプログラムについて</source>
        <translation>About this program</translation>
    </message>
    <message>
        <source>%1を保存</source>
        <translation>Save %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1を開けません: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>h, b は m、Q は m³/s</source>
        <translation>h and b in m, Q in m³/s</translation>
    </message>
    <message>
        <source>越流高さの標準不確かさ u(h)(mm)</source>
        <translation>Standard uncertainty of the head u(h) (mm)</translation>
    </message>
    <message>
        <source>堰の幅の標準不確かさ u(b)(mm)</source>
        <translation>Standard uncertainty of the width u(b) (mm)</translation>
    </message>
    <message>
        <source>流量係数の相対標準不確かさ u_C(%)</source>
        <translation>Relative standard uncertainty of the flow coefficient u_C (%)</translation>
    </message>
    <message>
        <source>%1を入れて下さい（三つとも入れるか、三つとも空欄にします）。</source>
        <translation>Give %1 (give all three uncertainties, or none).</translation>
    </message>
    <message>
        <source>%1は0以上にして下さい。</source>
        <translation>%1 must be 0 or more.</translation>
    </message>
    <message>
        <source>u(h) = %1 mm、u(b) = %2 mm、u_C = %3 %（拡張不確かさ U = 2u、約 95 %）</source>
        <translation>u(h) = %1 mm, u(b) = %2 mm, u_C = %3 % (expanded uncertainty U = 2u, about 95 %)</translation>
    </message>
    <message>
        <source>不確かさ</source>
        <translation>Uncertainty</translation>
    </message>
    <message>
        <source>越流高さは読みとゼロ点を合わせた標準不確かさ。三つとも入れると、計算書と水位流量表に流量の拡張不確かさ（U = 2u、約 95 %）が出ます。三つとも空欄なら出ません。</source>
        <translation>The head&apos;s is the standard uncertainty of the reading and the zero together. With all three given, the calculation sheet and the rating table show the flow&apos;s expanded uncertainty (U = 2u, about 95 %); with none, they do not.</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>±(L/min)</source>
        <translation>±(L/min)</translation>
    </message>
    <message>
        <source>U(%)</source>
        <translation>U(%)</translation>
    </message>
    <message>
        <source>%1 を保存できません: %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>越流なし（水面が堰頂の高さ以下）</source>
        <translation>no overflow (the water at or below the crest)</translation>
    </message>
    <message>
        <source>記録から流量</source>
        <translation>Flows from a record</translation>
    </message>
    <message>
        <source>本プログラムの公式</source>
        <translation>The program&apos;s own formula</translation>
    </message>
    <message>
        <source>JIS B 8302 四角せき（板谷・手島の式）</source>
        <translation>JIS B 8302 rectangular weir (Itaya-Teshima formula)</translation>
    </message>
    <message>
        <source>JIS B 8302 全幅せき</source>
        <translation>JIS B 8302 full-width weir</translation>
    </message>
    <message>
        <source>JIS K 0094 フランシスの式（両端収縮）</source>
        <translation>JIS K 0094 Francis formula (two end contractions)</translation>
    </message>
    <message>
        <source>ISO 1438 全幅の薄刃せき</source>
        <translation>ISO 1438 full-width thin-plate weir</translation>
    </message>
    <message>
        <source>越流高さ 20 mm 以上</source>
        <translation>head 20 mm and above</translation>
    </message>
    <message>
        <source>公式: %1（適用範囲: %2）</source>
        <translation>Formula: %1 (range of validity: %2)</translation>
    </message>
    <message>
        <source>公式の適用範囲外（%1）</source>
        <translation>outside the formula&apos;s range (%1)</translation>
    </message>
    <message>
        <source>本プログラムの公式の流量(L/min)</source>
        <translation>Flow by the program&apos;s own formula (L/min)</translation>
    </message>
    <message>
        <source>差(%)</source>
        <translation>Difference (%)</translation>
    </message>
</context>
</TS>
