/* Numbers of the program's resources. Plain defines: the Windows resource
   compiler reads this file too. */
#pragma once

#define IDS_WINDOW_TITLE 103
#define IDS_WINDOW_CLASS 109
#define CMD_ABOUT_ACCELERATOR 104
#define CMD_QUIT 105
#define IDI_LARGE_ICON 107
#define IDI_SMALL_ICON 108
#define IDR_MAIN_MENU 109
#define IDR_ACCELERATORS 109
#define IDD_NAME_ENTRY 130
#define IDW_LOOP 132
#define IDW_GAME_OVER 133
#define IDW_CLEAR 134
#define IDB_PANEL_MINI 135
#define IDB_TILES_MINI 136
#define IDB_PANEL_LARGE 138
#define IDB_TILES_LARGE 139
#define IDC_NAME_EDIT 1000

#define CMD_UNDO 32772
#define CMD_HINT 32773
#define CMD_HIGH_SCORE 32774
#define CMD_NEW_GAME 32775
#define CMD_VERSION 32776
/* The option ids 32777..32782 are defined with the game state; the resource
   compiler gets them here. */
#ifdef RC_INVOKED
#define CMD_EASY 32777
#define CMD_NORMAL 32778
#define CMD_SOUND_ON 32779
#define CMD_SOUND_OFF 32780
#define CMD_MINI 32781
#define CMD_LARGE 32782
#endif
