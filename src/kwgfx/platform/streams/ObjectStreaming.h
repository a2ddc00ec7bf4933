// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Shortcuts for saving a persistent object's properties and loading them back, through
/// a file or a string, in the property stream format (docs/property-stream.md).

#include "kwgfx/platform/base/Persistent.h"

#include <string>
#include <string_view>

namespace kw::platform {

/// Writes Instance to FileName (created or replaced). EFOpenError when the file cannot be
/// created, EWriteError when writing fails.
void SaveObjectToFile(TPersistent& Instance, const std::string& FileName);
/// Reads FileName into Instance. EFOpenError when the file cannot be opened, EReadError
/// for a malformed stream (see TReader for what is left changed).
void LoadObjectFromFile(TPersistent& Instance, const std::string& FileName);

/// The same through a string holding the stream's text.
///@{
std::string ObjectToPropertyText(TPersistent& Instance);
void PropertyTextToObject(std::string_view Text, TPersistent& Instance);
///@}

} // namespace kw::platform
