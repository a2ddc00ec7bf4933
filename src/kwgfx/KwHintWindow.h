#pragma once
// The unit KwHintWindow: a hint window that hides itself after an interval, with the
// platform's timer, message loop, application and screen objects it works with.

#include "kwgfx/platform/Application.h"
#include "kwgfx/platform/Clock.h"
#include "kwgfx/platform/MessageLoop.h"
#include "kwgfx/platform/Screen.h"
#include "kwgfx/ui/KwHintWindow.h"
