// Resource and control identifiers, shared by windres and the C++ sources.
// Keep this file to plain #defines: windres reads it too.
#pragma once

// ---- Templates and icon -------------------------------------------------
// The main window and the About box are named templates ("ROVOVUV",
// "AboutBox"); the small dialogs are numbered.
#define IDD_SELECT_COUNTRY 110
#define IDD_CHARACTER_TABLE 111
#define IDD_SELECT_PRINTER 112
#define IDI_PROGRAM 108

// ---- Main window: command buttons and the tree --------------------------
#define IDC_SEND_SETTINGS 1008
#define IDC_RESTORE_DEFAULT 1068
#define IDC_CHARACTER_TABLE 1065
#define IDC_ABOUT 1011
#define IDC_EXIT 1005
#define IDC_SETTINGS_TREE 1074

// ---- Main window: page controls ----------------------------------------
// Page 0, Print Style
#define IDC_FONT_LABEL 1076
#define IDC_FONT 1050
#define IDC_PITCH_LABEL 1077
#define IDC_PITCH 1051
#define IDC_POINT_SIZE_LABEL 1094
#define IDC_POINT_SIZE 1095
#define IDC_PRINT_PASS_LABEL 1152
#define IDC_PRINT_PASS 1153
// Page 1, Emulation
#define IDC_EMULATION_LABEL 1078
#define IDC_EMULATION 1003
// Page 2, Page Format
#define IDC_LINE_SPACING_LABEL 1096
#define IDC_LINE_SPACING 1097
#define IDC_PAGE_LENGTH_LABEL 1083
#define IDC_PAGE_LENGTH 1053
#define IDC_FREE_LENGTH 1145
#define IDC_FREE_LENGTH_SPIN 1146
#define IDC_FREE_LENGTH_UNIT 1151
#define IDC_TOP_MARGIN_LABEL 1098
#define IDC_TOP_MARGIN 1099
#define IDC_TOP_MARGIN_SPIN 1100
#define IDC_TOP_MARGIN_UNIT 1154
#define IDC_BOTTOM_MARGIN_LABEL 1101
#define IDC_BOTTOM_MARGIN 1102
#define IDC_BOTTOM_MARGIN_SPIN 1103
#define IDC_BOTTOM_MARGIN_UNIT 1155
#define IDC_LEFT_MARGIN_LABEL 1104
#define IDC_LEFT_MARGIN 1105
#define IDC_LEFT_MARGIN_SPIN 1106
#define IDC_LEFT_MARGIN_UNIT 1158
#define IDC_RIGHT_MARGIN_LABEL 1107
#define IDC_RIGHT_MARGIN 1108
#define IDC_RIGHT_MARGIN_SPIN 1109
#define IDC_RIGHT_MARGIN_UNIT 1159
#define IDC_CENTERING_LABEL 1110
#define IDC_CENTERING 1111
#define IDC_CENTERING_SPIN 1112
#define IDC_CENTERING_UNIT 1160
// Page 3, Print mode
#define IDC_GRAPHIC_DIRECTION_LABEL 1087
#define IDC_GRAPHIC_DIRECTION 1058
#define IDC_TEXT_DIRECTION_LABEL 1113
#define IDC_TEXT_DIRECTION 1114
// Page 4, Text Enhancement
#define IDC_BOLD_LABEL 1115
#define IDC_BOLD 1116
#define IDC_DOUBLE_HIGH_LABEL 1117
#define IDC_DOUBLE_HIGH 1118
#define IDC_DOUBLE_STRIKE_LABEL 1119
#define IDC_DOUBLE_STRIKE 1120
#define IDC_DOUBLE_WIDE_LABEL 1121
#define IDC_DOUBLE_WIDE 1122
#define IDC_ITALICS_LABEL 1123
#define IDC_ITALICS 1124
#define IDC_OUTLINE_LABEL 1125
#define IDC_OUTLINE 1126
#define IDC_SHADOW_LABEL 1127
#define IDC_SHADOW 1128
#define IDC_ZERO_FONT_LABEL 1082
#define IDC_ZERO_FONT 1052
// Page 5, Character set
#define IDC_CHARACTER_SET_LABEL 1079
#define IDC_CHARACTER_SET 1047
#define IDC_INTERNATIONAL_LABEL 1081
#define IDC_INTERNATIONAL 1049
#define IDC_CODE_PAGE_LABEL 1080
#define IDC_CODE_PAGE 1048
// Page 6, Install
#define IDC_AGM_LABEL 1086
#define IDC_AGM 1057
#define IDC_AUTO_CR_LABEL 1085
#define IDC_AUTO_CR 1055
#define IDC_AUTO_LF_LABEL 1084
#define IDC_AUTO_LF 1054
#define IDC_AUTO_LOAD_LABEL 1089
#define IDC_AUTO_LOAD 1060
#define IDC_PAPER_OUT_LABEL 1129
#define IDC_PAPER_OUT 1130
#define IDC_TEAR_OFF_LABEL 1131
#define IDC_TEAR_OFF 1132
#define IDC_BUFFER_CONTROL_LABEL 1133
#define IDC_BUFFER_CONTROL 1134
#define IDC_AUTO_ONLINE_LABEL 1090
#define IDC_AUTO_ONLINE 1069
#define IDC_AUTO_FEED_XT_LABEL 1135
#define IDC_AUTO_FEED_XT 1136
// Page 7, Serial Interface
#define IDC_DATA_LENGTH_LABEL 1137
#define IDC_DATA_LENGTH 1138
#define IDC_BAUD_RATE_LABEL 1139
#define IDC_BAUD_RATE 1140
#define IDC_PARITY_LABEL 1141
#define IDC_PARITY 1142
#define IDC_PROTOCOL_LABEL 1143
#define IDC_PROTOCOL 1144
#define IDC_SIGNAL_POLARITY_LABEL 1147
#define IDC_SIGNAL_POLARITY 1148
// Page 8, TOF Setting
#define IDC_TRACTOR_LABEL 1092
#define IDC_TRACTOR 1001
#define IDC_TRACTOR_SPIN 1063
#define IDC_TRACTOR_UNIT 1156
#define IDC_FRICTION_LABEL 1093
#define IDC_FRICTION 1061
#define IDC_FRICTION_SPIN 1064
#define IDC_FRICTION_UNIT 1157

