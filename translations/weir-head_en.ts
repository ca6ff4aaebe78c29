<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
SPDX-License-Identifier: GPL-3.0-or-later
SPDX-FileCopyrightText: 2026 The Weir Head developers

The command line's own texts in English, for every language but Japanese.
The window keeps its Japanese captions in every language: no context of the
window's belongs here.
-->
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>四角堰の越流高さ: 流量、堰の幅と越流高さの挟込範囲から、二分法で越流高さを求めます。</source>
        <translation>Finds the overflow head over a rectangular sharp-crested weir from the flow,
the weir&apos;s width and a bracket of heads, by bisection.</translation>
    </message>
    <message>
        <source>窓を開かずに計算します: 越流高さ、流量、水位流量表 (weir-head head --help など)。</source>
        <translation>Calculates without the window: the head, the flow, the rating table (see weir-head head --help and so on).</translation>
    </message>
    <message>
        <source>サブコマンド</source>
        <translation>subcommand</translation>
    </message>
</context>
</TS>
