// What the main window reads of the settings dialog at every step. The
// dialog's controls are the live settings, so a change there acts before it
// is stored; the main window sees only these answers, not the controls.
#pragma once

namespace taramel {

class CardSettings {
public:
    virtual ~CardSettings() = default;
    // The next card is drawn at random (else: in the order of the file).
    virtual bool RandomOrder() const = 0;
    // The timer moves to the next card (else: only the button does).
    virtual bool NextCardByTimer() const = 0;
    // The timer's period as typed, in seconds (not yet held to any range).
    virtual int TimerSeconds() const = 0;
    // Lets the user change them (a modal dialog).
    virtual void Edit() = 0;
};

// The settings dialog while it exists, else null.
CardSettings* LiveCardSettings();

}  // namespace taramel