// ---- Small dialogs -----------------------------------------------------
#define IDC_COUNTRY_LIST 1062
#define IDC_PRINTER_LIST 1067
#define IDC_PRINTER_PORT 1001
#define IDC_TABLE_EMULATION 1003
#define IDC_TABLE_LIST 1066

// ---- String table -----------------------------------------------------
// Lists are filled from runs of consecutive ids: the *_FIRST id is entry 0.
#define IDS_FILE_NOT_FOUND 126
#define IDS_FILE_READ_ERROR 127
#define IDS_EMULATION_FIRST 142       // "EPSON", "IBM"
#define IDS_CHARSET_FIRST 144         // "Italic", "Graphic 1", "Graphic 2"
#define IDS_INTERNATIONAL_FIRST 157   // 16 entries, "USA" .. "Legal"
#define IDS_ZERO_FONT_FIRST 173       // "Normal", "Pointed", "Slashed"
#define IDS_PAGE_LENGTH_FIRST 176     // 8 entries, "14 Inch" .. "Free"
#define IDS_AUTO_LF_FIRST 191
#define IDS_AUTO_CR_FIRST 193
#define IDS_AGM_FIRST 197
#define IDS_DIRECTION_FIRST 199       // "Bi Direction", "Uni Direction"
#define IDS_AUTO_LOAD_FIRST 205
#define IDS_COUNTRY_FIRST 207         // 15 entries, "USA" .. "Other country"
#define IDS_EPSON_TABLE_FIRST 222     // character tables, EPSON list
#define IDS_IBM_TABLE_FIRST 260       // character tables, IBM list
#define IDS_PITCH_FIRST 290           // 10 entries
#define IDS_POINT_SIZE_FIRST 300      // 15 entries
#define IDS_LINE_SPACING_FIRST 320    // 15 entries, the last "Scalable"
#define IDS_BOLD_FIRST 335
#define IDS_DOUBLE_HIGH_FIRST 337
#define IDS_DOUBLE_STRIKE_FIRST 339
#define IDS_DOUBLE_WIDE_FIRST 341
#define IDS_ITALICS_FIRST 343
#define IDS_OUTLINE_FIRST 345
#define IDS_SHADOW_FIRST 347
#define IDS_CODE_PAGE_FIRST 350       // 24 entries; the standard model uses 18
#define IDS_BUFFER_CONTROL_FIRST 380  // 4 entries
#define IDS_PAPER_OUT_FIRST 384
#define IDS_TEAR_OFF_FIRST 386
#define IDS_AUTO_FEED_XT_FIRST 388    // "On", "Off"
#define IDS_DATA_LENGTH_FIRST 390
#define IDS_BAUD_RATE_FIRST 392       // 8 entries
#define IDS_PARITY_FIRST 400          // 4 entries
#define IDS_PROTOCOL_FIRST 404
#define IDS_PRINT_PASS_FIRST 406      // "3 Pass", "1 Pass"
#define IDS_MODEL_DRIVER_NAME 410
#define IDS_DRIVER_NOT_INSTALLED 411
#define IDS_OPEN_PRINTER_ERROR 412
#define IDS_REGISTRY_KEY 413
#define IDS_EXIT_QUESTION 414
#define IDS_PRODUCT_CAPTION 415
#define IDS_AUTO_ONLINE_FIRST 416
#define IDS_TREE_EMULATION 418
#define IDS_TREE_PRINT_STYLE 419      // items 420 .. 426 follow in tree order
#define IDS_START_DOC_ERROR 427
#define IDS_WRITE_PRINTER_ERROR 428
#define IDS_END_DOC_ERROR 429
#define IDS_FONT_STANDARD_FIRST 430   // 14 entries
#define IDS_FONT_VARIANT_FIRST 450    // 11 entries
#define IDS_SIGNAL_POLARITY_FIRST 1149
