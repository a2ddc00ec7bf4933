// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Message dialogs. A dialog is modal: MessageDlg returns the button the user chose.
/// There is no window system behind the library, so a dialog goes to a replaceable sink:
/// by default it is written to standard error as "<kind>: <message>" and answered with
/// the first of OK, Yes, Cancel, No that it offers. A program that has a user interface,
/// or a test that wants to see the dialogs, installs its own sink.

#include <cstdint>
#include <functional>
#include <string>

namespace kw::platform {

/// The kind of a dialog, which gives its title.
enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

/// The buttons a dialog can offer.
enum TMsgDlgBtn : uint8_t { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll };

/// A set of buttons, bit n for ordinal n.
class TMsgDlgButtons {
public:
    constexpr TMsgDlgButtons() = default;
    /// The set of the given buttons.
    constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> Buttons) {
        for (TMsgDlgBtn b : Buttons) FBits = uint16_t(FBits | (1u << b));
    }
    /// Whether Button is in the set.
    constexpr bool Contains(TMsgDlgBtn Button) const { return (FBits >> Button) & 1u; }
    /// The set's bits.
    constexpr uint16_t Bits() const { return FBits; }
    /// The same buttons.
    constexpr bool operator==(const TMsgDlgButtons&) const = default;

private:
    uint16_t FBits = 0;
};

/// The answers of a dialog (the button chosen).
enum TModalResult : int32_t {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8
};

/// A dialog as MessageDlg hands it to the sink.
struct TMessageDlgRequest {
    std::string Message;                 ///< The text.
    TMsgDlgType DlgType = mtInformation; ///< Its kind.
    TMsgDlgButtons Buttons;              ///< The buttons offered.
    int32_t HelpContext = 0;             ///< The help topic, 0 for none.
};

/// Shows a dialog and returns the chosen button's modal result.
using TMessageDlgSink = std::function<int32_t(const TMessageDlgRequest& Request)>;

/// Installs Sink for every later dialog and returns the one it replaces (an empty
/// function while the default is in place); an empty Sink goes back to the default.
TMessageDlgSink SetMessageDlgSink(TMessageDlgSink Sink);

/// Shows the dialog and returns the chosen button's modal result.
int32_t MessageDlg(const std::string& Message, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                   int32_t HelpContext);

/// The title of a dialog kind: "Warning", "Error", "Information", "Confirmation", "".
const char* MsgDlgTypeCaption(TMsgDlgType DlgType);

} // namespace kw::platform
