// What the fading skinned buttons (push and radio) handle alike: focus and
// caption changes, which their system window would draw its own look for
// (the standard handling runs with drawing off, then the skinned look
// follows), the fade's start and end, its skin commands, and painting.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "controls/FadeTimer.h"

namespace taramel {

class TWinControl;
class TsCommonData;
struct TMessage;

// Stops a fade and frees its timer (nothing when none runs).
void StopFade(std::unique_ptr<TsFadeTimer>& fade);
// Starts a fade towards the look the control has now (made on first use),
// a press's fade when `press`; the cache is rebuilt for the new look.
void StartFade(std::unique_ptr<TsFadeTimer>& fade, TWinControl& control, TsCommonData& data, bool press);

enum class TLookChange { FocusGained, FocusLost, TextSet };

// Runs `standardHandling` of the message that makes the change without
// letting the system paint, then marks the look out of date and repaints.
// A fade running when the focus comes takes the focused look into its next
// frame at once; losing the focus or a new caption ends the fade.
void ChangeLookQuietly(TWinControl& control, TsCommonData& data, std::unique_ptr<TsFadeTimer>& fade,
                       TLookChange change, const std::function<void()>& standardHandling);

// The skin commands that every fading control answers alike: the end of an
// animation stops the fade, a fade about to start gets a fresh picture,
// fade frames are painted by the control itself, and it says it is skinned.
// Returns false for any other command.
bool AnswerFadeCommand(TMessage& message, std::unique_ptr<TsFadeTimer>& fade, const std::function<void()>& rebuildCache);

// Answers WM_PAINT: `paint` draws into the DC the message brings (a parent
// drawing the control into its own picture; `givenDC` is then true) or into
// a paint cycle of the control's own window.
void AnswerPaint(TWinControl& control, TMessage& message, const std::function<void(HDC dc, bool givenDC)>& paint);

}  // namespace taramel
