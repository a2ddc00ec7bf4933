// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The umbrella header of the unit KwHintWindow: TKwHintWindow, the hint window that hides
/// itself after an interval (ui/KwAutoHideHintWindow.h), with the platform's timer, message
/// loop, application and screen objects it works with. Include this one.

#include "kwgfx/platform/windowing/Application.h"
#include "kwgfx/platform/windowing/Clock.h"
#include "kwgfx/platform/windowing/MessageLoop.h"
#include "kwgfx/platform/windowing/Screen.h"
#include "kwgfx/ui/KwAutoHideHintWindow.h"
