#pragma once
// The language texts the three dialogs show.

namespace stormline::dialog_text {

constexpr int Ok = 29;
constexpr int No = 30;
constexpr int WarningCaption = 31;
constexpr int ResetMessage = 32;
constexpr int PlugInMessage = 33;
constexpr int UploadCaption = 34;
constexpr int KeyboardFoundCaption = 37;

}  // namespace stormline::dialog_text
