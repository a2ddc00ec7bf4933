// SPDX-License-Identifier: MIT
#include "kwgfx/platform/streams/ObjectStreaming.h"

#include "kwgfx/platform/streams/FileStream.h"
#include "kwgfx/platform/streams/MemoryStream.h"
#include "kwgfx/platform/streams/PropertyReader.h"
#include "kwgfx/platform/streams/PropertyWriter.h"

namespace kw::platform {

void SaveObjectToFile(TPersistent& Instance, const std::string& FileName) {
    // Build the text before touching the file, so that a failing getter does not leave
    // a truncated file behind.
    const std::string text = ObjectToPropertyText(Instance);
    TFileStream file(FileName, TFileMode::fmCreate);
    file.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void LoadObjectFromFile(TPersistent& Instance, const std::string& FileName) {
    TFileStream file(FileName, TFileMode::fmOpenRead);
    TReader(file).ReadObject(Instance);
}

std::string ObjectToPropertyText(TPersistent& Instance) {
    TMemoryStream stream;
    TWriter(stream).WriteObject(Instance);
    return stream.DataString();
}

void PropertyTextToObject(std::string_view Text, TPersistent& Instance) {
    TMemoryStream stream(Text);
    TReader(stream).ReadObject(Instance);
}

} // namespace kw::platform
