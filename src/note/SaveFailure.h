// A note that could not be written: what the user is told, and where its text
// goes when the session ends and nothing may wait.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "note/NoteFile.h"
#include "platform/System.h"
#include "platform/WindowSystem.h"

namespace zlt::note {

inline constexpr std::string_view kMessageTitle = "ZLT付箋紙プラグイン";

struct SaveFailure {
  std::string path;    // the file (or, with no free name, the folder)
  std::string reason;  // the system's words
};

// Every note number of the folder is taken.
SaveFailure NoFreeFileName(std::string_view folder);

// "保存" could not write: the details view stays open.
std::string SaveFailedText(const SaveFailure& failure);
// A close could not write: the note stays open.
std::string CloseKeptOpenText(const SaveFailure& failure);
// Closing every note: those that could not be written stay open.
std::string NotesKeptOpenText(const std::vector<SaveFailure>& failures);
// Writing every note without closing: these could not be written.
std::string NotesNotSavedText(const std::vector<SaveFailure>& failures);

// Writes content under a new note-file name in recoveryFolder (made when
// missing) and lists it for the next start. The file's path, or nullopt when
// even that failed.
std::optional<std::string> KeepForRecovery(platform::IFileSystem& files,
                                           std::string_view recoveryFolder,
                                           const NoteFileContent& content);

// At start: says once where notes kept at the last session end lie.
void AnnounceRecoveredNotes(platform::IFileSystem& files, platform::IWindowSystem& windows,
                            std::string_view recoveryFolder);

}  // namespace zlt::note
