// Every text the game shows, in Shift_JIS (code page 932), each with its
// reading in a comment. Front ends convert these bytes at the desktop
// boundary; nothing inside the game handles another encoding.
#pragma once

#include "version.h"

// ---- Window title and class name -------------------------------------------
inline constexpr char TEXT_WINDOW_TITLE[] = "Tovrin\x82\xDD\x82\xC9"; // Tovrinみに

// ---- Menu ------------------------------------------------------------------
inline constexpr char TEXT_MENU_FILE[] = "\xCC\xA7\xB2\xD9(&F)"; // ﾌｧｲﾙ(&F)
inline constexpr char TEXT_MENU_NEW_GAME[] = "\x90V\x82\xB5\x82\xA2\xB9\xDE\xB0\xD1(&N)"; // 新しいｹﾞｰﾑ(&N)
inline constexpr char TEXT_MENU_UNDO[] = "\x88\xEA\x8E\xE8\x96\xDF\x82\xB7(&U)"; // 一手戻す(&U)
inline constexpr char TEXT_MENU_HINT[] = "\xCB\xDD\xC4(&H)"; // ﾋﾝﾄ(&H)
inline constexpr char TEXT_MENU_HIGH_SCORE[] = "\xCA\xB2\xBD\xBA\xB1(&S)"; // ﾊｲｽｺｱ(&S)
inline constexpr char TEXT_MENU_QUIT[] = "\x8FI\x97\xB9(&Q)"; // 終了(&Q)
inline constexpr char TEXT_MENU_OPTIONS[] = "\xB5\xCC\xDF\xBC\xAE\xDD(&O)"; // ｵﾌﾟｼｮﾝ(&O)
inline constexpr char TEXT_MENU_EASY[] = "\x8A\xC8\x92P\xD3\xB0\xC4\xDE(&E)"; // 簡単ﾓｰﾄﾞ(&E)
inline constexpr char TEXT_MENU_NORMAL[] = "\x92\xCA\x8F\xED\xD3\xB0\xC4\xDE(&N)"; // 通常ﾓｰﾄﾞ(&N)
inline constexpr char TEXT_MENU_SOUND_ON[] = "\xBB\xB3\xDD\xC4\xDE\xB5\xDD(&O)"; // ｻｳﾝﾄﾞｵﾝ(&O)
inline constexpr char TEXT_MENU_SOUND_OFF[] = "\xBB\xB3\xDD\xC4\xDE\xB5\xCC(&F)"; // ｻｳﾝﾄﾞｵﾌ(&F)
inline constexpr char TEXT_MENU_MINI[] = "\x82\xDD\x82\xC9\xD3\xB0\xC4\xDE(&M)"; // みにﾓｰﾄﾞ(&M)
inline constexpr char TEXT_MENU_LARGE[] = "\x82\xDD\x82\xC9\x82\xB6\x82\xE1\x82\xC8\x82\xA2\xD3\xB0\xC4\xDE(&L)"; // みにじゃないﾓｰﾄﾞ(&L)
inline constexpr char TEXT_MENU_HELP[] = "\xCD\xD9\xCC\xDF(&H)"; // ﾍﾙﾌﾟ(&H)
inline constexpr char TEXT_MENU_VERSION[] = "\xCA\xDE\xB0\xBC\xDE\xAE\xDD(&A) ..."; // ﾊﾞｰｼﾞｮﾝ(&A) ...

// ---- Message boxes ---------------------------------------------------------
inline constexpr char TEXT_NEW_GAME_QUESTION[] = "\x90V\x82\xB5\x82\xA2\x83Q\x81[\x83\x80?"; // 新しいゲーム?
inline constexpr char TEXT_NEW_GAME_CAPTION[] = "\x90V\x82\xB5\x82\xA2\x83Q\x81[\x83\x80"; // 新しいゲーム
inline constexpr char TEXT_QUIT_QUESTION[] = "\x8FI\x97\xB9?"; // 終了?
inline constexpr char TEXT_QUIT_CAPTION[] = "\x8FI\x97\xB9"; // 終了
inline constexpr char TEXT_GAME_OVER[] = "\x83Q\x81[\x83\x80\x83I\x81[\x83o\x81["; // ゲームオーバー
inline constexpr char TEXT_HIGH_SCORE_CAPTION[] = "\x83n\x83" "C\x83X\x83R\x83" "A"; // ハイスコア
inline constexpr char TEXT_CONGRATULATIONS[] = "\x82\xA8\x82\xDF\x82\xC5\x82\xC6\x82\xA4\x82\xB2\x82\xB4\x82\xA2\x82\xDC\x82\xB7!"; // おめでとうございます!
inline constexpr char TEXT_CLEAR_CAPTION[] = "\x83N\x83\x8A\x83" "A"; // クリア
inline constexpr char TEXT_VERSION_CAPTION[] = "\xCA\xDE\xB0\xBC\xDE\xAE\xDD"; // ﾊﾞｰｼﾞｮﾝ
inline constexpr char TEXT_VERSION[] = "Tovrin\x82\xDD\x82\xC9 Version " TOVRIN_VERSION; // Tovrinみに Version 1.0.0

// ---- Name-entry dialog -----------------------------------------------------
inline constexpr char TEXT_NAME_DIALOG_CAPTION[] = "\x83n\x83" "C\x83X\x83R\x83" "A"; // ハイスコア
inline constexpr char TEXT_NAME_PROMPT[] = "\x96\xBC\x91O\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2"; // 名前を入力してください
inline constexpr char TEXT_OK[] = "OK"; // OK
inline constexpr char TEXT_CANCEL[] = "\xB7\xAC\xDD\xBE\xD9"; // ｷｬﾝｾﾙ

// ---- Answers of a Yes/No box, for desktops whose own labels follow the locale 
inline constexpr char TEXT_YES[] = "\x82\xCD\x82\xA2(&Y)"; // はい(&Y)
inline constexpr char TEXT_NO[] = "\x82\xA2\x82\xA2\x82\xA6(&N)"; // いいえ(&N)
