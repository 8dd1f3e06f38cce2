// Painting the skinned controls of the real main window: a push button in every state
// and in a look it has not painted before, the result box's frame, background, colour
// answer and scroll-bar overlay, and a typed character in the result box (WM_CHAR and
// the repaint it causes), each against a plain BitBlt of the same area measured in the
// same run. Then check boxes, radio buttons and the three kinds of combo box of a
// skinned window, and the colour answer of a combo box's edit field, each against the
// platform's own paint of the same control in a plain window.
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "app/skin_activation.h"
#include "app/startup.h"
#include "draw/gdi_handles.h"
#include "shortlink/short_link_client.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/combo_skin.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/core/skin_theme.h"
#include "skin/window/skin_installation.h"

#include "bench_timing.h"

namespace {

using bench::nowMs;
using bench::pumpMessages;

// Milliseconds of this process's processor time so far (user and kernel).
double processCpuMs() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
  };
  return ms(kernel) + ms(user);
}

// One run of some work: the median wall-clock time, and the processor time per run,
// which other load on the machine disturbs much less.
struct Timing {
  double medianMs = 0;
  double cpuMs = 0;
};

Timing measure(int runs, const std::function<void()>& work) {
  for (int i = 0; i < 5; ++i) work();
  std::vector<double> times;
  const double cpuStart = processCpuMs();
  for (int i = 0; i < runs; ++i) {
    const double start = nowMs();
    work();
    GdiFlush();
    times.push_back(nowMs() - start);
  }
  const double cpu = (processCpuMs() - cpuStart) / runs;
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], cpu};
}

RECT clientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

// A plain copy of a control-sized picture onto the control: what any paint costs at least.
Timing bitBltBaseline(HWND control, int runs) {
  const RECT area = clientRect(control);
  const draw::WindowDC dc = draw::WindowDC::client(control);
  draw::MemoryDC source = draw::MemoryDC::createCompatible(dc.get());
  const draw::OwnedBitmap bitmap(CreateCompatibleBitmap(dc.get(), area.right, area.bottom));
  const draw::ScopedSelectObject selected(source.get(), bitmap.get());
  return measure(runs, [&] { BitBlt(dc.get(), 0, 0, area.right, area.bottom, source.get(), 0, 0, SRCCOPY); });
}

void report(const char* name, const Timing& timing, const Timing& baseline, const char* target = "") {
  std::printf("  %-32s %8.3f ms median  %8.3f ms cpu   ratio %7.0f %s\n", name, timing.medianMs, timing.cpuMs,
              timing.medianMs / std::max(baseline.medianMs, 1e-6), target);
}

// The same ratio with a baseline of about the same cost, printed with a decimal.
void reportAgainstPlain(const char* name, const Timing& timing, const Timing& plain, const char* target) {
  std::printf("  %-32s %8.3f ms median  %8.3f ms cpu   ratio %7.2f %s\n", name, timing.medianMs, timing.cpuMs,
              timing.medianMs / std::max(plain.medianMs, 1e-6), target);
}

