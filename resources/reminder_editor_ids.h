// Reminder editor dialog: template and control identifiers.
#pragma once

#define IDD_REMINDER_EDITOR 205
#define IDC_EDITOR_TITLE 1015
#define IDC_EDITOR_DAILY 1026
#define IDC_EDITOR_ONCE 1027
#define IDC_EDITOR_TIME 1029
#define IDC_EDITOR_DATE 1030
#define IDC_EDITOR_MESSAGE 1016
#define IDC_EDITOR_SOUND 1017
#define IDC_EDITOR_SOUND_PATH 1018
#define IDC_EDITOR_SOUND_BROWSE 1021
#define IDC_EDITOR_BOARD 1019
#define IDC_EDITOR_PROGRAM_PATH 1022
#define IDC_EDITOR_PROGRAM_BROWSE 1023
#define IDC_EDITOR_HELP 1008
#define IDC_EDITOR_SOUND_TRY 1031
// The four action radios, checked as one range: first + nAction.
#define IDC_EDITOR_ACTION_NONE 1036
#define IDC_EDITOR_ACTION_SHUTDOWN 1037
#define IDC_EDITOR_ACTION_RESTART 1038
#define IDC_EDITOR_ACTION_PROGRAM 1039
#define IDC_EDITOR_FORCE 1040
// The third time type: repetition by a rule, the rule's drop-down, the line
// that names the rule (a lunar reminder's lunar date) and the seven day boxes
// of a weekly reminder, Monday (first) to Sunday (first + 6).
#define IDC_EDITOR_RULE 1041
#define IDC_EDITOR_RULE_LIST 1042
#define IDC_EDITOR_RULE_LINE 1043
#define IDC_EDITOR_DAY_FIRST 1044
