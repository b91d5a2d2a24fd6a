#include "startup/Program.h"

#include "manager/Controller.h"
#include "manager/Settings.h"
#include "note/SaveFailure.h"
#include "startup/CommandSwitch.h"
#include "startup/CopyDataHook.h"
#include "startup/DataFolder.h"
#include "startup/FocusHelperWindow.h"
#include "startup/SecondInstance.h"
#include "state/Folders.h"
#include "state/ProgramState.h"
#include "state/Text.h"

namespace zlt {

namespace {

// Under the user's local application-data folder.
constexpr std::string_view kRecoveryPlace = "ZLTFusen\\Recovery";

}  // namespace

Program::Program(platform::Platform& platform)
    : platform_(platform),
      state_(std::make_unique<ProgramState>()),
      hook_(
          std::make_unique<CopyDataHook>([this](Switch command) { RunForwardedSwitch(command); })) {
}

Program::~Program() {
  // Nothing may run a handler on the way out.
  controller_.reset();
  focusHelper_.reset();
}

ProgramState& Program::State() { return *state_; }
manager::Controller* Program::NoteController() { return controller_.get(); }
CopyDataHook& Program::Hook() { return *hook_; }

void Program::Main() {
  if (!platform_.instance.ClaimFirstInstance()) RunSecondInstance(platform_);

  controller_ = std::make_unique<manager::Controller>(platform_, *state_, [this] { End(); });
  hook_->Hook(*controller_);

  LoadUserName();
  state_->AppFolder = platform_.environment.AppFolder();
  state_->DataFolder =
      ChooseDataFolder(platform_.files, platform_.environment, state_->AppFolder, state_->UserName);
  RemoveLeftTemporaries(platform_.files, platform_.processes, state_->DataFolder);
  if (const auto localAppData = platform_.environment.LocalAppDataFolder()) {
    state_->RecoveryFolder = JoinPath(*localAppData, kRecoveryPlace);
  }

  if (const auto snap = ReadSnapSetting(platform_.files, state_->DataFolder)) {
    controller_->NoteMenu().SetChecked(manager::MenuId(manager::MenuItem::Snap), *snap);
  }

  note::AnnounceRecoveredNotes(platform_.files, platform_.windows, state_->RecoveryFolder);

  switch (StartupSwitch(platform_.environment.CommandLine())) {
    case Switch::RestoreAll:
      // No saved note: nothing to show, and nothing to stay for.
      if (!controller_->OpenAllNotes()) End();
      break;
    case Switch::NewNote:
      controller_->NewNote();
      break;
    case Switch::ShowHidden:
      controller_->ShowHidden();
      break;
    case Switch::Information:
      controller_->ShowInformationAtStart();
      break;
    case Switch::Flash:
    case Switch::None:
      End();
  }
}

void Program::LoadUserName() {
  const auto name = platform_.environment.UserName();
  // An empty name would put the notes straight into the program's folder.
  state_->UserName = name && !name->empty() ? std::string(TrimNull(*name)) : "DEFAULT";
}

void Program::RunForwardedSwitch(Switch command) {
  switch (command) {
    case Switch::Information:
      controller_->ShowInformation();
      break;
    case Switch::Flash:
      if (!focusHelper_) focusHelper_ = std::make_unique<FocusHelperWindow>(platform_);
      focusHelper_->Flash();
      break;
    case Switch::ShowHidden:
      controller_->ShowHidden();
      break;
    case Switch::NewNote:
      controller_->NewNote();
      break;
    case Switch::RestoreAll:
      controller_->OpenMissingNotes();
      break;
    case Switch::None:
      break;
  }
}

void Program::End() {
  if (controller_) hook_->Unhook(*controller_);
  platform::EndProcess(platform_.processes);
}

}  // namespace zlt
