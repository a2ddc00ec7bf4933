// SPDX-License-Identifier: MIT
// Message dialogs: the default sink writes the message to standard error and answers.
#include <kwgfx/platform/controls/MessageDialog.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace kw::platform;

TEST(MessageDialogs, TheDefaultWritesToStandardErrorAndAnswersOk) {
    const TMessageDlgSink previous = SetMessageDlgSink({});
    ::testing::internal::CaptureStderr();
    const int32_t answer = MessageDlg("Disk full.", mtError, {mbOK}, 0);
    const std::string written = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, mrOk);
    EXPECT_EQ(written, "Error: Disk full.\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, {mbNo, mbYes}, 0), mrYes);
    ::testing::internal::GetCapturedStderr();
    ::testing::internal::CaptureStderr();
    MessageDlg("Go on?", mtConfirmation, {mbNo}, 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Confirmation: Go on?\n");
    SetMessageDlgSink(previous);
}
