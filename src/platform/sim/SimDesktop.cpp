#include "platform/sim/SimDesktop.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <span>

#include "platform/ResetOnExit.h"
#include "platform/sim/SimInstance.h"

namespace zlt::sim {
namespace {

long long OverlapArea(const platform::PixelRect& a, const platform::PixelRect& b) {
  const long long width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const long long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

bool InRect(const platform::PixelRect& rect, platform::PixelPoint point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

// Inside the outline CreateRoundRectRgn(0, 0, width, height, ellipse, ellipse)
// describes: a rectangle whose corners are quarters of an ellipse x ellipse.
bool InRoundRegion(const RoundRegion& region, int x, int y) {
  if (x < 0 || y < 0 || x >= region.widthPx || y >= region.heightPx) return false;
  const double radiusX = std::min(region.ellipsePx, region.widthPx) / 2.0;
  const double radiusY = std::min(region.ellipsePx, region.heightPx) / 2.0;
  if (radiusX < 1.0 || radiusY < 1.0) return true;
  const double px = x + 0.5;
  const double py = y + 0.5;
  const double centreX = px < radiusX                    ? radiusX
                         : px > region.widthPx - radiusX ? region.widthPx - radiusX
                                                         : px;
  const double centreY = py < radiusY                     ? radiusY
                         : py > region.heightPx - radiusY ? region.heightPx - radiusY
                                                          : py;
  const double dx = (px - centreX) / radiusX;
  const double dy = (py - centreY) / radiusY;
  return dx * dx + dy * dy <= 1.0;
}

}  // namespace

Desktop::Desktop(DesktopConfig config) : config_(std::move(config)), clock_(config_.start) {
  if (config_.twipsPerPixel <= 0) config_.twipsPerPixel = 15;
}

Desktop::~Desktop() {
  // Form objects the program still holds must not call back into a desktop
  // that is gone.
  for (auto& [handle, form] : forms_) form->Detach();
  forms_.clear();
}

platform::ScreenMetrics Desktop::Screen() const {
  return {config_.widthPx * config_.twipsPerPixel, config_.heightPx * config_.twipsPerPixel,
          config_.twipsPerPixel, config_.twipsPerPixel};
}

std::vector<platform::PixelRect> Desktop::Monitors() const {
  if (!config_.monitors.empty()) return config_.monitors;
  return {platform::PixelRect{0, 0, config_.widthPx, config_.heightPx}};
}

// --- Instances and the delivery guard -----------------------------------------

int Desktop::RegisterInstance(Instance& instance) {
  const int id = nextInstanceId_++;
  instances_[id] = &instance;
  return id;
}

void Desktop::UnregisterInstance(Instance& instance) {
  std::erase_if(claimedNames_, [&](const auto& claim) { return claim.second == instance.id_; });
  std::vector<SimForm*> owned;
  for (const auto& [handle, form] : forms_) {
    if (form->owner_ == &instance) owned.push_back(form);
  }
  for (SimForm* form : owned) {
    Unregister(*form);
    form->Detach();
  }
  instances_.erase(instance.id_);
}

Instance* Desktop::FindInstance(int id) const {
  const auto found = instances_.find(id);
  return found == instances_.end() ? nullptr : found->second;
}

void Desktop::MarkEnded(Instance& instance) {
  if (instance.ended_) return;
  instance.ended_ = true;
  instance.cleanupDue_ = true;
  std::erase_if(claimedNames_, [&](const auto& claim) { return claim.second == instance.id_; });
  // Its windows are gone with the process, whenever the program objects go.
  std::erase_if(timers_, [&](const auto& entry) {
    const auto form = forms_.find(entry.first.first);
    return form != forms_.end() && form->second->owner_ == &instance;
  });
  const auto ownedBy = [&](platform::WindowHandle handle) {
    const auto form = forms_.find(handle);
    return form != forms_.end() && form->second->owner_ == &instance;
  };
  if (ownedBy(active_)) active_ = platform::kNoWindow;
  if (focus_ && ownedBy(focus_->first)) focus_.reset();
}

void Desktop::RunPendingCleanups() {
  if (runningCleanups_) return;
  runningCleanups_ = true;
  const platform::ResetOnExit reset(runningCleanups_, false);
  for (bool ran = true; ran;) {
    ran = false;
    std::vector<int> ids;
    for (const auto& [id, instance] : instances_) ids.push_back(id);
    for (const int id : ids) {
      Instance* instance = FindInstance(id);
      if (instance == nullptr || !instance->cleanupDue_ || !instance->cleanup_) continue;
      instance->cleanupDue_ = false;
      const std::function<void()> cleanup = std::move(instance->cleanup_);
      instance->cleanup_ = nullptr;
      cleanup();
      ran = true;
    }
  }
}

bool Desktop::Guarded(Instance* owner, const std::function<void()>& call) {
  if (owner != nullptr && owner->ended_) return false;
  struct Depth {
    Desktop& desktop;
    Instance* instance;
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;
    Depth(Desktop& d, Instance* i) : desktop(d), instance(i) {
      ++desktop.depth_;
      if (instance != nullptr) ++instance->depth_;
    }
    ~Depth() {
      --desktop.depth_;
      if (instance != nullptr) --instance->depth_;
    }
  };
  {
    Depth depth(*this, owner);
    try {
      call();
    } catch (const ProcessEnded& ended) {
      Instance* who = FindInstance(ended.InstanceId());
      if (who == nullptr) who = owner;
      if (who != nullptr) MarkEnded(*who);
    }
  }
  if (depth_ == 0) RunPendingCleanups();
  return true;
}

void Desktop::ReturnInto(Instance& caller) const {
  // The process died while it waited for another window: its code never runs on.
  if (caller.ended_ && caller.depth_ > 0) throw ProcessEnded(caller.id_);
}

SimForm* Desktop::LiveForm(platform::WindowHandle handle) const {
  const auto found = forms_.find(handle);
  if (found == forms_.end()) return nullptr;
  SimForm* form = found->second;
  return form->owner_ != nullptr && form->owner_->ended_ ? nullptr : form;
}

bool Desktop::DeliverTo(platform::WindowHandle handle,
                        const std::function<void(platform::IFormEvents&)>& call) {
  SimForm* form = LiveForm(handle);
  if (form == nullptr) return false;
  // Taken now: the handler may destroy the form.
  platform::IFormEvents* events = form->events_;
  return Guarded(form->owner_, [&] { call(*events); });
}

bool Desktop::Reachable(const SimForm& form, int controlId) const {
  if (LiveForm(form.handle_) != &form || !form.visible_ || !form.enabled_) return false;
  if (controlId == platform::kFormItself) return true;
  const auto control = form.controlsById_.find(controlId);
  return control != form.controlsById_.end() && control->second->EffectiveVisible() &&
         control->second->EffectiveEnabled();
}

// --- Windows --------------------------------------------------------------------

std::unique_ptr<SimForm> Desktop::CreateForm(Instance* owner, const platform::FormSpec& spec,
                                             platform::IFormEvents& events) {
  const platform::WindowHandle handle = nextHandle_;
  nextHandle_ += 4;
  std::unique_ptr<SimForm> form(new SimForm(*this, owner, handle, spec, events));
  forms_[handle] = form.get();
  normalBand_.push_back(handle);
  return form;
}

void Desktop::Unregister(SimForm& form) {
  const platform::WindowHandle handle = form.handle_;
  forms_.erase(handle);
  RemoveFromBand(BandOf(form), handle);
  timers_.erase(timers_.lower_bound({handle, INT_MIN}), timers_.upper_bound({handle, INT_MAX}));
  if (active_ == handle) active_ = platform::kNoWindow;
  if (focus_ && focus_->first == handle) focus_.reset();
}

std::vector<platform::WindowHandle>& Desktop::BandOf(const SimForm& form) {
  return form.topmost_ ? topmostBand_ : normalBand_;
}

void Desktop::RemoveFromBand(std::vector<platform::WindowHandle>& band,
                             platform::WindowHandle handle) {
  // A window is in a band at most once, and the one moved is most often near
  // the top: the search starts there.
  const auto found = std::find(band.rbegin(), band.rend(), handle);
  if (found != band.rend()) band.erase(std::next(found).base());
}

void Desktop::BringToTop(const SimForm& form) {
  auto& band = BandOf(form);
  RemoveFromBand(band, form.handle_);
  band.push_back(form.handle_);
}

void Desktop::MoveBand(const SimForm& form, bool wasTopmost) {
  // A window is always in the band its flag names, so only that one is searched.
  RemoveFromBand(wasTopmost ? topmostBand_ : normalBand_, form.handle_);
  BandOf(form).push_back(form.handle_);
}

SimForm* Desktop::FindForm(std::string_view caption) {
  // Walks the bands in place: the program searches by caption once per note.
  for (const auto* band : {&topmostBand_, &normalBand_}) {
    for (auto handle = band->rbegin(); handle != band->rend(); ++handle) {
      SimForm* form = LiveForm(*handle);
      if (form != nullptr && form->caption_ == caption) return form;
    }
  }
  return nullptr;
}

SimForm* Desktop::FormFromHandle(platform::WindowHandle handle) { return LiveForm(handle); }

std::vector<SimForm*> Desktop::Forms() {
  std::vector<SimForm*> forms;
  for (const auto& [handle, form] : forms_) {
    if (LiveForm(handle) != nullptr) forms.push_back(form);
  }
  return forms;
}

std::vector<SimForm*> Desktop::ZOrder() {
  std::vector<SimForm*> forms;
  for (const auto* band : {&topmostBand_, &normalBand_}) {
    for (auto handle = band->rbegin(); handle != band->rend(); ++handle) {
      if (SimForm* form = LiveForm(*handle)) forms.push_back(form);
    }
  }
  return forms;
}

SimForm* Desktop::ActiveForm() { return LiveForm(active_); }

SimForm& Desktop::OpenForeignWindow(const platform::FormSpec& spec) {
  foreignForms_.push_back(CreateForm(nullptr, spec, noEvents_));
  SimForm& form = *foreignForms_.back();
  form.SetVisible(true);
  return form;
}

void Desktop::CloseForeignWindow(SimForm& form) {
  std::erase_if(foreignForms_, [&](const auto& owned) { return owned.get() == &form; });
}

bool Desktop::Contains(const SimForm& form, platform::PixelPoint point) const {
  const platform::PixelRect rect = form.RectPx();
  if (!InRect(rect, point)) return false;
  return !form.region_ || InRoundRegion(*form.region_, point.x - rect.left, point.y - rect.top);
}

platform::WindowHandle Desktop::WindowFromPoint(platform::PixelPoint point) {
  for (const SimForm* form : ZOrder()) {
    // Hidden and disabled windows are passed over, as are fully transparent ones.
    if (!form->visible_ || !form->enabled_ || form->alpha_ == 0) continue;
    if (Contains(*form, point)) return form->handle_;
  }
  return platform::kNoWindow;
}

std::optional<platform::PixelRect> Desktop::MonitorRectOf(platform::WindowHandle handle) const {
  const SimForm* form = LiveForm(handle);
  if (form == nullptr) return std::nullopt;
  const auto index = MonitorIndexUnder(form->RectPx());
  if (!index) return std::nullopt;
  if (config_.monitors.empty()) return platform::PixelRect{0, 0, config_.widthPx, config_.heightPx};
  return config_.monitors[*index];
}

std::optional<int> Desktop::DpiOfMonitorUnder(const platform::PixelRect& rect) const {
  const auto index = MonitorIndexUnder(rect);
  if (!index) return std::nullopt;
  if (*index < config_.monitorDpis.size() && config_.monitorDpis[*index] > 0) {
    return config_.monitorDpis[*index];
  }
  return SystemDpi();
}

std::optional<std::size_t> Desktop::MonitorIndexUnder(const platform::PixelRect& rect) const {
  std::optional<std::size_t> best;
  long long bestArea = 0;
  // Asked for every note loaded: the usual single screen costs no list.
  const platform::PixelRect primary{0, 0, config_.widthPx, config_.heightPx};
  const std::span<const platform::PixelRect> monitors =
      config_.monitors.empty() ? std::span(&primary, 1) : std::span(config_.monitors);
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const long long area = OverlapArea(rect, monitors[i]);
    if (area > bestArea) {
      bestArea = area;
      best = i;
    }
  }
  if (!best && (rect.right <= rect.left || rect.bottom <= rect.top)) {
    // An empty window counts by its corner.
    for (std::size_t i = 0; i < monitors.size(); ++i) {
      if (InRect(monitors[i], {rect.left, rect.top})) return i;
    }
  }
  return best;
}

void Desktop::DeferCopyData(platform::WindowHandle target, std::string bytes) {
  Defer([this, target, bytes = std::move(bytes)] {
    DeliverTo(target, [&](platform::IFormEvents& events) { events.OnCopyData(bytes); });
  });
}

int Desktop::RunDeferred() {
  // Only what was waiting when the call began, so an action that defers
  // another cannot loop for ever.
  const std::size_t waiting = deferred_.size();
  int ran = 0;
  for (std::size_t i = 0; i < waiting && !deferred_.empty(); ++i) {
    const std::function<void()> action = std::move(deferred_.front());
    deferred_.pop_front();
    action();
    ++ran;
  }
  return ran;
}

// --- Scripts and records ------------------------------------------------------------

platform::Answer Desktop::AskYesNo(std::string_view text, std::string_view title) {
  platform::Answer answer = platform::Answer::No;
  if (!messageBoxScript_.empty()) {
    answer = messageBoxScript_.front();
    messageBoxScript_.pop_front();
  }
  messageBoxes_.push_back({std::string(text), std::string(title), answer});
  return answer;
}

std::optional<int> Desktop::TrackMenu(const std::vector<platform::MenuItemSpec>& items,
                                      platform::WindowHandle owner) {
  std::optional<int> chosen;
  if (!menuScript_.empty()) {
    chosen = menuScript_.front();
    menuScript_.pop_front();
  }
  // The user can only choose what the menu offers.
  if (chosen && std::none_of(items.begin(), items.end(), [&](const platform::MenuItemSpec& item) {
        return item.id == *chosen && item.caption != "-";
      })) {
    chosen.reset();
  }
  menus_.push_back({items, cursor_, owner, chosen});
  return chosen;
}

Desktop::Move Desktop::NextMove() {
  if (moveScript_.empty()) return {};
  const auto move = moveScript_.front();
  moveScript_.pop_front();
  return move;
}

bool Desktop::ClaimName(const std::string& name, int instanceId) {
  const auto [entry, inserted] = claimedNames_.emplace(name, instanceId);
  return inserted || entry->second == instanceId;
}

}  // namespace zlt::sim
