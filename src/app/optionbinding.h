#pragma once

#include <functional>
#include <string>

class QWidget;

namespace ashtally {

class TOVOptions;

// Where the binding reports a value it could not put into a control ("P5 Value").
using BindingMessage = std::function<void(const std::string&)>;

// Copies every option into the window's control of the same name (letter case ignored), and
// back. Both walk all widgets of the window depth first, in the order each container lists its
// children, so the controls of hidden pages are reached too. Push buttons and labels are never
// bound. A control only changes, and so only notifies, when the shown value really changes.
void OptionsToControls(QWidget* window, const TOVOptions& options, const BindingMessage& report);
// A value that does not convert into its option goes to the option set's message handler.
void ControlsToOptions(QWidget* window, TOVOptions& options);

} // namespace ashtally
