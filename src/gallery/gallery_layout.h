#pragma once
// The gallery's window and every control on it: stable identifiers, classes, styles and
// places (client coordinates of the 900 x 640 window), and the captions beside them.

#include <windows.h>
#include <commctrl.h>

#include <span>

namespace gallery {

inline constexpr char galleryWindowClassName[] = "SkinGalleryWindow";
inline constexpr char galleryTitle[] = "皮肤控件一览";
inline constexpr int galleryWidth = 900;
inline constexpr int galleryHeight = 640;
inline constexpr int statusBarHeight = 22;
inline constexpr int firstStatusPartWidth = 470;

// Child-window identifiers. They start above 3000: the platform gives the inner windows
// of combo boxes and the like small identifiers of their own (1000, 1001).
enum ControlId : int {
  idPushNormal = 3001,
  idPushDefault,
  idPushDisabled,
  idCheckUnchecked,
  idCheckChecked,
  idCheckDisabled,
  idCheckThreeState,
  idGroupBox,
  idRadioFirst,
  idRadioSecond,
  idRadioDisabled,
  idRadioManual,
  idEditSingleLine,
  idEditMultiLine,
  idEditReadOnly,
  idComboSimple,
  idComboDropDown,
  idComboDropList,
  idListBox,
  idListView,
  idTreeView,
  idIpAddress,
  idDateTime,
  idTrackTicks,
  idTrackVertical,
  idTrackSelection,
  idTrackEmptyRange,
  idProgressEmpty,
  idProgressPart,
  idProgressVertical,
  idUpDownBuddyEdit,
  idUpDownAttached,
  idUpDownHorizontal,
  idHeader,
  idToolbar,
  idToolbarCombo,  // a child of the toolbar
  idBoxInformation,
  idBoxQuestion,
  idBoxWarning,
  idBoxYesNoCancel,
  idBoxError,
  idBoxLongText,
  idAccentBlue,
  idAccentGreen,
  idAccentPurple,
  idPictureModeFirst,  // picture mode 0; modes 1 to 4 follow
  idPictureModeLast = idPictureModeFirst + 4,
  idCaptionFirst = 3900,  // the captions, in the order of galleryCaptions
};

// Command identifiers of the toolbar's buttons.
enum ToolbarCommand : int {
  toolPlain = 3201,
  toolCheck,
  toolGroupOne,
  toolGroupTwo,
  toolDropDown,
  toolWholeDropDown,
  toolDisabled,
  toolIndeterminate,
  toolHidden,
  toolComboPlace,  // the separator the combo box sits on
};

struct ControlSpec {
  int id;
  int parentId;  // 0: the gallery window itself
  const char* className;
  DWORD style;  // besides WS_CHILD | WS_VISIBLE
  DWORD extendedStyle;
  int x, y, width, height;
  const char* text;
  const char* name;  // what the status bar calls it
};

inline constexpr DWORD tabStop = WS_TABSTOP;
inline constexpr DWORD sunkenEdge = WS_EX_CLIENTEDGE;
inline constexpr DWORD multiLineEditStyle =
    ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL | tabStop;
inline constexpr DWORD toolbarStyle =
    TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;

// In creation order, which is also the order of tabbing. The radio buttons come before
// the group box around them, so that they lie above it.
inline constexpr ControlSpec galleryControls[] = {
    {idPushNormal, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 12, 84, 88, 26, "普通", "普通按钮"},
    {idPushDefault, 0, "Button", BS_DEFPUSHBUTTON | tabStop, 0, 108, 84, 88, 26, "默认", "默认按钮"},
    {idPushDisabled, 0, "Button", BS_PUSHBUTTON | WS_DISABLED, 0, 204, 84, 88, 26, "禁用", "禁用的按钮"},
    {idCheckUnchecked, 0, "Button", BS_AUTOCHECKBOX | tabStop, 0, 12, 136, 88, 20, "未选", "复选框（未选）"},
    {idCheckChecked, 0, "Button", BS_AUTOCHECKBOX | tabStop, 0, 108, 136, 88, 20, "已选", "复选框（已选）"},
    {idCheckDisabled, 0, "Button", BS_AUTOCHECKBOX | WS_DISABLED, 0, 204, 136, 88, 20, "禁用", "禁用的复选框"},
    {idCheckThreeState, 0, "Button", BS_AUTO3STATE | tabStop, 0, 12, 158, 280, 20, "三态复选框（平台外观）",
     "三态复选框"},
    {idRadioFirst, 0, "Button", BS_AUTORADIOBUTTON | WS_GROUP | tabStop, 0, 24, 202, 124, 20, "自动单选一",
     "自动单选按钮一"},
    {idRadioSecond, 0, "Button", BS_AUTORADIOBUTTON, 0, 156, 202, 124, 20, "自动单选二", "自动单选按钮二"},
    {idRadioDisabled, 0, "Button", BS_AUTORADIOBUTTON | WS_DISABLED, 0, 24, 226, 256, 20, "自动单选三（禁用）",
     "禁用的自动单选按钮"},
    {idRadioManual, 0, "Button", BS_RADIOBUTTON | WS_GROUP | tabStop, 0, 24, 250, 256, 20, "非自动单选（平台外观）",
     "非自动单选按钮"},
    {idGroupBox, 0, "Button", BS_GROUPBOX | WS_CLIPSIBLINGS, 0, 12, 182, 280, 94, "分组框（平台外观）", "分组框"},
    {idEditSingleLine, 0, "Edit", ES_AUTOHSCROLL | tabStop, sunkenEdge, 12, 302, 136, 22, "单行编辑框", "单行编辑框"},
    {idEditReadOnly, 0, "Edit", ES_AUTOHSCROLL | ES_READONLY | tabStop, sunkenEdge, 156, 302, 136, 22, "只读的文字",
     "只读编辑框"},
    {idEditMultiLine, 0, "Edit", multiLineEditStyle, sunkenEdge, 12, 350, 280, 112, "", "多行编辑框"},
    {idUpDownBuddyEdit, 0, "Edit", ES_NUMBER | tabStop, sunkenEdge, 12, 488, 100, 22, "", "上下按钮的伙伴编辑框"},
    {idUpDownAttached, 0, UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0, 0, "",
     "带伙伴的上下按钮"},
    {idUpDownHorizontal, 0, UPDOWN_CLASSA, UDS_HORZ | UDS_ARROWKEYS, 0, 130, 488, 48, 22, "", "水平上下按钮"},
    {idComboSimple, 0, "ComboBox", CBS_SIMPLE | WS_VSCROLL | tabStop, 0, 306, 84, 88, 116, "", "简单组合框"},
    {idComboDropDown, 0, "ComboBox", CBS_DROPDOWN | WS_VSCROLL | tabStop, 0, 402, 84, 88, 220, "", "下拉组合框"},
    {idComboDropList, 0, "ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | tabStop, 0, 498, 84, 88, 220, "",
     "下拉列表组合框"},
    {idListBox, 0, "ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | tabStop, sunkenEdge, 306, 226, 136, 150, "",
     "列表框"},
    {idTreeView, 0, WC_TREEVIEWA, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | tabStop,
     sunkenEdge, 450, 226, 136, 150, "", "树形视图"},
    {idHeader, 0, WC_HEADERA, HDS_BUTTONS | HDS_HORZ, 0, 306, 402, 280, 24, "", "表头"},
    {idIpAddress, 0, WC_IPADDRESSA, tabStop, 0, 306, 452, 136, 22, "", "IP 地址框"},
    {idDateTime, 0, DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT | tabStop, 0, 450, 452, 136, 22, "", "日期时间选择器"},
    {idListView, 0, WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS | tabStop, sunkenEdge, 600, 84, 288, 160, "",
     "列表视图（报表）"},
    {idTrackTicks, 0, TRACKBAR_CLASSA, TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | tabStop, 0, 600, 270, 224, 32, "",
     "带刻度的水平滑块"},
    {idTrackSelection, 0, TRACKBAR_CLASSA, TBS_HORZ | TBS_ENABLESELRANGE | tabStop, 0, 600, 306, 224, 28, "",
     "带选择范围的滑块"},
    {idTrackEmptyRange, 0, TRACKBAR_CLASSA, TBS_HORZ | tabStop, 0, 600, 338, 224, 28, "", "最小值等于最大值的滑块"},
    {idTrackVertical, 0, TRACKBAR_CLASSA, TBS_VERT | TBS_AUTOTICKS | TBS_RIGHT | tabStop, 0, 832, 270, 32, 130, "",
     "竖直滑块"},
    {idProgressVertical, 0, PROGRESS_CLASSA, PBS_VERTICAL, 0, 868, 270, 18, 130, "", "竖直进度条（30 %）"},
    {idProgressEmpty, 0, PROGRESS_CLASSA, 0, 0, 600, 392, 224, 18, "", "进度条（0 %）"},
    {idProgressPart, 0, PROGRESS_CLASSA, 0, 0, 600, 416, 224, 18, "", "进度条（60 %）"},
    {idToolbar, 0, TOOLBARCLASSNAMEA, toolbarStyle, 0, 64, 30, 824, 28, "", "工具栏"},
    {idToolbarCombo, idToolbar, "ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | tabStop, 0, 0, 0, 0, 200, "",
     "工具栏上的组合框"},
    {idAccentBlue, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 60, 548, 62, 26, "蓝", "强调色：蓝"},
    {idAccentGreen, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 126, 548, 62, 26, "绿", "强调色：绿"},
    {idAccentPurple, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 192, 548, 62, 26, "紫", "强调色：紫"},
    {idPictureModeFirst, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 312, 548, 112, 26, "0 原位淡出右下",
     "图片模式 0：原位，右下淡出"},
    {idPictureModeFirst + 1, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 428, 548, 112, 26, "1 右上淡出左下",
     "图片模式 1：靠右上，左下淡出"},
    {idPictureModeFirst + 2, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 544, 548, 112, 26, "2 居中", "图片模式 2：居中"},
    {idPictureModeFirst + 3, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 660, 548, 112, 26, "3 拉伸", "图片模式 3：拉伸"},
    {idPictureModeFirst + 4, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 776, 548, 112, 26, "4 原位", "图片模式 4：原位"},
    {idBoxInformation, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 60, 582, 134, 26, "确定 · 信息", "消息框：确定，信息图标"},
    {idBoxQuestion, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 198, 582, 134, 26, "确定/取消 · 询问",
     "消息框：确定/取消，询问图标"},
    {idBoxWarning, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 336, 582, 134, 26, "是/否 · 警告", "消息框：是/否，警告图标"},
    {idBoxYesNoCancel, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 474, 582, 134, 26, "是/否/取消", "消息框：是/否/取消"},
    {idBoxError, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 612, 582, 134, 26, "中止/重试/忽略 · 错误",
     "消息框：中止/重试/忽略，错误图标"},
    {idBoxLongText, 0, "Button", BS_PUSHBUTTON | tabStop, 0, 750, 582, 134, 26, "两段长文字", "消息框：两段长文字"},
};

struct CaptionSpec {
  int x, y, width, height;
  const char* text;
};

inline constexpr CaptionSpec galleryCaptions[] = {
    {12, 35, 50, 18, "工具栏"},
    {12, 66, 280, 16, "按钮：普通 / 默认 / 禁用"},
    {12, 118, 280, 16, "复选框：未选 / 已选 / 禁用"},
    {12, 284, 280, 16, "编辑框：单行 / 只读"},
    {12, 332, 280, 16, "多行编辑框：两个滚动条，40 行"},
    {12, 470, 280, 16, "上下按钮：带伙伴编辑框 / 水平"},
    {306, 66, 280, 16, "组合框：简单 / 下拉 / 下拉列表"},
    {306, 208, 136, 16, "列表框：50 项"},
    {450, 208, 136, 16, "树形视图：两层"},
    {306, 384, 280, 16, "表头：HDS_BUTTONS，三项"},
    {306, 434, 280, 16, "IP 地址框 / 日期时间选择器"},
    {600, 66, 288, 16, "列表视图：报表，三列，200 行"},
    {600, 252, 224, 16, "滑块：刻度 / 选择范围 / 最小 = 最大"},
    {832, 252, 56, 16, "竖直"},
    {600, 374, 224, 16, "进度条：0 % / 60 %"},
    {12, 552, 44, 18, "强调色"},
    {264, 552, 44, 18, "背景图"},
    {12, 586, 44, 18, "消息框"},
};

// The control of that identifier; null when there is none.
const ControlSpec* controlSpec(int id);

// The message-box row: what each button raises.
struct MessageBoxSpec {
  int id;
  UINT style;
  const char* caption;
  const char* text;
};
std::span<const MessageBoxSpec> galleryMessageBoxes();

// A control and where it is, in client coordinates of the gallery window.
struct ControlPlace {
  int id;
  RECT rect;
};
// The control under a point: of those whose rectangle holds it, the smallest (a group
// box gives way to the buttons inside it); 0 when none does.
int controlAt(std::span<const ControlPlace> places, POINT point);

// The platform's name of a message-box result ("IDOK", "IDYES", ...); "?" for others.
const char* buttonCodeName(int result);

}  // namespace gallery
