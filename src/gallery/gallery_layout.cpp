#include "gallery/gallery_layout.h"

namespace gallery {
namespace {

constexpr char longText[] =
    "这是一段较长的消息，用来看消息框怎样折行：皮肤引擎接管了平台的消息框，给它画上圆角的边框、"
    "标题栏和按钮，并让它慢慢显现出来。\n\n"
    "这是第二段。两段之间空一行，每一段都应当完整地显示在框里，不丢失任何文字。";

constexpr MessageBoxSpec messageBoxes[] = {
    {idBoxInformation, MB_OK | MB_ICONINFORMATION, "信息", "这是一个带信息图标的消息框。"},
    {idBoxQuestion, MB_OKCANCEL | MB_ICONQUESTION, "询问", "要继续吗？"},
    {idBoxWarning, MB_YESNO | MB_ICONWARNING, "警告", "磁盘空间不多了，仍然保存吗？"},
    {idBoxYesNoCancel, MB_YESNOCANCEL, "保存", "关闭之前保存对文档的修改吗？"},
    {idBoxError, MB_ABORTRETRYIGNORE | MB_ICONERROR, "错误", "读取文件时出错。"},
    {idBoxLongText, MB_OK, "两段文字", longText},
};

int areaOf(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

}  // namespace

const ControlSpec* controlSpec(int id) {
  for (const ControlSpec& spec : galleryControls)
    if (spec.id == id) return &spec;
  return nullptr;
}

std::span<const MessageBoxSpec> galleryMessageBoxes() { return messageBoxes; }

int controlAt(std::span<const ControlPlace> places, POINT point) {
  int found = 0;
  int foundArea = 0;
  for (const ControlPlace& place : places) {
    if (!PtInRect(&place.rect, point)) continue;
    const int area = areaOf(place.rect);
    if (found == 0 || area < foundArea) {
      found = place.id;
      foundArea = area;
    }
  }
  return found;
}

const char* buttonCodeName(int result) {
  switch (result) {
    case IDOK: return "IDOK";
    case IDCANCEL: return "IDCANCEL";
    case IDABORT: return "IDABORT";
    case IDRETRY: return "IDRETRY";
    case IDIGNORE: return "IDIGNORE";
    case IDYES: return "IDYES";
    case IDNO: return "IDNO";
  }
  return "?";
}

}  // namespace gallery
