#pragma once
// The painting pipeline of every control skin: an off-screen canvas that already shows
// what lies behind the control, committed into the skinned window's windowImage and
// then copied to the target.

#include <windows.h>

#include <vector>

#include "draw/drawing.h"
#include "skin/core/control_properties.h"

namespace skin {

struct CanvasEntry {
  HDC dc = nullptr;             // the canvas, the key of the entry
  HBITMAP dib = nullptr;        // the DIB section made for it
  HGDIOBJ previous = nullptr;   // what the context held before
};

// The canvases currently made and not yet released; empty between paints.
std::vector<CanvasEntry>& canvasList();

// A canvas of rect's size showing the owner window's background behind that rectangle
// of the control; 0 when the control has no skinned owner.
HDC makeControlCanvas(HWND control, const RECT& rect);
// What a canvas of rect would show, copied to (0, 0) of target; false when the control
// has no skinned owner.
bool copyControlBackground(HWND control, const RECT& rect, HDC target);
// Copies a canvas into the owning window's windowImage at the control's place.
void commitToWindowImage(HWND control, HDC canvas, const props::KeyFamily& keys = props::controlKeys,
                         bool wholeWindow = false);
// The same for a frame drawn over the whole window rectangle, skipping keyColour pixels.
void commitFrameToWindowImage(HWND control, HDC source, COLORREF keyColour,
                              const props::KeyFamily& keys = props::controlKeys);
// 1 when the canvas was listed and is now freed, 0 otherwise (also for 0).
int releaseCanvas(HDC canvas);

// The painter pattern as one object: makes the canvas, and on destruction deletes the
// drawing surface and releases the canvas, so that no path out of a painter can forget.
//
//   ControlCanvas canvas(handle, rect);
//   draw::DrawingSurface& g = canvas.surface();
//   g.fillPath(brush, path);                 // draw
//   canvas.commit(dc);                       // into windowImage, then onto dc
//
// With no skinned owner the canvas is empty: surface() draws nothing and commit()
// copies nothing.
class ControlCanvas {
 public:
  ControlCanvas(HWND control, const RECT& rect);
  ~ControlCanvas();
  ControlCanvas(const ControlCanvas&) = delete;
  ControlCanvas& operator=(const ControlCanvas&) = delete;

  HDC dc() const { return dc_; }
  HWND control() const { return control_; }
  int width() const { return width_; }
  int height() const { return height_; }
  explicit operator bool() const { return dc_ != nullptr; }

  // A drawing surface on the canvas, made at the first call. It draws straight into
  // the canvas's pixels, which is many times faster than drawing through its device
  // context.
  draw::DrawingSurface& surface();
  // Deletes the surface, so that everything drawn through it is in the canvas.
  void finishDrawing();

  // commitToWindowImage, then BitBlt of the whole canvas to (0, 0) of target (when given).
  void commit(HDC target, const props::KeyFamily& keys = props::controlKeys, bool wholeWindow = false);
  // commitFrameToWindowImage with the canvas as the source (a frame drawn over the
  // whole window rectangle whose client part holds keyColour).
  void commitFrame(COLORREF keyColour = 0xFF00FF, const props::KeyFamily& keys = props::controlKeys);
  // BitBlt of the whole canvas to (x, y) of target.
  void copyTo(HDC target, int x = 0, int y = 0);

 private:
  HWND control_;
  HDC dc_;
  int width_;
  int height_;
  draw::DrawingBitmap pixels_;  // the canvas's own pixels, drawn on directly
  draw::DrawingSurface surface_;
};

}  // namespace skin
