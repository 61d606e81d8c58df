// Identifiers of the program's resources: texts, dialog templates and their controls, icon,
// logo bitmap and payload archive. Included by the resource scripts and by the code.
#pragma once

// String table.
#define IDS_AGREEMENT 1
#define IDS_WELCOME_TEXT 2
#define IDS_ERR_INSTALL_DIR 3
#define IDS_SUPPORT_CONTACT 4
#define IDS_TITLE_ERROR 5
#define IDS_TITLE_WELCOME 6
#define IDS_TITLE_COMPLETE 7
#define IDS_ERR_NO_OPTION 12
#define IDS_CONFIRM_DIR 13
#define IDS_TITLE_ATTENTION 14
#define IDS_DIR_MISSING 15

// Dialog templates.
#define IDD_MESSAGE 100
#define IDD_AGREEMENT 101
#define IDD_FOLDER 102
#define IDD_OPTIONS 134

// Controls.
#define IDC_STATIC (-1)
#define IDC_MESSAGE_TEXT 1000
#define IDC_AGREEMENT_TEXT 1001
#define IDC_DIR_LIST 1002
#define IDC_DRIVE_COMBO 1003
#define IDC_PATH_EDIT 1004
#define IDC_OPT_DRIVERS 1008
#define IDC_OPT_EXAMPLES 1009
#define IDC_OPT_MANUALS 1010
#define IDC_OPT_ACROBAT 1011
#define IDC_FOLDER_PROMPT 1013

// Payload archive (RCDATA), application icon, logo bitmap.
#define IDR_PAYLOAD 127
#define IDR_MAINFRAME 128
#define IDB_BACKDROP 130
