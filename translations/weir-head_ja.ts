<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
SPDX-License-Identifier: GPL-3.0-or-later
SPDX-FileCopyrightText: 2026 The Weir Head developers

The program's texts are written in Japanese, so in Japanese this catalogue
only fills what Qt's own Japanese catalogue (qtbase_ja) lacks.
-->
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示する。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションを含むヘルプを表示する。</translation>
    </message>
</context>
</TS>
