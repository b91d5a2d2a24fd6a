#include "note/SaveFailure.h"

#include "state/Folders.h"

namespace zlt::note {
namespace {

// The paths of the notes kept, one a line, UTF-8; gone once announced.
constexpr std::string_view kRecoveredList = "Recovered.lst";

std::string Describe(const SaveFailure& failure) {
  std::string text = "ファイル: ";
  text.append(failure.path).append("\n理由: ").append(failure.reason).append("\n");
  return text;
}

}  // namespace

SaveFailure NoFreeFileName(std::string_view folder) {
  return {std::string(folder),
          "空いているファイル名がありません（0.txt から 32767.txt まですべて使われています）。"};
}

std::string SaveFailedText(const SaveFailure& failure) {
  return std::string("付箋紙を保存できませんでした。\n\n").append(Describe(failure));
}

std::string CloseKeptOpenText(const SaveFailure& failure) {
  return std::string("付箋紙を保存できなかったので、閉じずにそのまま残します。\n\n")
      .append(Describe(failure));
}

std::string NotesKeptOpenText(const std::vector<SaveFailure>& failures) {
  std::string text = "保存できなかった付箋紙があるので、閉じずにそのまま残します。\n";
  for (const auto& failure : failures) text.append("\n").append(Describe(failure));
  return text;
}

std::string NotesNotSavedText(const std::vector<SaveFailure>& failures) {
  std::string text = "保存できなかった付箋紙があります。\n";
  for (const auto& failure : failures) text.append("\n").append(Describe(failure));
  return text;
}

std::optional<std::string> KeepForRecovery(platform::IFileSystem& files,
                                           std::string_view recoveryFolder,
                                           const NoteFileContent& content) {
  if (recoveryFolder.empty() || !CreateFolderPath(files, recoveryFolder)) return std::nullopt;
  const auto path = NewNoteFilePath(files, JoinPath(recoveryFolder, ""));
  if (!path || !WriteNoteFile(files, *path, content)) return std::nullopt;

  const std::string list = JoinPath(recoveryFolder, kRecoveredList);
  std::string listed = files.ReadAll(list).value_or(std::string());
  listed += *path + "\n";
  files.ReplaceAtomically(list, listed);
  return path;
}

void AnnounceRecoveredNotes(platform::IFileSystem& files, platform::IWindowSystem& windows,
                            std::string_view recoveryFolder) {
  if (recoveryFolder.empty()) return;
  const std::string list = JoinPath(recoveryFolder, kRecoveredList);
  const auto listed = files.ReadAll(list);
  if (!listed || listed->find_first_not_of("\r\n") == std::string::npos) return;
  windows.ShowNotice(
      std::string("前回の終了時に保存できなかった付箋紙を、次のファイルに残しました。\n\n")
          .append(*listed),
      kMessageTitle);
  files.RemoveFile(list);
}

}  // namespace zlt::note
