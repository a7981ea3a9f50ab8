#pragma once

#include "layout/control_layout.h"
#include "win32app/windows_headers.h"

namespace tallies {

// One picture of the window (banner, gear pump, cylinder diagram), decoded from the PNG the
// build rendered from its SVG: the version drawn for twice the design size when the monitor has
// 144 dots per inch or more, the design-size one otherwise.
class Artwork {
 public:
  Artwork(Picture picture, int dpi);
  ~Artwork();
  Artwork(const Artwork&) = delete;
  Artwork& operator=(const Artwork&) = delete;

  bool Loaded() const { return m_bitmap != nullptr; }
  // The picture's size in logical pixels of the design (96 dots per inch).
  SIZE DesignSize() const;

  // Draws the picture with its transparency over what dc holds, scaled to `target`.
  void Draw(HDC dc, const RECT& target) const;

 private:
  HBITMAP m_bitmap = nullptr;
  SIZE m_size{};
  int m_scale = 1;  // 1 for the design-size picture, 2 for the large one
};

}  // namespace tallies
