#include "note/NoteLayout.h"

namespace zlt::note {

using platform::ControlKind;
using platform::ControlSpec;
using platform::MakeControl;
using platform::Rgb;

namespace {

std::vector<ControlSpec> BuildTitleStripControls() {
  auto tab = MakeControl(ControlKind::Label, TabLabel, platform::kFormItself, "", {0, 0, 255, 615});
  tab.backColour = Rgb(255, 224, 192);
  tab.tooltip = "ココを“右クリック”でメニュー表示、“Shift＋ドラッグ”で移動出来ます。";

  auto title = MakeControl(ControlKind::TextBox, TitleBox, platform::kFormItself, "",
                           {360, 120, 5895, 255}, 0);
  title.backColour = layout::kNoteColour;
  title.tooltip =
      "ココを“Shift＋クリック”でタイトル編集、“Shift＋Wクリック”で詳細内容編集ができます。";
  return {tab, title};
}

std::vector<ControlSpec> BuildDetailsControls() {
  const int frame = DetailsFrame;
  std::vector<ControlSpec> specs;
  auto details = MakeControl(ControlKind::Frame, DetailsFrame, platform::kFormItself, "詳細内容",
                             {0, 480, 6495, 4815});
  details.visible = false;
  details.backColour = layout::kNoteColour;
  specs.push_back(details);

  specs.push_back(
      MakeControl(ControlKind::CheckBox, AlarmCheck, frame, "アラーム", {240, 360, 975, 180}, 1));
  // The date must show whole in whatever font the system gives: the box takes
  // all the room up to the hour box, then fits its text into it.
  auto date =
      MakeControl(ControlKind::TextBox, DateBox, frame, "0000/00/00", {1250, 285, 1150, 270}, 2);
  date.enabled = false;
  date.wholeText = "0000/00/00";
  specs.push_back(date);
  auto hour = MakeControl(ControlKind::TextBox, HourBox, frame, "00", {2400, 285, 375, 270}, 3);
  hour.enabled = false;
  specs.push_back(hour);
  specs.push_back(MakeControl(ControlKind::Label, HourLabel, frame, "時", {2850, 405, 375, 255}));
  auto minute = MakeControl(ControlKind::TextBox, MinuteBox, frame, "00", {3100, 285, 375, 270}, 4);
  minute.enabled = false;
  specs.push_back(minute);
  specs.push_back(MakeControl(ControlKind::Label, MinuteLabel, frame, "分", {3550, 405, 375, 255}));
  auto music = MakeControl(ControlKind::CheckBox, MusicCheck, frame,
                           "アラーム時に音楽再生を開始する", {240, 600, 3015, 255});
  music.enabled = false;
  specs.push_back(music);
  specs.push_back(MakeControl(ControlKind::CheckBox, TranslucentCheck, frame, "半透明",
                              {3900, 360, 1095, 240}));
  specs.push_back(MakeControl(ControlKind::CheckBox, InFrontCheck, frame, "常に手前表示",
                              {3900, 650, 1455, 180}));
  specs.push_back(
      MakeControl(ControlKind::Button, SaveButton, frame, "保存", {5400, 240, 855, 285}, 6));
  specs.push_back(
      MakeControl(ControlKind::Button, CancelButton, frame, "ｷｬﾝｾﾙ", {5400, 515, 855, 285}, 7));
  specs.push_back(
      MakeControl(ControlKind::MultiLineTextBox, DetailsBox, frame, "", {120, 840, 6255, 3735}, 5));

  // Frame colours and fonts follow the window unless a control says otherwise.
  for (auto& spec : specs) {
    const bool plain = spec.kind == ControlKind::CheckBox || spec.kind == ControlKind::Label;
    if (plain && !spec.backColour) spec.backColour = layout::kNoteColour;
  }
  return specs;
}

}  // namespace

const std::vector<ControlSpec>& TitleStripControls() {
  static const std::vector<ControlSpec> specs = BuildTitleStripControls();
  return specs;
}

const std::vector<ControlSpec>& DetailsControls() {
  static const std::vector<ControlSpec> specs = BuildDetailsControls();
  return specs;
}

}  // namespace zlt::note
