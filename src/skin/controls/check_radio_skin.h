#pragma once
// The check box and radio button skin: check boxes and automatic radio buttons keep the
// platform's behaviour and check state but paint themselves (a white box or circle with
// a soft shading, a theme-coloured halo on hover, a tinted check mark or a glassy dot).
// They stay what they are, not owner-drawn; buttonSkinProc serves them. The install,
// skinCheckAndRadioButtons, is declared with the other installs in control_installs.h,
// the painters paintCheckBox and paintRadioButton in button_skin.h.

#include <windows.h>

#include <optional>

#include "skin/core/control_records.h"

namespace skin {

// The kind skinCheckAndRadioButtons registers a button of this style as: a check box
// (types 2, 3 and 0xA), a radio button (automatic radio buttons only), or none (push
// buttons, three-state boxes, group boxes, plain radio buttons, owner-drawn buttons).
std::optional<ButtonKind> checkOrRadioKind(LONG style);

}  // namespace skin
