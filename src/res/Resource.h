// Resource and command identifiers of Lumenor. The standard ids keep the
// values that the document/view framework gives its standard commands.
#pragma once

namespace res {

// Main resources: menu, accelerators, toolbar, icon and document string.
constexpr unsigned IDR_MAINFRAME = 128;

// Dialog templates and their controls.
constexpr unsigned IDD_ABOUTBOX = 100;
constexpr unsigned IDD_SEARCH = 137;
constexpr unsigned IDD_USAGE = 141;
constexpr unsigned IDD_GOTO_ENTITY = 142;
constexpr unsigned IDC_FIND_WHAT = 1000;
constexpr unsigned IDC_FIND_WHAT_LABEL = 1001;
constexpr unsigned IDC_DIRECTION_UP = 1002;
constexpr unsigned IDC_DIRECTION_DOWN = 1003;
constexpr unsigned IDC_DIRECTION_GROUP = 1004;
constexpr unsigned IDC_HOMEPAGE_LINK = 1005;
constexpr unsigned IDC_VERSION = 1006;
constexpr unsigned IDC_USAGE_TEXT = 1007;
constexpr unsigned IDC_ABOUT_ICON = 1008;
constexpr unsigned IDC_ENTITY_NUMBER = 1009;
constexpr unsigned IDC_ENTITY_NUMBER_LABEL = 1010;
constexpr unsigned IDC_GOTO_MESSAGE = 1011;
// The File Summary dialog: the file's figures, the tabs of its two pages,
// the types page, the problems page and the buttons that walk the entities.
constexpr unsigned IDD_FILE_SUMMARY = 143;
constexpr unsigned IDC_SUMMARY_FILE = 1012;
constexpr unsigned IDC_SUMMARY_SIZE = 1013;
constexpr unsigned IDC_SUMMARY_ENTITIES = 1014;
constexpr unsigned IDC_SUMMARY_HIGHEST = 1015;
constexpr unsigned IDC_SUMMARY_TABS = 1016;
constexpr unsigned IDC_TYPE_FILTER_LABEL = 1017;
constexpr unsigned IDC_TYPE_FILTER = 1018;
constexpr unsigned IDC_TYPE_LIST = 1019;
constexpr unsigned IDC_PROBLEM_STATUS = 1020;
constexpr unsigned IDC_LIST_ISOLATED = 1021;
constexpr unsigned IDC_PROBLEM_LIST = 1022;
constexpr unsigned IDC_WALK_PREVIOUS = 1023;
constexpr unsigned IDC_WALK_NEXT = 1024;
// The labels of the file's figures, all under one id.
constexpr unsigned IDC_SUMMARY_LABELS = 1025;

// Lumenor's own commands.
constexpr unsigned ID_SEARCH = 32771;
constexpr unsigned ID_SEARCH_AGAIN = 32773;
constexpr unsigned ID_USAGE = 32777;
// Following references: go to an entity by its number, back and forward
// through the entities made current, copying, and the items of the trees'
// context menu.
constexpr unsigned ID_GOTO_ENTITY = 32778;
constexpr unsigned ID_NAVIGATE_BACK = 32779;
constexpr unsigned ID_NAVIGATE_FORWARD = 32780;
constexpr unsigned ID_COPY_ENTITY_NAME = 32781;
constexpr unsigned ID_GOTO_THIS_ENTITY = 32782;
constexpr unsigned ID_UNFOLD_ITEM = 32783;

// Reopening the file in place.
constexpr unsigned ID_FILE_RELOAD = 32790;
// What is in the file: the File Summary dialog, and stepping through the
// entities it chose (F8, Shift+F8).
constexpr unsigned ID_FILE_SUMMARY = 32791;
constexpr unsigned ID_WALK_NEXT = 32792;
constexpr unsigned ID_WALK_PREVIOUS = 32793;

// Standard commands.
constexpr unsigned ID_FILE_NEW = 57600;
constexpr unsigned ID_FILE_OPEN = 57601;
constexpr unsigned ID_FILE_SAVE = 57603;
constexpr unsigned ID_FILE_SAVE_AS = 57604;
constexpr unsigned ID_FILE_MRU_FILE1 = 57616;
constexpr unsigned ID_FILE_MRU_LAST = 57631;
constexpr unsigned ID_EDIT_COPY = 57634;
constexpr unsigned ID_APP_ABOUT = 57664;
constexpr unsigned ID_APP_EXIT = 57665;
constexpr unsigned ID_NEXT_PANE = 57680;
constexpr unsigned ID_PREV_PANE = 57681;
constexpr unsigned ID_VIEW_TOOLBAR = 59392;
constexpr unsigned ID_VIEW_STATUS_BAR = 59393;

// Window ids of the frame's children.
constexpr unsigned AFX_IDW_TOOLBAR = 59392;
constexpr unsigned AFX_IDW_STATUS_BAR = 59393;
constexpr unsigned AFX_IDW_PANE_FIRST = 59648;

// Status-bar indicators.
constexpr unsigned ID_INDICATOR_CAPS = 59137;
constexpr unsigned ID_INDICATOR_NUM = 59138;
constexpr unsigned ID_INDICATOR_SCRL = 59139;
constexpr unsigned ID_SEPARATOR = 0;
// The current entity, its type and its number of referrers.
constexpr unsigned ID_INDICATOR_ENTITY = 61458;

// Strings.
constexpr unsigned AFX_IDS_APP_TITLE = 57344;
constexpr unsigned AFX_IDS_IDLEMESSAGE = 57345;
constexpr unsigned IDS_LOADING = 61446;
constexpr unsigned IDS_INVERSE_PROGRESS = 61447;
constexpr unsigned IDS_BUILDING_TREE = 61448;
constexpr unsigned IDS_NO_ENTITY_SELECTED = 61449;
constexpr unsigned IDS_NO_DATA_READ = 61450;
constexpr unsigned IDS_HOMEPAGE_TIP = 61451;
constexpr unsigned IDS_USAGE_TEXT = 61452;
constexpr unsigned IDS_ENTITY_REFERRERS = 61453;
constexpr unsigned IDS_ENTITY_ONE_REFERRER = 61454;
constexpr unsigned IDS_REFERRERS_SO_FAR = 61455;
constexpr unsigned IDS_NO_SUCH_ENTITY = 61456;
constexpr unsigned IDS_NOT_AN_ENTITY_NUMBER = 61457;
// Strings of what Lumenor adds: File Open's filter for compressed files,
// the notice of a file changed on disk.
constexpr unsigned IDS_COMPRESSED_FILTER = 61470;
constexpr unsigned IDS_FILE_CHANGED = 61471;
// The lower tree's placeholder when the inverse computation ran out of memory.
constexpr unsigned IDS_INVERSE_NOT_KNOWN = 61490;

} // namespace res