HWND addChild(HWND parent, const char* windowClass, DWORD style, int x, int y, int width, int height,
              const char* text = "") {
  const HWND child = CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  if (std::string_view(windowClass) == "ComboBox") {
    for (const char* item : {"新浪短链接", "t.cn", "http://"})
      SendMessageA(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(child, CB_SETCURSEL, 0, 0);
  }
  return child;
}

// The check boxes, radio buttons and combo boxes of a window: the same set is made in a
// skinned window and in a plain one, whose controls paint as the platform alone does.
struct IndicatorAndComboSet {
  HWND window, checkBox, radioButton, simple, dropDown, dropDownList;
};

IndicatorAndComboSet makeIndicatorAndComboSet(int x) {
  IndicatorAndComboSet set{};
  set.window = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, x, 0, 360, 200, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  set.checkBox = addChild(set.window, "BUTTON", BS_AUTOCHECKBOX, 10, 10, 120, 20, "记住我");
  set.radioButton = addChild(set.window, "BUTTON", BS_AUTORADIOBUTTON, 10, 40, 120, 20, "短链接");
  SendMessageA(set.checkBox, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(set.radioButton, BM_SETCHECK, BST_CHECKED, 0);
  set.simple = addChild(set.window, "ComboBox", CBS_SIMPLE, 200, 10, 140, 100);
  set.dropDown = addChild(set.window, "ComboBox", CBS_DROPDOWN, 10, 120, 140, 120);
  set.dropDownList = addChild(set.window, "ComboBox", CBS_DROPDOWNLIST, 200, 120, 140, 120);
  return set;
}

// What the platform's own paint of a control costs: the whole control invalidated and
// painted at once, children included.
Timing ownPaint(HWND control, int runs) {
  return measure(runs, [&] { RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
}

void benchIndicatorsAndCombos(int runs) {
  const IndicatorAndComboSet plain = makeIndicatorAndComboSet(400);
  const IndicatorAndComboSet skinned = makeIndicatorAndComboSet(0);
  skin::installSkin(skinned.window);
  pumpMessages();
  std::printf("check boxes, radio buttons and combo boxes, against the platform's own paint of the same control\n");

  const Timing plainCheck = ownPaint(plain.checkBox, runs);
  reportAgainstPlain("check box, plain", plainCheck, plainCheck, "");
  reportAgainstPlain("check box", measure(runs, [&] { skin::paintCheckBox(skinned.checkBox, 0); }), plainCheck,
                     "(target < 1 ms)");
  reportAgainstPlain("check box, hot", measure(runs, [&] { skin::paintCheckBox(skinned.checkBox, skin::buttonHotState); }),
                     plainCheck, "(target < 1 ms)");
  {
    // A look painted for the first time is drawn in full before it is kept.
    const COLORREF accent = skin::theme().themeColour;
    COLORREF next = 0;
    reportAgainstPlain("check box, a look not seen before",
                       measure(runs,
                               [&] {
                                 skin::theme().themeColour = ++next;
                                 skin::paintCheckBox(skinned.checkBox, skin::buttonHotState);
                               }),
                       plainCheck, "(target < 1 ms)");
    skin::theme().themeColour = accent;
  }
  const Timing plainRadio = ownPaint(plain.radioButton, runs);
  reportAgainstPlain("radio button, plain", plainRadio, plainRadio, "");
  reportAgainstPlain("radio button", measure(runs, [&] { skin::paintRadioButton(skinned.radioButton, 0); }), plainRadio,
                     "(target < 1 ms)");

  const struct {
    const char* plainName;
    const char* name;
    HWND plainCombo, combo;
  } combos[] = {
      {"simple combo box, plain", "simple combo box", plain.simple, skinned.simple},
      {"drop-down combo box, plain", "drop-down combo box", plain.dropDown, skinned.dropDown},
      {"drop-down list, plain", "drop-down list", plain.dropDownList, skinned.dropDownList},
  };
  for (const auto& c : combos) {
    const Timing plainCombo = ownPaint(c.plainCombo, runs);
    reportAgainstPlain(c.plainName, plainCombo, plainCombo, "");
    reportAgainstPlain(c.name, measure(runs, [&] { skin::paintComboBox(c.combo, false); }), plainCombo,
                       "(target < 1 ms)");
  }

  const Timing plainDropDown = ownPaint(plain.dropDown, runs);
  const HWND field = FindWindowExA(skinned.dropDown, nullptr, "Edit", nullptr);
  const draw::WindowDC dc = draw::WindowDC::client(field);
  reportAgainstPlain("combo edit colour answer",
                     measure(runs,
                             [&] {
                               SendMessageA(skinned.dropDown, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                                            reinterpret_cast<LPARAM>(field));
                             }),
                     plainDropDown, "(target < 0.3 ms)");
  DestroyWindow(skinned.window);
  DestroyWindow(plain.window);
  pumpMessages();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(11, std::atoi(argv[1])) : 201;
  OleInitialize(nullptr);
  app::createGlobalObjects(std::make_unique<shortlink::ShortLinkClient>());
  app::initSkinModule();
  const HWND window = app::createMainWindow(GetModuleHandleA(nullptr));
  if (!window) {
    std::printf("the main window was not created\n");
    return 1;
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  pumpMessages();
  const app::MainWindow& form = app::mainWindow();
  const HWND button = form.shortenButton;
  const HWND resultBox = form.resultBox;

  const Timing buttonBaseline = bitBltBaseline(button, runs);
  std::printf("push button (%ld x %ld), median of %d runs\n", clientRect(button).right, clientRect(button).bottom,
              runs);
  report("plain BitBlt", buttonBaseline, buttonBaseline);
  const struct {
    const char* name;
    UINT state;
  } states[] = {
      {"normal", 0},
      {"hot", skin::buttonHotState},
      {"focused", skin::buttonFocusState},
      {"pressed", skin::buttonPressedState | skin::buttonFocusState},
      {"disabled", skin::buttonDisabledState},
  };
  {
    const draw::WindowDC dc = draw::WindowDC::client(button);
    const RECT area = clientRect(button);
    for (const auto& s : states)
      report(s.name, measure(runs, [&] { skin::paintPushButton(button, dc.get(), s.state, area); }), buttonBaseline,
             "(target < 1 ms)");
    // A look painted for the first time is drawn in full before it is kept: a new
    // accent at every run shows that cost.
    const COLORREF accent = skin::theme().themeColour;
    COLORREF next = 0;
    report("a look not painted before",
           measure(runs, [&] {
             skin::theme().themeColour = ++next;
             skin::paintPushButton(button, dc.get(), skin::buttonHotState, area);
           }),
           buttonBaseline, "(target < 1 ms)");
    skin::theme().themeColour = accent;
  }
  report("hover repaint (GetDC and paint)", measure(runs, [&] { skin::repaintButtonNow(button, 0, true); }),
         buttonBaseline);

  const Timing boxBaseline = bitBltBaseline(resultBox, runs);
  std::printf("result box (%ld x %ld client)\n", clientRect(resultBox).right, clientRect(resultBox).bottom);
  report("plain BitBlt", boxBaseline, boxBaseline);
  report("frame", measure(runs, [&] { skin::paintEditFrame(resultBox); }), boxBaseline);
  {
    const draw::WindowDC dc = draw::WindowDC::client(resultBox);
    report("translucent background",
           measure(runs, [&] { skin::paintEditBackground(resultBox, dc.get(), true); }), boxBaseline);
  }
  {
    const draw::WindowDC dc = draw::WindowDC::client(resultBox);
    const auto colourMessage = [&] {
      SendMessageA(form.window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(resultBox));
    };
    report("colour answer (WM_CTLCOLOREDIT)", measure(runs, colourMessage), boxBaseline);
  }
  const skin::ScrolledControl scrolled = skin::findScrolledControl(resultBox);
  report("scroll-bar overlay",
         measure(runs, [&] { skin::paintScrollBar(scrolled, skin::ScrollDirection::vertical, 0); }), boxBaseline);

  // Typing: the same keystrokes into the result box and into a plain edit box of the
  // same size and styles in a plain window, which is what the platform alone costs.
  const HWND plainWindow = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 480, 120, nullptr, nullptr,
                                           GetModuleHandleA(nullptr), nullptr);
  RECT boxPlace{};
  GetWindowRect(resultBox, &boxPlace);
  const HWND plainBox = CreateWindowExA(GetWindowLongA(resultBox, GWL_EXSTYLE), "EDIT", "",
                                        GetWindowLongA(resultBox, GWL_STYLE), 8, 8, boxPlace.right - boxPlace.left,
                                        boxPlace.bottom - boxPlace.top, plainWindow, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
  SendMessageA(plainBox, WM_SETFONT, SendMessageA(resultBox, WM_GETFONT, 0, 0), 0);
  const auto typeInto = [&](HWND box) {
    int typed = 0;
    SetFocus(box);
    pumpMessages();
    return measure(runs, [&] {
      SendMessageA(box, WM_CHAR, ++typed % 50 == 0 ? '\r' : 'a' + typed % 26, 1);
      UpdateWindow(box);
      pumpMessages();
    });
  };
  const Timing plainKeystroke = typeInto(plainBox);
  const Timing keystroke = typeInto(resultBox);
  report("typed character, plain edit", plainKeystroke, boxBaseline);
  report("typed character with repaint", keystroke, boxBaseline);
  std::printf("  skinned / plain edit: %.1f (median), %.1f (cpu)\n", keystroke.medianMs / plainKeystroke.medianMs,
              keystroke.cpuMs / std::max(plainKeystroke.cpuMs, 1e-6));
  DestroyWindow(plainWindow);
  const Timing keyPress = measure(runs, [&] {
    SendMessageA(resultBox, WM_KEYDOWN, 'A', 0x1E0001);
    SendMessageA(resultBox, WM_CHAR, 'a', 0x1E0001);
    SendMessageA(resultBox, WM_KEYUP, 'A', 0xC01E0001);
    UpdateWindow(resultBox);
    pumpMessages();
  });
  report("key down, character, key up", keyPress, boxBaseline);
  const double keyRepeatMs = 1000.0 / 30;  // the fastest key repeat rate
  std::printf("  key repeat every %.1f ms: %.1f times the median time of a typed character\n", keyRepeatMs,
              keyRepeatMs / keystroke.medianMs);

  benchIndicatorsAndCombos(runs);

  DestroyWindow(window);
  pumpMessages();
  app::releaseGlobals();
  OleUninitialize();
  return 0;
}
