// Focus and caption changes of a skinned control whose system window would
// draw its own look while handling them (the push and radio buttons): the
// standard handling runs with drawing off, then the skinned look follows.
#pragma once

#include <functional>
#include <memory>

#include "controls/FadeTimer.h"

namespace taramel {

class TWinControl;
class TsCommonData;
struct TMessage;

// Stops a fade and frees its timer (nothing when none runs).
void StopFade(std::unique_ptr<TsFadeTimer>& fade);

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

}  // namespace taramel
