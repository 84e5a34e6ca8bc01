// Painting a control's section and its parent's picture under it: asking a
// parent (a control or a bare window) for its background, the section
// painted into a bitmap over that background, the cache's see-through
// corners refreshed from the parent, and the cache copied to the screen
// around the children that paint themselves.
#pragma once

#include <windows.h>

#include "engine/ControlSkinState.h"
#include "paint/BgCache.h"
#include "paint/Text_win.h"

namespace taramel {

class TControl;
class TWinControl;

inline RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect ToTRect(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

// Asks `control` for its background (the skin command when it answers; with
// the request's PaintNow set and no answer, the control paints the area
// itself into the target DC). 1 when the control answered.
int RequestParentBackground(BackgroundInfo& info, TControl* control, bool paint);
// The same for a window known only by its handle; a window that does not
// answer gives the skin's background colour.
int RequestParentBackgroundByHandle(BackgroundInfo& info, HWND window, bool paint);
// A request that passes through a see-through container at (dx, dy) of
// `parent`: a picture painted at once is taken from the container's place in
// the parent, and a bitmap answer is moved by the same amount.
void ForwardBackgroundRequest(BackgroundInfo& info, TControl* parent, int dx, int dy);
void ForwardBackgroundRequestByHandle(BackgroundInfo& info, HWND parent, int dx, int dy);
// The colour behind `owner`: its parent's answer (its Color when it does not
// answer), else the colour behind the window, else the button face.
TColor ParentBackgroundColor(TControl* owner, HWND window);

// The background of `control` (its parent's picture at the control's place)
// as a cache for the painters.
BgCache ParentBgCache(TControl* control);

// How a skinned control's caption is drawn: in the colours of its skin
// section, in its own font, enabled or not as the control is, and in the hot
// look's colours when `hot`.
SkinTextRequest CaptionTextRequest(const TControl& control, const TsCommonData& data, bool hot = false);

// The control's section in `state` over `bg` into the rectangle of the
// bitmap: background, border image (hidden in the normal state when its
// stretch mode says so) and corner images. `bg` gives the picture under the
// bitmap's origin. Nothing when not skinned.
void PaintControlSection(const TsCommonData& data, const BgCache& bg, bool fillCentre, TBitmap& bitmap,
                         const TRect& rect, int state);
// The same over the background asked from the control's parent.
void PaintControlSectionOnParent(const TsCommonData& data, TControl* control, bool fillCentre, TBitmap& bitmap,
                                 const TRect& rect, int state);

// Gives the key-coloured pixels of the border image's corners in the cache
// the parent's picture again (corners: 1 top-left, 2 bottom-left, 4 top-right,
// 8 bottom-right). Works within the cache's real size.
void RefreshCorners(TsCommonData& data, int state, unsigned corners);

// BitBlt of the bitmap's (sx, sy) to the rectangle of the DC.
void CopyBitmapToDC(TBitmap& bitmap, HDC dc, const RECT& dest, int sx, int sy);
// The cache copied into the destination rectangle, leaving out the visible
// child windows (moved by `offset`), which paint themselves over it.
void CopyCacheExcludingChildren(TWinControl& control, TsCommonData& data, HDC dc, const RECT& dest, POINT source,
                                POINT offset, bool refreshCorners);
// Removes the visible windowless children from the DC's clipping.
void ExcludeGraphicChildren(HDC dc, TWinControl& control, POINT offset);

}  // namespace taramel
