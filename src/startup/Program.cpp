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
      hook_(std::make_unique<CopyDataHook>(
          [this](std::string_view command) { RunForwardedSwitch(command); })) {}

Program::~Program() {
  // Nothing may run a handler on the way out.
  controller_.reset();
  focusHelper_.reset();
}

ProgramState& Program::State() { return *state_; }
manager::Controller* Program::FusenController() { return controller_.get(); }
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

  if (const auto snap = ReadKyuchaku(platform_.files, state_->DataFolder)) {
    controller_->FusenMenu().SetChecked(manager::MenuId(manager::MenuItem::Kyuchaku), *snap);
  }

  note::AnnounceRecoveredNotes(platform_.files, platform_.windows, state_->RecoveryFolder);

  const std::string command = StartupSwitch(platform_.environment.CommandLine());
  if (command == "/*") {
    // No saved note: nothing to show, and nothing to stay for.
    if (!controller_->OpenAllNotes()) End();
  } else if (command == "/N") {
    controller_->NewMemo_Click();
  } else if (command == "/V") {
    controller_->ReView_Click();
  } else if (command == "/S") {
    controller_->ShowInformation();
  } else {
    End();
  }
}

void Program::LoadUserName() {
  const auto name = platform_.environment.UserName();
  // An empty name would put the notes straight into the program's folder.
  state_->UserName = name && !name->empty() ? std::string(TrimNull(*name)) : "DEFAULT";
}

void Program::RunForwardedSwitch(std::string_view command) {
  if (command == "/S") {
    controller_->PluginInfo_Click();
  } else if (command == "/P") {
    if (!focusHelper_) focusHelper_ = std::make_unique<FocusHelperWindow>(platform_);
    focusHelper_->Flash();
  } else if (command == "/V") {
    controller_->ReView_Click();
  } else if (command == "/N") {
    controller_->NewMemo_Click();
  } else if (command == "/*") {
    controller_->OpenMissingMemos();
  }
}

void Program::End() {
  if (controller_) hook_->Unhook(*controller_);
  platform::EndProcess(platform_.processes);
}

}  // namespace zlt
