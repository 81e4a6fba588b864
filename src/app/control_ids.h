#pragma once

// Identifiers of the main window's controls. Behaviour is written against these
// numbers; the Qt view maps one widget to each.
namespace tovrin::id {

constexpr int EXIT = 1;

// port group
constexpr int PORT_GROUP = 1076, PORT_LABEL = 1052, PORT = 1005, COM_BAUD_LABEL = 1053, COM_BAUD = 1006;
constexpr int CHANGE_BAUD = 1018, REFRESH = 1037, CLOSE = 1014, OPEN = 1013;
constexpr int DATA_BITS = 1007, PARITY = 1008, STOP_BITS = 1009;

// CAN group
constexpr int CAN_GROUP = 1077, MODE_LABEL = 1054, WORK_MODE = 1026, TYPE_LABEL = 1055, FRAME_TYPE = 1015;
constexpr int CAN_BPS_LABEL = 1056, STANDARD_BIT_RATE = 1132, CUSTOM_BIT_RATE = 1139;
constexpr int FILTER_LABEL = 1065, FILTER_ID = 1021, MASK_LABEL = 1066, MASK_ID = 1022;
constexpr int CUSTOM_BIT_RATE_CHECK = 1042, SJW = 1122, BS1 = 1124, BS2 = 1126, PRESCALER = 1128;
constexpr int SJW_LABEL = 1123, BS1_LABEL = 1125, BS2_LABEL = 1127, PRESCALER_LABEL = 1129;
constexpr int PRESCALER_LIMIT_LABEL = 1130, FORMULA_LABEL = 1131;
constexpr int NO_RETRANSMIT = 1051, TRANSPARENT = 1074, SET_AND_START = 1023;

// traffic list and its tool row
constexpr int TRAFFIC_LIST = 1019, TOTAL_LABEL = 1067, BUFFER_FRAMES = 1040;
constexpr int RECEIVE_ONLY = 1043, STATISTICS = 1044, CLEAR_LIST = 1024, PAUSE = 1032, CONTINUE = 1034;
constexpr int SAVE = 1035, AUTO_SAVE_TXT = 1119, AUTO_SAVE_XLS = 1120, AUTO_SAVE = 1121;

// receive identifiers
constexpr int RECEIVE_ID_GROUP = 1071, RECEIVE_ID_LIST = 1070;
constexpr int RECEIVE_ID_DELETE = 1068, RECEIVE_ID_ADD = 1050, RECEIVE_ID_DISABLE = 1073, RECEIVE_ID_ENABLE = 1069;

// frame list and automatic answer
constexpr int FRAMES_GROUP = 1081, FRAMES_CLEAR = 1027, FRAMES_DELETE = 1029, FRAMES_ADD = 1028;
constexpr int INTERVAL_LABEL = 1064, INTERVAL = 1030, CYCLE = 1033, AUTO_ANSWER = 1041;
constexpr int STOP_SENDING = 1036, FRAME_LIST = 1025, SEND_MULTIPLE = 1031, LANGUAGE = 1038;

// bus state
constexpr int BUS_STATE_GROUP = 1072, BUS_STATE = 1048, BUS_MONITOR = 1049;

// The eight single-frame send rows.
struct SendRowIds {
    int typeLabel, idLabel, dataLabel;
    int frameType, identifier, data, button;
};
constexpr SendRowIds SEND_ROWS[8] = {
    {1057, 1058, 1059, 1016, 1017, 1010, 1012}, {1060, 1061, 1062, 1046, 1047, 1039, 1045},
    {1078, 1080, 1083, 1079, 1082, 1063, 1075}, {1086, 1088, 1090, 1087, 1089, 1084, 1085},
    {1093, 1095, 1097, 1094, 1096, 1091, 1092}, {1100, 1102, 1104, 1101, 1103, 1098, 1099},
    {1107, 1109, 1111, 1108, 1110, 1105, 1106}, {1114, 1116, 1118, 1115, 1117, 1112, 1113},
};

}  // namespace tovrin::id
