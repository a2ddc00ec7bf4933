// SPDX-License-Identifier: MIT
// Picture files and page series in the program's output formats.

#include "PictureOutput.h"

#include "ToolCommands.h"

#include <algorithm>
#include <cctype>

namespace kwtool {

namespace {

using kw::platform::TPdfDocument;
using kw::platform::TPostScriptDocument;
using kw::platform::TSvgDocument;

bool EndsWithNoCase(std::string_view Text, std::string_view Suffix) {
    return Text.size() >= Suffix.size() &&
           std::equal(Suffix.begin(), Suffix.end(), Text.end() - Suffix.size(), [](char S, char T) {
               return std::tolower(static_cast<unsigned char>(T)) == S;
           });
}

} // namespace

TPictureFormat FormatOfFileName(std::string_view FileName) {
    if (EndsWithNoCase(FileName, ".pdf")) return TPictureFormat::Pdf;
    if (EndsWithNoCase(FileName, ".svg")) return TPictureFormat::Svg;
    if (EndsWithNoCase(FileName, ".ps")) return TPictureFormat::PostScript;
    return TPictureFormat::Png;
}

TPictureFormat ParseFormat(std::string_view Name) {
    if (Name == "png") return TPictureFormat::Png;
    if (Name == "pdf") return TPictureFormat::Pdf;
    if (Name == "svg") return TPictureFormat::Svg;
    if (Name == "ps") return TPictureFormat::PostScript;
    throw ToolError("unknown format '" + std::string(Name) + "' (png, pdf, svg or ps)");
}

std::string_view FileExtension(TPictureFormat Format) {
    switch (Format) {
    case TPictureFormat::Pdf:
        return ".pdf";
    case TPictureFormat::Svg:
        return ".svg";
    case TPictureFormat::PostScript:
        return ".ps";
    case TPictureFormat::Png:
        break;
    }
    return ".png";
}

// ---------------------------------------------------------------- one picture

TPictureFile::TPictureFile(TPictureFormat Format, std::string FileName, int Width, int Height,
                           bool Antialias)
    : FFileName(std::move(FileName)) {
    switch (Format) {
    case TPictureFormat::Png:
        FBitmap = std::make_unique<kw::platform::TBitmap>(Width, Height);
        FBitmap->Canvas().SetAntialias(Antialias);
        break;
    case TPictureFormat::Pdf:
        FDocument = std::make_unique<TPdfDocument>(FFileName, Width, Height);
        break;
    case TPictureFormat::Svg:
        FDocument = std::make_unique<TSvgDocument>(FFileName, Width, Height);
        break;
    case TPictureFormat::PostScript:
        FDocument = std::make_unique<TPostScriptDocument>(FFileName, Width, Height);
        break;
    }
}

TPictureFile::~TPictureFile() = default;

kw::platform::TCairoCanvas& TPictureFile::Canvas() {
    return FBitmap ? FBitmap->Canvas() : FDocument->Canvas();
}

void TPictureFile::Save() {
    if (FBitmap)
        FBitmap->SaveToFile(FFileName);
    else
        FDocument->Close();
}

// ---------------------------------------------------------------- a series of pages

TPageOutput::TPageOutput(TPictureFormat Format, std::filesystem::path Folder, bool Antialias)
    : FFormat(Format), FFolder(std::move(Folder)), FAntialias(Antialias) {}

TPageOutput::~TPageOutput() = default;

bool TPageOutput::Paged() const {
    return FFormat == TPictureFormat::Pdf || FFormat == TPictureFormat::PostScript;
}

std::filesystem::path TPageOutput::DocumentFile() const {
    return FFolder / ("gallery" + std::string(FileExtension(FFormat)));
}

kw::platform::TCanvas& TPageOutput::BeginPage(const std::string& Stem, int Width, int Height) {
    if (!Paged()) {
        FPictureFile = FFolder / (Stem + std::string(FileExtension(FFormat)));
        FPicture = std::make_unique<TPictureFile>(FFormat, FPictureFile.string(), Width, Height,
                                                  FAntialias);
        return FPicture->Canvas();
    }
    if (FDocument) {
        FDocument->NewPage(Width, Height);
    } else if (FFormat == TPictureFormat::Pdf) {
        FDocument = std::make_unique<TPdfDocument>(DocumentFile().string(), Width, Height);
    } else {
        FDocument = std::make_unique<TPostScriptDocument>(DocumentFile().string(), Width, Height);
    }
    return FDocument->Canvas();
}

std::optional<std::filesystem::path> TPageOutput::EndPage() {
    if (!FPicture) return std::nullopt;
    FPicture->Save();
    FPicture.reset();
    return FPictureFile;
}

std::optional<std::filesystem::path> TPageOutput::Finish() {
    if (!FDocument) return std::nullopt;
    FDocument->Close();
    FDocument.reset();
    return DocumentFile();
}

std::string TPageOutput::IndexEntry(std::size_t PageIndex, const std::string& Stem,
                                    const std::string& Title) const {
    if (!Paged())
        return "<p><img src=\"" + Stem + std::string(FileExtension(FFormat)) + "\" alt=\"" + Title +
               "\"></p>\n";
    const std::string file = DocumentFile().filename().string();
    const std::string page = std::to_string(PageIndex + 1);
    return "<p><a href=\"" + file + "#page=" + page + "\">" + file + ", page " + page +
           "</a></p>\n";
}

} // namespace kwtool
