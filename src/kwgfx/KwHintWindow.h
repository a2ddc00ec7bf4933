#pragma once
/// \file
/// The unit KwHintWindow: a hint window that hides itself after an interval, with the
/// platform's timer, message loop, application and screen objects it works with.

#include "kwgfx/platform/windowing/Application.h"
#include "kwgfx/platform/windowing/Clock.h"
#include "kwgfx/platform/windowing/MessageLoop.h"
#include "kwgfx/platform/windowing/Screen.h"
#include "kwgfx/ui/KwHintWindow.h"
