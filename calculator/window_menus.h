// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

class QAction;
class QMenuBar;

namespace weir {

class WeirHeadWindow;

// The calculator's menu items, each wired to the window's slot of the same
// name.
struct WindowActions {
    QAction *saveSheet = nullptr;    // ファイル > 計算書を保存 (PDF)
    QAction *printSheet = nullptr;   // ファイル > 印刷 (Ctrl+P)
    QAction *previewSheet = nullptr; // ファイル > 印刷プレビュー
    QAction *quit = nullptr;         // ファイル > 終了 (Ctrl+Q)
    QAction *copyResult = nullptr;   // 編集 > 結果をコピー
    QAction *copyTrail = nullptr;    // 編集 > 計算過程をコピー
    QAction *uncertainty = nullptr;  // 編集 > 不確かさ
    QAction *rating = nullptr;       // 表示 > 水位流量表 (Ctrl+T)
    QAction *design = nullptr;       // 表示 > 堰の設計
    QAction *records = nullptr;      // 表示 > 記録から流量
    QAction *manual = nullptr;       // ヘルプ > 使い方 (F1)
    QAction *about = nullptr;        // ヘルプ > このプログラムについて
};

// The four menus on `bar`, above the client area so that no control moves.
// Every menu and item has a mnemonic, so the bar works from the keyboard
// (Alt+F, Alt+E, Alt+V, Alt+H).
WindowActions buildMenus(QMenuBar *bar, WeirHeadWindow *window);

} // namespace weir
