#include "win32app/artwork.h"

#include <wincodec.h>

#include "resource_ids.h"
#include "win32app/core/dpi_scale.h"

namespace tallies {
namespace {

// The picture's resource for the design size, or 0 for artwork the program does not carry; the
// large one is the next number.
int ResourceFor(Picture picture) {
  switch (picture) {
    case Picture::kBanner:
      return IDR_BANNER_1X;
    case Picture::kGearPump:
      return IDR_GEAR_PUMP_1X;
    case Picture::kCylinderAngle:
      return IDR_CYLINDER_ANGLE_1X;
    case Picture::kIcon:
    case Picture::kNone:
      break;
  }
  return 0;
}

// Releases a COM object when it goes out of scope.
template <typename T>
struct Com {
  T* p = nullptr;
  ~Com() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

// Decodes a PNG resource into a top-down 32-bit DIB with premultiplied alpha, as AlphaBlend
// takes it.
HBITMAP DecodePng(int resource, SIZE& size) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resource), MAKEINTRESOURCEW(10));
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = static_cast<BYTE*>(LockResource(loaded));
  const DWORD length = SizeofResource(module, found);
  if (!bytes || length == 0) return nullptr;

  Com<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory.p)))) {
    return nullptr;
  }
  Com<IWICStream> stream;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  if (FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), length)) ||
      FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnLoad,
                                              &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) return nullptr;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!bitmap) return nullptr;
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  size = {static_cast<LONG>(width), static_cast<LONG>(height)};
  return bitmap;
}

}  // namespace

Artwork::Artwork(Picture picture, int dpi) {
  const int resource = ResourceFor(picture);
  if (resource == 0) return;
  const bool large = dpi >= kLargeArtworkDpi;
  m_bitmap = DecodePng(large ? resource + 1 : resource, m_size);
  m_scale = large ? 2 : 1;
  if (!m_bitmap && large) {
    // Should the large picture be missing, the design-size one still shows.
    m_bitmap = DecodePng(resource, m_size);
    m_scale = 1;
  }
}

Artwork::~Artwork() {
  if (m_bitmap) DeleteObject(m_bitmap);
}

SIZE Artwork::DesignSize() const { return {m_size.cx / m_scale, m_size.cy / m_scale}; }

void Artwork::Draw(HDC dc, const RECT& target) const {
  if (!m_bitmap) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, m_bitmap);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
             source, 0, 0, m_size.cx, m_size.cy, blend);
  SelectObject(source, previous);
  DeleteDC(source);
}

}  // namespace tallies
